#pragma once
// The main window's load step as the core sees it: defaults of the settings and the reference
// date. Runs once per process in every mode (interactive, "/HTML", "/prod").
#include "banco.h"

namespace kelvaro {

void CaricamentoForm1(Banco& b);

}  // namespace kelvaro
