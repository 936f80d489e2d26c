#include "app/versione.h"

#ifndef KELVARO_VERSIONE
#define KELVARO_VERSIONE "sviluppo"
#endif

namespace kelvaro {

const char* VersioneKelvaro() {
    return KELVARO_VERSIONE;
}

std::string TestoVersione(const std::string& programma) {
    return programma + " " + VersioneKelvaro() +
           "\n"
           "Kelvaro, banco di lavoro per gli schemi Futoshiki.\n";
}

std::string TestoCartellaProgramma(const CartelleProgramma& cartelle) {
    std::string t = "Cartella del programma: " + cartelle.Lavoro + "\n";
    if (cartelle.DellUtente())
        t +=
            "  (la cartella dell'utente, creata al primo avvio con i file di " + cartelle.Predefiniti + ")\n";
    return t;
}

std::string TestoAiutoKelvaro(const CartelleProgramma& cartelle) {
    return "Uso: kelvaro [FILE]\n"
           "     kelvaro /HTML\n"
           "     kelvaro /prod\n"
           "\n"
           "Il banco di lavoro per gli schemi Futoshiki: apre, risolve spiegando ogni passo,\n"
           "stampa e pubblica gli schemi, e ne produce di nuovi.\n"
           "\n"
           "  senza argomenti  apre la finestra principale\n"
           "  FILE             apre la finestra con lo schema FILE (.txt o .xml)\n"
           "  /HTML            pubblica gli schemi di schemixwebsite/ come pagine web in\n"
           "                   perwebsiteprove/, senza finestre e senza schermo\n"
           "  /prod            produce schemi secondo le regole di Kelvaro.ini\n"
           "  --help           mostra questo aiuto ed esce\n"
           "  --version        mostra la versione ed esce\n"
           "\n"
           "/HTML e /prod leggono Kelvaro.ini nella cartella del programma; se manca\n"
           "finiscono subito senza scrivere nulla. Ogni altro argomento apre la finestra.\n"
           "\n" +
           TestoCartellaProgramma(cartelle) + "\nIl compagno a riga di comando: kelvaro-cli --help\n";
}

}  // namespace kelvaro
