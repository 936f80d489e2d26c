// The master tier's detection order and the carrying out of its steps.
#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

std::string CoppiaCella(int cella, int n) {
    return {static_cast<char>('1' + cella / n), static_cast<char>('1' + cella % n)};
}

GrigliaBit GrigliaDa(const Tavola& t) {
    GrigliaBit g;
    g.n = t.n;
    for (int r = 1; r <= t.n; ++r)
        for (int c = 1; c <= t.n; ++c) g.S[(r - 1) * t.n + c - 1] = t.S[r][c];
    return g;
}

CoppieDiSegni SegniDi(const Schema& s) {
    const auto letto = SchemaBitDa(s);
    return letto ? CoppieSegni(letto->schema) : CoppieDiSegni{};
}

bool CercaMaestro(Banco& b, const Tavola& t) {
    // The simplest first: a subset seen from the digits' side, then the signs followed further,
    // and only then a supposition.
    const int quante = b.ris.TecnicheMaestro;
    if (quante >= 1 && CercaNascosti(b, t)) return true;
    if (quante < 2) return false;
    const GrigliaBit g = GrigliaDa(t);
    const CoppieDiSegni segni = SegniDi(b.schema);
    if (CercaCatenaSegni(b, t, g, segni)) return true;
    return quante >= 3 && CercaCatenaForzata(b, t, g, segni);
}

bool CodiceMaestro(const std::string& codice) {
    return codice == "NR" || codice == "NC" || codice == "CS" || codice == "CF";
}

void AggiornaMaestro(Banco& b, Tavola& t) {
    const std::string& c = PassoInCorso(b).Codice;
    if (c == "NR" || c == "NC")
        AggiornaNascosti(b, t);
    else if (c == "CS")
        AggiornaCatenaSegni(b, t);
    else if (c == "CF")
        AggiornaCatenaForzata(b, t);
}

}  // namespace kelvaro
