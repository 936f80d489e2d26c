// The published pages' side of the core: the hint, the rule check, the valid notes, the solution,
// the puzzle codes and the generator of "Nuovo schema" behind C functions for the WebAssembly
// module. The page hands over the schema and the player's grid as one text and reads back lines;
// it holds no solver and no rule of its own.
#include <emscripten/emscripten.h>

#include <string>

#include "files/codice_pagina.h"
#include "rules/richiesta_regole.h"
#include "solver/suggerimento.h"
#include "web/genera_pagina.h"

namespace {

// The one solution of "N|givens|signs", by the exact counter: "soluzione: " and its N x N
// digits, or "soluzioni: 0" / "soluzioni: 2+" (the page then judges by the rules alone).
std::string RispondiSoluzione(const std::string& richiesta) {
    const auto p = kelvaro::LeggiPosizioneRichiesta(richiesta);
    if (!p) return "errore: Richiesta non valida\n";
    kelvaro::Cifre sol{};
    const int trovate = kelvaro::SoluzioneUnica(p->schema, sol);
    if (trovate != 1) return trovate == 0 ? "soluzioni: 0\n" : "soluzioni: 2+\n";
    std::string out = "soluzione: ";
    const int n = p->schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) out += static_cast<char>('0' + sol[r][c]);
    return out + "\n";
}

const char* Rispondi(std::string testo) {
    static std::string risposta;
    risposta = std::move(testo);
    return risposta.c_str();
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_aiuto(const char* richiesta) {
    return Rispondi(kelvaro::RispondiRichiesta(richiesta ? richiesta : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_regole(const char* richiesta) {
    return Rispondi(kelvaro::RispondiRegole(richiesta ? richiesta : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_valide(const char* richiesta) {
    return Rispondi(kelvaro::RispondiValide(richiesta ? richiesta : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_soluzione(const char* richiesta) {
    return Rispondi(RispondiSoluzione(richiesta ? richiesta : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_leggi_codice(const char* codice) {
    return Rispondi(kelvaro::RispondiLeggiCodice(codice ? codice : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_scrivi_codice(const char* richiesta) {
    return Rispondi(kelvaro::RispondiScriviCodice(richiesta ? richiesta : ""));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_genera(const char* richiesta) {
    return Rispondi(kelvaro::RispondiGenera(richiesta ? richiesta : ""));
}
