#pragma once
// What "--version" and "kelvaro --help" print.
#include <string>

#include "app/programma.h"

namespace kelvaro {

// The version of the build, as the package carries it ("1.0").
const char* VersioneKelvaro();
// "kelvaro 1.0" and a line on what the program is.
std::string TestoVersione(const std::string& programma);
// The help of the window program: its four ways to start and the program directory it uses.
std::string TestoAiutoKelvaro(const CartelleProgramma& cartelle);
// Where the program directory is, for the help texts: one line, two for the user's folder.
std::string TestoCartellaProgramma(const CartelleProgramma& cartelle);

}  // namespace kelvaro
