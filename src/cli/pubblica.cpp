// kelvaro-cli pubblica / stringi: the web publisher of a program directory, as "/HTML" runs it.
#include "web/pubblica.h"

#include <cstdio>
#include <filesystem>

#include "app/avvio.h"
#include "app/ini.h"
#include "app/programma.h"
#include "banco.h"
#include "cli/comandi.h"
#include "model/testo.h"
#include "web/stringi.h"

namespace kelvaro::cli {

namespace {

struct Opzioni {
    std::string cartella;
    bool principale = false;
    bool stringi = false;
};

// False (with a message) on an unknown option.
bool LeggiOpzioni(const Argomenti& args, bool perPubblica, Opzioni& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--cartella" && i + 1 < args.size()) {
            o.cartella = args[++i];
        } else if (perPubblica && a == "--principale") {
            o.principale = true;
        } else if (perPubblica && a == "--stringi") {
            o.stringi = true;
        } else {
            std::fprintf(stderr, "Opzione non riconosciuta: %s\n", a.c_str());
            return false;
        }
    }
    return true;
}

// The program directory: the one given, else the program's own (the user's folder for an
// installed program, made on first use); false when it does not exist.
bool PreparaBanco(const Opzioni& o, Banco& b) {
    std::string cartella = o.cartella;
    if (cartella.empty()) {
        std::string avviso;
        cartella = PreparaCartellaProgramma(avviso);
        if (!avviso.empty()) std::fprintf(stderr, "%s\n", TestoStampabile(avviso).c_str());
    }
    while (cartella.size() > 1 && cartella.back() == '/') cartella.pop_back();
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec)) {
        std::fprintf(stderr, "Cartella del programma non trovata: %s\n", TestoStampabile(cartella).c_str());
        return false;
    }
    b.CartellaProgramma = cartella;
    CaricamentoForm1(b);
    return true;
}

}  // namespace

int Pubblica(const Argomenti& args) {
    Opzioni o;
    if (!LeggiOpzioni(args, true, o)) {
        std::fprintf(stderr, "Uso: kelvaro-cli pubblica [--cartella DIR] [--principale] [--stringi]\n");
        return 2;
    }
    Banco b;
    if (!PreparaBanco(o, b)) return 1;
    if (!EsisteFile(PercorsoIni(b))) {
        std::fprintf(stderr, "File di configurazione non trovato: %s\n",
                     TestoStampabile(PercorsoIni(b)).c_str());
        return 1;
    }
    LeggiFileIni(b);

    bool tuttoBene = true;
    if (o.stringi) {
        if (!Stringi_Click(b)) return 1;
        std::printf("script: %s%s\n", TestoStampabile(CartellaSitoProva(b)).c_str(), FileScript);
    }
    const EsitoPubblicazione esito = GeneraSingolaPaginaSchema(b);
    if (!esito.Riuscita) return 1;
    std::printf("pagine: %d\n", esito.Pagine);
    std::printf("scartati: %d\n", esito.Scartati);
    std::printf("indice: %s\n", TestoStampabile(esito.Indice).c_str());
    if (esito.Scartati > 0) tuttoBene = false;
    if (o.principale) {
        std::string scritto;
        if (GeneraPaginaFutoshiki(b, &scritto))
            std::printf("pagina principale: %s\n", TestoStampabile(scritto).c_str());
        else
            tuttoBene = false;
    }
    // Last, so that the lines before keep their order.
    std::printf("pagine rimosse: %d\n", esito.Rimosse);
    std::fflush(stdout);
    return tuttoBene ? 0 : 1;
}

int CompattaScript(const Argomenti& args) {
    Opzioni o;
    if (!LeggiOpzioni(args, false, o)) {
        std::fprintf(stderr, "Uso: kelvaro-cli stringi [--cartella DIR]\n");
        return 2;
    }
    Banco b;
    if (!PreparaBanco(o, b)) return 1;
    if (!Stringi_Click(b)) return 1;
    std::printf("script: %s%s\n", TestoStampabile(CartellaSitoProva(b)).c_str(), FileScript);
    return 0;
}

}  // namespace kelvaro::cli
