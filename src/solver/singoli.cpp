// Singles: placing a value (givens, trials, singles) and the scans that find single values and
// contradictions in cells, columns and rows.
#include <bit>

#include "solver/risolvi.h"

namespace kelvaro {

void PosaValore(const Passo& p, Tavola& t, EffettoPasso& e) {
    const int r = p.Riga, c = p.Colonna, n = t.n;
    const std::string& v = p.Valore;
    e.Posa = true;
    // An empty value strikes nothing (only a broken given could carry one).
    const Maschera via = v.empty() ? Maschera{0} : BitCifra(v[0] - '0');
    auto elimina = [&](int rr, int cc) {
        if (t.Togli(rr, cc, via)) e.Tolte.push_back({rr, cc, via});
    };
    for (int k = 1; k <= n; ++k)
        if (k != c) elimina(r, k);
    for (int k = 1; k <= n; ++k)
        if (k != r) elimina(k, c);
    t.Imposta(r, c, MascheraDi(v),
              v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? static_cast<uint8_t>(v[0] - '0') : 0);
}

void EseguiSingolo(const Passo& p, Tavola& t, EffettoPasso& e) {
    if (p.Codice == "E1" || p.Codice == "ER" || p.Codice == "EC")
        e.Contraddizione = true;
    else
        PosaValore(p, t, e);
}

bool CercaCelle(Risoluzione& b, const Tavola& t) {
    const int n = t.n;
    const uint16_t dentro = static_cast<uint16_t>(TutteLeCifre(n) << 1);
    for (int r = 1; r <= n; ++r) {
        const uint16_t pronte = t.Pronte[r] & dentro;
        if (!pronte) continue;
        const int c = std::countr_zero(unsigned{pronte});
        const Maschera m = t.S[r][c];
        Passo& p = RegistraPasso(b, m == 0 ? "E1" : "U");
        p.Riga = r;
        p.Colonna = c;
        if (m != 0) p.Valore = CifreDi(m);
        return true;
    }
    return false;
}

namespace {

// One line (a column when perColonna, else a row): the first digit, ascending, missing from it or
// fitting one cell that is not placed yet.
bool CercaLinea(Risoluzione& b, const Tavola& t, int linea, bool perColonna) {
    const int l = perColonna ? Tavola::Colonna(linea) : linea;
    const Maschera una = t.Una[l], tutte = TutteLeCifre(t.n);
    // The table keeps the line's counts as its cells change. A digit placed in the line is in its
    // own cell only: nothing to find there (tables read from text may not say so).
    const Presenze p{una, t.Due[l], t.Coerente ? static_cast<Maschera>(una & t.Posti[l]) : Maschera{0}};
    Maschera vedere = Mancanti(p, tutte) | (tutte & SingoliNascosti(p));
    while (vedere) {
        const Maschera bit = MinimoDi(vedere);
        vedere ^= bit;
        const std::string v(1, static_cast<char>('1' + std::countr_zero(unsigned{bit})));
        if (!(una & bit)) {
            Passo& p = RegistraPasso(b, perColonna ? "EC" : "ER");
            p.Riga = perColonna ? 1 : linea;
            p.Colonna = perColonna ? linea : 1;
            p.Valore = v;
            return true;
        }
        int k = 1;
        while (!((perColonna ? t.S[k][linea] : t.S[linea][k]) & bit)) ++k;
        const int r = perColonna ? k : linea;
        const int c = perColonna ? linea : k;
        if (t.E[r][c] == 0) {
            Passo& p = RegistraPasso(b, perColonna ? "C" : "R");
            p.Riga = r;
            p.Colonna = c;
            p.Valore = v;
            return true;
        }
    }
    return false;
}

bool CercaLinee(Risoluzione& b, const Tavola& t, bool perColonna) {
    for (int l = 1; l <= t.n; ++l)
        if (CercaLinea(b, t, l, perColonna)) return true;
    return false;
}

}  // namespace

bool CercaColonne(Risoluzione& b, const Tavola& t) {
    return CercaLinee(b, t, true);
}

bool CercaRighe(Risoluzione& b, const Tavola& t) {
    return CercaLinee(b, t, false);
}

}  // namespace kelvaro
