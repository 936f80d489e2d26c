// Inequality signs: a cell greater (less) than its neighbours along a line loses the digits that
// cannot exceed (stay below) them.
#include <algorithm>
#include <bit>

#include "display/visualizza.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// Character k (1-based) of a candidate string, 0 when missing; cells outside 1..9 read as empty.
char Carattere(const Tabella& tblS, int r, int c, int k) {
    if (r < 0 || r > 9 || c < 0 || c > 9) return 0;
    const std::string& s = tblS[r][c];
    return (k >= 1 && k <= static_cast<int>(s.size())) ? s[k - 1] : 0;
}

int Lunghezza(const Tabella& tblS, int r, int c) {
    if (r < 0 || r > 9 || c < 0 || c > 9) return 0;
    return static_cast<int>(tblS[r][c].size());
}

void RegistraSegno(Banco& b, const char* codice, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                   const std::string& E) {
    Passo& ps = RegistraPasso(b, codice);
    ps.Riga = r;
    ps.Colonna = c;
    ps.Valore = E;
    ps.RigaP = p != 0 ? rp : 0;
    ps.ColonnaP = p != 0 ? cp : 0;
    ps.RigaS = s != 0 ? rs : 0;
    ps.ColonnaS = s != 0 ? cs : 0;
}

// The bound X is kept as a string, as the comparisons of the technique are text comparisons in
// which "" is smaller than every digit.
std::string Testo(char ch) {
    return ch ? std::string(1, ch) : std::string();
}

}  // namespace

bool VerificaMaggiore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tabella& tblS) {
    std::string X;
    if (p != 0) X = Testo(Carattere(tblS, rp, cp, 1));
    if (s != 0) X += Testo(Carattere(tblS, rs, cs, 1));
    if (X.size() == 2) {
        if (X[0] != X[1]) {
            X = std::string(1, std::max(X[0], X[1]));
        } else {
            // Equal minima: only one neighbour can take it, so the bound is the smaller second
            // candidate; a neighbour without one leaves no bound.
            X = Testo(Carattere(tblS, rp, cp, 2)) + Testo(Carattere(tblS, rs, cs, 2));
            const std::string primo = X.substr(0, 1), secondo = X.size() > 1 ? X.substr(1, 1) : "";
            X = secondo < primo ? X.substr(1) : primo;
        }
    }
    std::string E;
    if (!X.empty())
        for (char d : tblS[r][c])
            if (d <= X[0]) E += d;
    if (E.empty()) return false;
    RegistraSegno(b, "MAG", r, c, rp, cp, rs, cs, p, s, E);
    return true;
}

bool VerificaMinore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tabella& tblS) {
    std::string X;
    if (p != 0) X = Testo(Carattere(tblS, rp, cp, Lunghezza(tblS, rp, cp)));
    if (s != 0) X += Testo(Carattere(tblS, rs, cs, Lunghezza(tblS, rs, cs)));
    if (X.size() == 2) {
        if (X[0] != X[1]) {
            X = std::string(1, std::min(X[0], X[1]));
        } else {
            X = Testo(Carattere(tblS, rp, cp, Lunghezza(tblS, rp, cp) - 1)) +
                Testo(Carattere(tblS, rs, cs, Lunghezza(tblS, rs, cs) - 1));
            const std::string primo = X.substr(0, 1), secondo = X.size() > 1 ? X.substr(1, 1) : "";
            X = secondo > primo ? X.substr(1) : primo;
        }
    }
    std::string E;
    if (!X.empty())
        for (char d : tblS[r][c])
            if (d >= X[0]) E += d;
    if (E.empty()) return false;
    RegistraSegno(b, "MIN", r, c, rp, cp, rs, cs, p, s, E);
    return true;
}

namespace {

void AggiornaSegno(Banco& b, Tabella& tblS, const char* relazione) {
    const Passo& ps = PassoInCorso(b);
    const int riga = b.log.Riserva();
    const std::string cella = DesCella(ps.Riga, ps.Colonna);
    std::string F;
    if (ps.RigaP != 0) {
        F = cella + relazione + DesCella(ps.RigaP, ps.ColonnaP);
        ColoraCella(b, ps.RigaP, ps.ColonnaP, ColoreVerde);
    }
    if (ps.RigaS != 0) {
        if (!F.empty()) F += " ";
        F += cella + relazione + DesCella(ps.RigaS, ps.ColonnaS);
        ColoraCella(b, ps.RigaS, ps.ColonnaS, ColoreVerde);
    }
    b.log.Scrivi(riga, F);
    ColoraCella(b, ps.Riga, ps.Colonna, ColoreGiallo);
    b.log.Aggiungi("Elimino " + ps.Valore + " da " + cella);
    std::string& cand = tblS[ps.Riga][ps.Colonna];
    for (char d : ps.Valore) TogliCifra(cand, d);
}

}  // namespace

void AggiornaMaggiore(Banco& b, Tabella& tblS) {
    AggiornaSegno(b, tblS, " deve essere maggiore di ");
}

void AggiornaMinore(Banco& b, Tabella& tblS) {
    AggiornaSegno(b, tblS, " deve essere minore di ");
}

namespace {

int Minima(uint16_t m) {
    return std::countr_zero(unsigned{m});
}
int Massima(uint16_t m) {
    return std::bit_width(unsigned{m}) - 1;
}

// Whether VerificaMaggiore (maggiore) or VerificaMinore would record a step, read on the masks:
// the same bound, the smallest (largest) candidates of the neighbours, their second ones when the
// two coincide. Only for cells inside the grid with regular strings; elsewhere the caller asks
// the string procedure itself.
bool TogliePerSegno(const MappaCandidati& m, bool maggiore, int r, int c, int rp, int cp, int rs, int cs,
                    int p, int s) {
    const uint16_t cella = m.Cifre[r][c];
    const uint16_t a = p ? m.Cifre[rp][cp] : 0, bb = s ? m.Cifre[rs][cs] : 0;
    int X;
    if (a && bb) {
        const int xa = maggiore ? Minima(a) : Massima(a), xb = maggiore ? Minima(bb) : Massima(bb);
        if (xa != xb) {
            X = maggiore ? std::max(xa, xb) : std::min(xa, xb);
        } else {
            const uint16_t a2 = a & static_cast<uint16_t>(~(1u << xa)),
                           b2 = bb & static_cast<uint16_t>(~(1u << xb));
            if (maggiore) {
                // Both need a second candidate, else no bound.
                if (!a2 || !b2) return false;
                X = std::min(Minima(a2), Minima(b2));
            } else {
                // The greater of the second-largest that exist.
                if (!a2 && !b2) return false;
                X = std::max(a2 ? Massima(a2) : 0, b2 ? Massima(b2) : 0);
            }
        }
    } else if (a || bb) {
        const uint16_t v = a ? a : bb;
        X = maggiore ? Minima(v) : Massima(v);
    } else {
        return false;
    }
    const uint16_t colpite =
        maggiore ? static_cast<uint16_t>((2u << X) - 1) : static_cast<uint16_t>(~((1u << X) - 1));
    return (cella & colpite) != 0;
}

bool DentroGriglia(int n, int r, int c) {
    return r >= 1 && r <= n && c >= 1 && c <= n;
}

}  // namespace

bool CercaSegni(Banco& b, const Tabella& tblS) {
    return CercaSegni(b, tblS, MappaCandidati(tblS, b.schema.Sizesc));
}

bool CercaSegni(Banco& b, const Tabella& tblS, const MappaCandidati& m) {
    const int n = b.schema.Sizesc;
    // A flag whose neighbour lies outside the grid, or an irregular string, goes to the string
    // procedures, which read such cells as the design says.
    auto prova = [&](bool maggiore, int r, int c, int rp, int cp, int rs, int cs, int p, int s) {
        const bool sicuro =
            m.Regolare && (!p || DentroGriglia(n, rp, cp)) && (!s || DentroGriglia(n, rs, cs));
        if (sicuro && !TogliePerSegno(m, maggiore, r, c, rp, cp, rs, cs, p, s)) return false;
        return maggiore ? VerificaMaggiore(b, r, c, rp, cp, rs, cs, p, s, tblS)
                        : VerificaMinore(b, r, c, rp, cp, rs, cs, p, s, tblS);
    };
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const SegniCella& sg = b.schema.tblSegni[r][c];
            if ((sg.MagSin || sg.MagDes) && prova(true, r, c, r, c - 1, r, c + 1, sg.MagSin, sg.MagDes))
                return true;
            if ((sg.MinSin || sg.MinDes) && prova(false, r, c, r, c - 1, r, c + 1, sg.MinSin, sg.MinDes))
                return true;
            if ((sg.MagSu || sg.MagGiu) && prova(true, r, c, r - 1, c, r + 1, c, sg.MagSu, sg.MagGiu))
                return true;
            if ((sg.MinSu || sg.MinGiu) && prova(false, r, c, r - 1, c, r + 1, c, sg.MinSu, sg.MinGiu))
                return true;
        }
    return false;
}

}  // namespace kelvaro
