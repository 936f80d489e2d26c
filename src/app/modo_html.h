#pragma once
// The "/HTML" mode: template names from Kelvaro.ini, the main window's load step, publishing.
#include "banco.h"

namespace kelvaro {

// Without Kelvaro.ini nothing happens. True when the index was written.
bool EseguiModoHtml(Banco& b);

}  // namespace kelvaro
