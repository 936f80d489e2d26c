#pragma once
// Readers of Kelvaro.ini, the configuration file beside the executable.
#include <string>

#include "banco.h"

namespace kelvaro {

// Program directory + "/Kelvaro.ini".
std::string PercorsoIni(const Banco& b);

// Production rules: "<REGOLA>" blocks of KEY=value lines.
void LeggiRegoleIni(Banco& b);
void LeggiRegoleIni(const std::string& percorso, Configurazione& conf);
// Template names: "FILESCHEMA=" and "FILEINDICE=" lines.
void LeggiFileIni(Banco& b);
void LeggiFileIni(const std::string& percorso, Configurazione& conf);

}  // namespace kelvaro
