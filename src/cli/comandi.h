#pragma once
// The commands of kelvaro-cli. Each returns the process exit status.
#include <string>
#include <vector>

namespace kelvaro::cli {

using Argomenti = std::vector<std::string>;

int Verifica(const Argomenti& args);
int Risolvi(const Argomenti& args);
int Pubblica(const Argomenti& args);
int CompattaScript(const Argomenti& args);
int Genera(const Argomenti& args);
int Libretto(const Argomenti& args);

}  // namespace kelvaro::cli
