// kelvaro-cli: the command-line companion of the workbench.
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "cli/comandi.h"

namespace {

const char* Uso =
    "Uso: kelvaro-cli COMANDO [OPZIONI] ...\n"
    "\n"
    "Comandi:\n"
    "  verifica FILE...     carica ogni schema e ne riassume il contenuto\n"
    "  risolvi [--tecniche K] FILE\n"
    "                       risolve lo schema e stampa il log, il risultato e le tecniche usate\n"
    "  pubblica [--cartella DIR] [--principale] [--stringi]\n"
    "                       pubblica gli schemi di DIR/schemixwebsite in DIR/perwebsiteprove\n"
    "                       (DIR: la cartella del programma); --principale scrive anche\n"
    "                       DIR/perwebsite/Futoshiki.html, --stringi prima compatta lo script\n"
    "  stringi [--cartella DIR]\n"
    "                       compatta DIR/template/schemaFutoshiki.js in DIR/perwebsiteprove\n"
    "  genera [OPZIONI]     produce nuovi schemi in una cartella (genera --help per le opzioni)\n"
    "  libretto [--per-pagina 1|2|4|6] [--soluzioni] [--formato A4|Letter] CARTELLA FILE.pdf\n"
    "                       il libretto PDF degli schemi di una cartella\n"
    "  aiuto FILE [--griglia CIFRE] [--tecniche K]\n"
    "                       il prossimo passo del risolutore dai dati dello schema, o dalla\n"
    "                       posizione CIFRE (N x N cifre riga per riga, 0 = vuota)\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvaro::cli;
    const std::map<std::string, std::function<int(const Argomenti&)>> comandi = {
        {"verifica", Verifica}, {"risolvi", Risolvi},   {"pubblica", Pubblica}, {"stringi", CompattaScript},
        {"genera", Genera},     {"libretto", Libretto}, {"aiuto", Aiuto},
    };
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(Uso, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const auto it = comandi.find(argv[1]);
    if (it == comandi.end()) {
        std::fprintf(stderr, "kelvaro-cli: comando sconosciuto '%s'\n\n%s", argv[1], Uso);
        return 2;
    }
    Argomenti args(argv + 2, argv + argc);
    return it->second(args);
}
