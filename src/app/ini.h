#pragma once
// Readers of Kelvaro.ini, the configuration file beside the executable.
#include <string>
#include <vector>

#include "banco.h"

namespace kelvaro {

// Program directory + "/Kelvaro.ini".
std::string PercorsoIni(const Banco& b);

// Production rules: "<REGOLA>" blocks of KEY=value lines.
void LeggiRegoleIni(Banco& b);
void LeggiRegoleIni(const std::string& percorso, Configurazione& conf);
void LeggiRegoleIniRighe(const std::vector<std::string>& righe, Configurazione& conf,
                         const std::string& nomeFile = "Kelvaro.ini");
// Template names: "FILESCHEMA=" and "FILEINDICE=" lines.
void LeggiFileIni(Banco& b);
void LeggiFileIni(const std::string& percorso, Configurazione& conf);
void LeggiFileIniRighe(const std::vector<std::string>& righe, Configurazione& conf);

}  // namespace kelvaro
