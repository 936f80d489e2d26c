// kelvaro-cli: the command-line companion of the workbench.
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "app/programma.h"
#include "app/versione.h"
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
    "                       posizione CIFRE (N x N cifre riga per riga, 0 = vuota)\n"
    "  importa CODICE FILE  scrive in FILE lo schema di un codice di Unequal (5:0,0D,...)\n"
    "  esporta FILE         stampa il codice di Unequal dello schema di FILE\n"
    "\n"
    "  --help               questo aiuto; COMANDO --help: l'aiuto del comando\n"
    "  --version            la versione\n";

const char* AiutoTecniche =
    "  --tecniche K   le tecniche oltre ai singoli e ai segni, da 0 a 7 sommando:\n"
    "                 1 sottoinsiemi nudi, 2 Swordfish, 4 il livello maestro (sottoinsiemi\n"
    "                 nascosti, catene di segni, catene forzate)\n";

// The help of the commands that have no "--help" of their own; genera and libretto answer it.
std::string AiutoComando(const std::string& comando, const kelvaro::CartelleProgramma& cartelle) {
    if (comando == "verifica")
        return "Uso: kelvaro-cli verifica FILE...\n"
               "\n"
               "Carica ogni file di schema e ne stampa il riassunto: file, dimensione, dati,\n"
               "vincoli, check, livello, difficolta, risolto, soluzioni e, se la soluzione\n"
               "salvata non rispetta le regole, \"soluzione salvata: non valida, ignorata\";\n"
               "per un file che non si carica, una riga \"errore:\" che dice perché.\n"
               "\n"
               "Stato d'uscita: 0 se ogni file si è caricato, 1 altrimenti.\n";
    if (comando == "risolvi")
        return std::string(
                   "Uso: kelvaro-cli risolvi [--tecniche K] FILE\n"
                   "\n"
                   "Risolve lo schema e stampa ogni riga del log, una riga vuota, le N righe del\n"
                   "risultato e i contatori \"TecnicheUsate NumMultipli NumSwordfish\".\n"
                   "\n") +
               AiutoTecniche +
               "                 (3 se manca)\n"
               "\n"
               "Stato d'uscita: 0 se risolto, 1 se non risolto, 2 se il file non si carica.\n";
    if (comando == "aiuto")
        return std::string(
                   "Uso: kelvaro-cli aiuto FILE [--griglia CIFRE] [--tecniche K]\n"
                   "\n"
                   "Stampa il prossimo passo del risolutore dai dati dello schema o dalla\n"
                   "posizione data: \"passo:\" e il codice del passo (o \"errore\", \"nessuno\"),\n"
                   "poi le frasi del passo e le celle che decide, toglie e lo giustificano.\n"
                   "\n"
                   "  --griglia CIFRE  la posizione: N x N cifre riga per riga, 0 = cella vuota\n") +
               AiutoTecniche +
               "                 (7 se manca)\n"
               "\n"
               "Stato d'uscita: 0 per un passo, 1 per \"errore\" o \"nessuno\", 2 se il file non si\n"
               "carica o CIFRE non è una posizione.\n";
    if (comando == "importa")
        return "Uso: kelvaro-cli importa CODICE FILE\n"
               "\n"
               "Scrive in FILE lo schema descritto da CODICE, un codice di gioco di Unequal\n"
               "(la raccolta di Simon Tatham): \"N:C,C,...\", la dimensione N da 3 a 9, poi le\n"
               "N x N celle riga per riga, ognuna la sua cifra (0 = vuota) seguita dalle lettere\n"
               "dei segni di cui è il lato maggiore: U sopra, R a destra, D sotto, L a sinistra.\n"
               "Il file ha la soluzione e il CHECK, come lo scrive \"Salva\".\n"
               "\n"
               "Rifiuta, senza scrivere nulla, un codice malformato, uno della variante Adjacent\n"
               "(\"Na:...\") e uno con nessuna o più di una soluzione; non sovrascrive una\n"
               "cartella, un collegamento o un dispositivo.\n"
               "\n"
               "Stato d'uscita: 0 se il file è stato scritto, 1 se il codice è rifiutato o il\n"
               "file non si può scrivere, 2 per argomenti sbagliati.\n";
    if (comando == "esporta")
        return "Uso: kelvaro-cli esporta FILE\n"
               "\n"
               "Stampa il codice di gioco di Unequal dello schema di FILE (i dati e i segni),\n"
               "da incollare in Unequal o in \"kelvaro-cli importa\".\n"
               "\n"
               "Stato d'uscita: 0 se il codice è stato stampato, 1 se il file non si carica o\n"
               "la sua dimensione è fuori da 3..9, 2 per argomenti sbagliati.\n";
    if (comando == "pubblica")
        return "Uso: kelvaro-cli pubblica [--cartella DIR] [--principale] [--stringi]\n"
               "\n"
               "Pubblica come \"kelvaro /HTML\": ogni schema di DIR/schemixwebsite diventa una pagina\n"
               "in DIR/perwebsiteprove, con l'indice, secondo i modelli di DIR/Kelvaro.ini.\n"
               "\n"
               "  --cartella DIR  la cartella del programma da pubblicare\n"
               "  --principale    scrive anche DIR/perwebsite/Futoshiki.html\n"
               "  --stringi       prima compatta di nuovo template/schemaFutoshiki.js\n"
               "\n"
               "Stampa \"pagine:\", \"scartati:\" e \"indice:\". Stato d'uscita: 0 se tutto è stato\n"
               "pubblicato, 1 altrimenti.\n"
               "\n" +
               kelvaro::TestoCartellaProgramma(cartelle);
    if (comando == "stringi")
        return "Uso: kelvaro-cli stringi [--cartella DIR]\n"
               "\n"
               "Compatta DIR/template/schemaFutoshiki.js nello script delle pagine in\n"
               "DIR/perwebsiteprove.\n"
               "\n"
               "  --cartella DIR  la cartella del programma\n"
               "\n"
               "Stato d'uscita: 0 se lo script è stato scritto, 1 altrimenti.\n"
               "\n" +
               kelvaro::TestoCartellaProgramma(cartelle);
    return {};
}

bool ChiedeAiuto(int argc, char** argv) {
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvaro::cli;
    const std::map<std::string, std::function<int(const Argomenti&)>> comandi = {
        {"verifica", Verifica}, {"risolvi", Risolvi},   {"pubblica", Pubblica}, {"stringi", CompattaScript},
        {"genera", Genera},     {"libretto", Libretto}, {"aiuto", Aiuto},       {"importa", Importa},
        {"esporta", Esporta},
    };
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(Uso, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::fputs(kelvaro::TestoVersione("kelvaro-cli").c_str(), stdout);
        return 0;
    }
    const auto it = comandi.find(argv[1]);
    if (it == comandi.end()) {
        std::fprintf(stderr, "kelvaro-cli: comando sconosciuto '%s'\n\n%s", argv[1], Uso);
        return 2;
    }
    if (ChiedeAiuto(argc, argv))
        if (const std::string aiuto = AiutoComando(argv[1], kelvaro::CartelleDelProgramma());
            !aiuto.empty()) {
            std::fputs(aiuto.c_str(), stdout);
            return 0;
        }
    Argomenti args(argv + 2, argv + argc);
    return it->second(args);
}
