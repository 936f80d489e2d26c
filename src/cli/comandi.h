#pragma once
// The commands of kelvaro-cli. Each returns the process exit status.
#include <string>
#include <vector>

namespace kelvaro::cli {

using Argomenti = std::vector<std::string>;

// The value of --tecniche: one digit 0..7 (+1 naked subsets, +2 Swordfish, +4 the master tier);
// -1, with the error on standard error, for anything else.
int LeggiTecniche(const std::string& valore);

int Verifica(const Argomenti& args);
int Risolvi(const Argomenti& args);
int Pubblica(const Argomenti& args);
int CompattaScript(const Argomenti& args);
int Genera(const Argomenti& args);
int Libretto(const Argomenti& args);
int Aiuto(const Argomenti& args);
// Puzzle codes (Unequal's game IDs): a code into a schema file, a schema file into its code.
int Importa(const Argomenti& args);
int Esporta(const Argomenti& args);

}  // namespace kelvaro::cli
