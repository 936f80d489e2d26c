#include "web/stringi.h"

#include <filesystem>

#include "model/testo.h"
#include "web/pagine.h"

namespace kelvaro {

std::string CartellaModelli(const Banco& b) {
    return b.CartellaProgramma + "/template/";
}
std::string CartellaSchemiSito(const Banco& b) {
    return b.CartellaProgramma + "/schemixwebsite/";
}
std::string CartellaSitoProva(const Banco& b) {
    return b.CartellaProgramma + "/perwebsiteprove/";
}
std::string CartellaSito(const Banco& b) {
    return b.CartellaProgramma + "/perwebsite/";
}

std::string NomeBinario(const std::string& codice) {
    long n = ArrotondaPari(ValoreNumerico(codice.size() > 1 ? codice.substr(1) : ""));
    if (n < 0) n = -n;
    std::string cifre;
    while (n != 0) {
        cifre.insert(cifre.begin(), static_cast<char>('0' + n % 2));
        n /= 2;
    }
    const std::string pieno = "0000000" + cifre;
    return "a" + pieno.substr(pieno.size() - 6);
}

std::string DataInlettera(const std::string& data) {
    static const char* const mesi[12] = {" Gennaio ",   " Febbraio ", " Marzo ",    " Aprile ",
                                         " Maggio ",    " Giugno ",   " Luglio ",   " Agosto ",
                                         " Settembre ", " Ottobre ",  " Novembre ", " Dicembre "};
    std::string s = data;
    for (int m = 1; m <= 12; ++m) s = Sostituisci(s, "/" + Formatta0(m, 2) + "/", mesi[m - 1]);
    return s;
}

std::string DataAAMMGG(const std::string& data) {
    // dd/mm/yyyy
    if (data.size() < 10) return data;
    return data.substr(8, 2) + data.substr(3, 2) + data.substr(0, 2);
}

const std::vector<std::pair<std::string, std::string>>& IdentificatoriScript() {
    static const std::vector<std::pair<std::string, std::string>> tabella = [] {
        static const std::pair<const char*, int> nomi[] = {{"rinominaBottone", 1},
                                                           {"mostra", 2},
                                                           {"nascondi", 3},
                                                           {"undomosse", 4},
                                                           {"colora", 5},
                                                           {"modosetta", 6},
                                                           {"setta", 7},
                                                           {"recuperafoto", 8},
                                                           {"salvafoto", 18},
                                                           {"stato", 9},
                                                           {"ifoto", 10},
                                                           {"foto", 11},
                                                           {"imosse", 12},
                                                           {"calcolasoluzione", 13},
                                                           {"coloricelle", 14},
                                                           {"celle", 15},
                                                           {"tasti", 16},
                                                           {"stadio", 17},
                                                           {"nome", 19},
                                                           {"nomb", 20},
                                                           {"solution", 21},
                                                           {"chiediConferma", 22},
                                                           {"ancora", 23},
                                                           {"somma", 24},
                                                           {"storna", 25},
                                                           {"testo", 26},
                                                           {"clicm", 27},
                                                           {"geid", 28},
                                                           {"valoreprec", 29},
                                                           {"salvaval", 30},
                                                           {"aggiornalista", 31},
                                                           {"valoreatt", 32},
                                                           {"inizializzaschema", 33},
                                                           {"caricaschema", 34},
                                                           {"sxettadvmos", 35},
                                                           {"cxaricadvmos", 36},
                                                           {"eseguimxossa", 37},
                                                           {"cellascelta", 38},
                                                           {"posizioneTD", 39},
                                                           {"posizione", 40},
                                                           {"getPosX", 41},
                                                           {"getPosY", 42},
                                                           {"divhelp", 43},
                                                           {"pitturalog", 44},
                                                           {"nuovolog", 45},
                                                           {"chiudilog", 46},
                                                           {"visualizzalog", 47},
                                                           {"visualizzadettlog", 48},
                                                           {"inizializzavislog", 49}};
        std::vector<std::pair<std::string, std::string>> t;
        for (const auto& [nome, numero] : nomi) t.emplace_back(nome, NomeBinario("a" + Formatta0(numero, 2)));
        return t;
    }();
    return tabella;
}

std::string CompattaIdentificatori(const std::string& riga) {
    std::string s = riga;
    for (const auto& [nome, codice] : IdentificatoriScript()) s = Sostituisci(s, nome, codice);
    return s;
}

std::string CompilaModello(const Banco& b, const std::vector<std::string>& righe, bool PerRighe,
                           const std::string& Titolo) {
    const std::string data = DataInlettera(b.web.DataRiferimento);
    std::string out;
    std::string unaRiga;
    for (const std::string& originale : righe) {
        std::string riga = TogliSpazi(originale);
        if (riga == "<SCHEMA>" || riga == "|SCHEMA|") {
            riga.clear();
            for (const std::string& f : DividiRighe(b.web.Frammento)) riga += TogliSpazi(f) + "\r\n";
        }
        riga = Sostituisci(riga, "|TITOLO|", Titolo);
        riga = Sostituisci(riga, "<TITOLO>", Titolo);
        riga = Sostituisci(riga, "<IDSCHEMA>", b.web.IdSchema);
        riga = Sostituisci(riga, "|DATA|", data);
        riga = Sostituisci(riga, "<DATA>", data);
        riga = CompattaIdentificatori(riga);
        if (PerRighe) {
            if (riga.compare(0, 2, "//") == 0) continue;
            riga = TogliSpazi(Sostituisci(riga, "\t", ""));
            if (!riga.empty()) out += riga + "\r\n";
        } else {
            unaRiga += riga + " ";
        }
    }
    if (!PerRighe) out = unaRiga + "\r\n";
    return out;
}

bool Stringi(Banco& b, const std::string& FileModello, const std::string& FileUscita, bool PerRighe,
             const std::string& Titolo) {
    const std::string modello = CartellaModelli(b) + FileModello;
    std::string errore;
    const auto righe = LeggiModello(modello, errore);
    if (!righe) {
        b.finestre().Messaggio(errore, modello);
        return false;
    }
    std::error_code ec;
    const std::string cartella = CartellaSitoProva(b);
    if (!std::filesystem::is_directory(cartella, ec)) {
        b.finestre().Messaggio("Cartella di pubblicazione non trovata", cartella);
        return false;
    }
    const std::string uscita = cartella + FileUscita;
    if (!ScriviFileSicuro(uscita, CompilaModello(b, *righe, PerRighe, Titolo))) {
        b.finestre().Messaggio("Impossibile scrivere il file", uscita);
        return false;
    }
    return true;
}

bool Stringi_Click(Banco& b) {
    return Stringi(b, FileScript, FileScript, true, "");
}

}  // namespace kelvaro
