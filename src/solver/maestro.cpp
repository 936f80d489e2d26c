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

// The tier's entries of the technique table, simplest first: a subset seen from the digits' side,
// then the signs followed further, and only then a supposition. The grade asks for fewer of them
// (Risolutore::TecnicheMaestro).
bool CercaNascostiMaestro(Risoluzione& b, const Tavola& t) {
    return b.ris.TecnicheMaestro >= 1 && CercaNascosti(b, t);
}

bool CercaCatenaSegniMaestro(Risoluzione& b, const Tavola& t) {
    return b.ris.TecnicheMaestro >= 2 && CercaCatenaSegni(b, t, GrigliaDa(t), SegniDi(b.schema));
}

bool CercaCatenaForzataMaestro(Risoluzione& b, const Tavola& t) {
    return b.ris.TecnicheMaestro >= 3 && CercaCatenaForzata(b, t, GrigliaDa(t), SegniDi(b.schema));
}

}  // namespace kelvaro
