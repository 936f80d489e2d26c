// The published pages' side of the core: the hint, the rule check and the solution behind three
// C functions for the WebAssembly module. The page hands over the schema and the player's grid
// as one text and reads back lines; it holds no solver and no rule of its own.
#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <string>

#include "rules/richiesta_regole.h"
#include "solver/contatore.h"
#include "solver/suggerimento.h"

namespace {

// The one solution of "N|givens|signs", by the exact counter: "soluzione: " and its N x N
// digits, or "soluzioni: 0" / "soluzioni: 2+" (the page then judges by the rules alone).
std::string RispondiSoluzione(const std::string& richiesta) {
    const auto p = kelvaro::LeggiPosizioneRichiesta(richiesta);
    if (!p) return "errore: Richiesta non valida\n";
    const auto letto = kelvaro::SchemaBitDa(p->schema);
    if (!letto || !letto->DatiValidi) return "soluzioni: 0\n";
    std::array<uint8_t, kelvaro::CelleMax> celle{};
    const int trovate = kelvaro::ContaSoluzioni(letto->schema, 2, &celle);
    if (trovate != 1) return trovate == 0 ? "soluzioni: 0\n" : "soluzioni: 2+\n";
    std::string out = "soluzione: ";
    const int n = p->schema.Sizesc;
    for (int k = 0; k < n * n; ++k) out += static_cast<char>('0' + celle[k]);
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

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_soluzione(const char* richiesta) {
    return Rispondi(RispondiSoluzione(richiesta ? richiesta : ""));
}
