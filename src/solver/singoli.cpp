// Singles: placing a value (givens, trials, singles) and the scans that find single values and
// contradictions in cells, columns and rows.
#include <bit>

#include "display/visualizza.h"
#include "solver/risolvi.h"

namespace kelvaro {

bool TogliCifra(std::string& candidati, char d) {
    const size_t p = candidati.find(d);
    if (p == std::string::npos) return false;
    candidati.erase(p, 1);
    return true;
}

void AggiornaUnico(Banco& b, const std::string& Frase, Tavola& t) {
    b.log.Aggiungi(Frase);
    const Passo& p = PassoInCorso(b);
    const int r = p.Riga, c = p.Colonna, n = b.schema.Sizesc;
    const std::string& v = p.Valore;
    ColoraCella(b, r, c, ColoreVerde);
    // An empty value strikes nothing (only a broken given could carry one).
    const Maschera via = v.empty() ? Maschera{0} : BitCifra(v[0] - '0');
    // Strikes v from one cell, with its sentence and its yellow mark.
    auto elimina = [&](int rr, int cc) {
        if (!(t.S[rr][cc] & via)) return;
        t.S[rr][cc] &= static_cast<Maschera>(~via);
        b.log.Aggiungi("Elimino " + v + " da " + DesCella(rr, cc));
        ColoraCella(b, rr, cc, ColoreGiallo);
    };
    for (int k = 1; k <= n; ++k)
        if (k != c) elimina(r, k);
    for (int k = 1; k <= n; ++k)
        if (k != r) elimina(k, c);
    if (r < 0 || r > DimMax + 1 || c < 0 || c > DimMax + 1) return;
    t.S[r][c] = MascheraDi(v);
    t.E[r][c] = v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? static_cast<uint8_t>(v[0] - '0') : 0;
}

void SegnalaErrE1(Banco& b, const std::string& Frase) {
    b.log.Aggiungi(Frase);
    const Passo& p = PassoInCorso(b);
    ColoraCella(b, p.Riga, p.Colonna, ColoreRosso);
}

bool CercaCelle(Banco& b, const Tavola& t) {
    const int n = t.n;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const Maschera m = t.S[r][c];
            if (m == 0) {
                Passo& p = RegistraPasso(b, "E1");
                p.Riga = r;
                p.Colonna = c;
                return true;
            }
            if (!Indecisa(m) && t.E[r][c] == 0) {
                Passo& p = RegistraPasso(b, "U");
                p.Riga = r;
                p.Colonna = c;
                p.Valore = CifreDi(m);
                return true;
            }
        }
    return false;
}

namespace {

// One line (a column when perColonna, else a row): the first digit, ascending, missing from it or
// fitting one cell that is not placed yet.
bool CercaLinea(Banco& b, const Tavola& t, int linea, bool perColonna) {
    const int n = t.n;
    auto cella = [&](int k) { return perColonna ? t.S[k][linea] : t.S[linea][k]; };
    Presenze pr;
    for (int k = 1; k <= n; ++k) Conta(pr, cella(k));
    Maschera vedere = TutteLeCifre(n) & static_cast<Maschera>(~pr.Due);  // missing or in one cell only
    while (vedere) {
        const Maschera bit = vedere & static_cast<Maschera>(-vedere);
        vedere ^= bit;
        const std::string v(1, static_cast<char>('1' + std::countr_zero(unsigned{bit})));
        if (!(pr.Una & bit)) {
            Passo& p = RegistraPasso(b, perColonna ? "EC" : "ER");
            p.Riga = perColonna ? 1 : linea;
            p.Colonna = perColonna ? linea : 1;
            p.Valore = v;
            return true;
        }
        int k = 1;
        while (!(cella(k) & bit)) ++k;
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

}  // namespace

bool CercaColonne(Banco& b, const Tavola& t) {
    for (int c = 1; c <= t.n; ++c)
        if (CercaLinea(b, t, c, true)) return true;
    return false;
}

bool CercaRighe(Banco& b, const Tavola& t) {
    for (int r = 1; r <= t.n; ++r)
        if (CercaLinea(b, t, r, false)) return true;
    return false;
}

}  // namespace kelvaro
