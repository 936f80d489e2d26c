#pragma once
// Start-up: the program directory and the choice of the run mode.
#include <string>

namespace kelvaro {

enum class Modo { Interattivo, Html, Produzione };

// The argument string is compared whole and case-sensitively: "/HTML" first, then anything but
// "/prod" is interactive.
Modo SceltaModo(const std::string& argomenti);
// The text of the command line after the program name, arguments joined by one blank.
std::string StringaArgomenti(int argc, char** argv);
// Directory of the running executable (never the current directory).
std::string CartellaEseguibile();

}  // namespace kelvaro
