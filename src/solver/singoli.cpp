// Singles: placing a value (givens, trials, singles) and the scans that find single values and
// contradictions in cells, columns and rows.
#include <bit>

#include "display/visualizza.h"
#include "solver/maschere.h"
#include "solver/risolvi.h"

namespace kelvaro {

bool TogliCifra(std::string& candidati, char d) {
    const size_t p = candidati.find(d);
    if (p == std::string::npos) return false;
    candidati.erase(p, 1);
    return true;
}

namespace {

// Strikes v from one cell, with its sentence and its yellow mark.
void Elimina(Banco& b, Tabella& tblS, int r, int c, const std::string& v) {
    // An empty value matches nothing (only a broken given could carry one).
    if (v.empty() || !TogliCifra(tblS[r][c], v[0])) return;
    b.log.Aggiungi("Elimino " + v + " da " + DesCella(r, c));
    ColoraCella(b, r, c, ColoreGiallo);
}

}  // namespace

void AggiornaUnico(Banco& b, const std::string& Frase, Tabella& tblS, Tabella& tblE) {
    b.log.Aggiungi(Frase);
    const Passo& p = PassoInCorso(b);
    const int r = p.Riga, c = p.Colonna, n = b.schema.Sizesc;
    const std::string v = p.Valore;
    ColoraCella(b, r, c, ColoreVerde);
    for (int k = 1; k <= n; ++k)
        if (k != c) Elimina(b, tblS, r, k, v);
    for (int k = 1; k <= n; ++k)
        if (k != r) Elimina(b, tblS, k, c, v);
    tblS[r][c] = v;
    tblE[r][c] = v;
}

void SegnalaErrE1(Banco& b, const std::string& Frase) {
    b.log.Aggiungi(Frase);
    const Passo& p = PassoInCorso(b);
    ColoraCella(b, p.Riga, p.Colonna, ColoreRosso);
}

bool CercaCelle(Banco& b, const Tabella& tblS, const Tabella& tblE) {
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (tblS[r][c].empty()) {
                Passo& p = RegistraPasso(b, "E1");
                p.Riga = r;
                p.Colonna = c;
                return true;
            }
            if (tblS[r][c].size() == 1 && tblE[r][c].empty()) {
                Passo& p = RegistraPasso(b, "U");
                p.Riga = r;
                p.Colonna = c;
                p.Valore = tblS[r][c];
                return true;
            }
        }
    return false;
}

namespace {

// One line (a column when perColonna, else a row): the first digit, ascending, missing from it or
// fitting one cell that is not placed yet.
bool CercaLinea(Banco& b, const MappaCandidati& m, const Tabella& tblE, int linea, bool perColonna) {
    const int n = b.schema.Sizesc;
    uint16_t una = 0, due = 0;
    for (int k = 1; k <= n; ++k) {
        const uint16_t mk = perColonna ? m.Cifre[k][linea] : m.Cifre[linea][k];
        due |= una & mk;
        una |= mk;
    }
    const uint16_t tutte = CifreFinoA(n);
    uint16_t vedere = tutte & static_cast<uint16_t>(~due);  // missing or in one cell only
    while (vedere) {
        const int d = std::countr_zero(unsigned{vedere});
        const uint16_t bit = static_cast<uint16_t>(1u << d);
        vedere ^= bit;
        const std::string v(1, static_cast<char>('0' + d));
        if (!(una & bit)) {
            Passo& p = RegistraPasso(b, perColonna ? "EC" : "ER");
            p.Riga = perColonna ? 1 : linea;
            p.Colonna = perColonna ? linea : 1;
            p.Valore = v;
            return true;
        }
        int k = 1;
        while (!((perColonna ? m.Cifre[k][linea] : m.Cifre[linea][k]) & bit)) ++k;
        const int r = perColonna ? k : linea;
        const int c = perColonna ? linea : k;
        if (tblE[r][c].empty()) {
            Passo& p = RegistraPasso(b, perColonna ? "C" : "R");
            p.Riga = r;
            p.Colonna = c;
            p.Valore = v;
            return true;
        }
    }
    return false;
}

}  // namespace

bool CercaColonne(Banco& b, const MappaCandidati& m, const Tabella& tblE) {
    for (int c = 1; c <= b.schema.Sizesc; ++c)
        if (CercaLinea(b, m, tblE, c, true)) return true;
    return false;
}

bool CercaRighe(Banco& b, const MappaCandidati& m, const Tabella& tblE) {
    for (int r = 1; r <= b.schema.Sizesc; ++r)
        if (CercaLinea(b, m, tblE, r, false)) return true;
    return false;
}

bool CercaColonne(Banco& b, const Tabella& tblS, const Tabella& tblE) {
    return CercaColonne(b, MappaCandidati(tblS, b.schema.Sizesc), tblE);
}

bool CercaRighe(Banco& b, const Tabella& tblS, const Tabella& tblE) {
    return CercaRighe(b, MappaCandidati(tblS, b.schema.Sizesc), tblE);
}

}  // namespace kelvaro
