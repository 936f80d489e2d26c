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

// Where the program works and where its own files come from.
//
// A build folder (or any folder holding the executables beside their files) is its own program
// directory. An installed program, PREFIX/bin/kelvaro with its files in PREFIX/share/kelvaro,
// works in the user's data folder ($XDG_DATA_HOME/kelvaro, else ~/.local/share/kelvaro), made
// from the installed files on first use: those belong to the installation, which an upgrade
// replaces. A program directory that is not writable is replaced by the user's folder in the
// same way.
struct CartelleProgramma {
    std::string Lavoro;       // the program directory: Kelvaro.ini, template/, the sites
    std::string Predefiniti;  // the files Lavoro is made from (Lavoro itself for a build folder)
    bool Installato = false;  // PREFIX/bin with PREFIX/share/kelvaro

    bool DellUtente() const { return Lavoro != Predefiniti; }
};

// The choice alone, touching nothing: `eseguibile` is the executable's folder, `xdgDataHome`
// and `home` the environment's values (nullptr when unset).
CartelleProgramma ScegliCartelle(const std::string& eseguibile, const char* xdgDataHome, const char* home);
// The choice for the running program.
CartelleProgramma CartelleDelProgramma();

// What a program directory is made of: the files copied into the user's folder.
extern const char* const ContenutoCartellaProgramma[7];

// Makes the user's folder `utente` from `predefiniti` when it is missing or empty: everything
// is copied into a temporary folder beside it, which then takes its name, so a folder that is
// there is never half made and nothing the user has is overwritten. False, with the reason in
// `errore`, when it could not be made.
bool CreaCartellaUtente(const std::string& predefiniti, const std::string& utente, std::string& errore);

// The program directory to run in, the user's folder made when it is needed. When it cannot
// be made, the installed files are used as they are and `avviso` says why.
std::string PreparaCartellaProgramma(std::string& avviso);

}  // namespace kelvaro
