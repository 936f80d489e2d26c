// Inequality signs: a cell greater (less) than its neighbours along a line loses the digits that
// cannot exceed (stay below) them.
#include <bit>

#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// A neighbour's candidates; a cell outside the tables reads as empty.
Maschera Vicino(const Tavola& t, int r, int c) {
    if (r < 0 || r > DimMax + 1 || c < 0 || c > DimMax + 1) return 0;
    return t.S[r][c];
}

bool VerificaSegno(Risoluzione& b, bool maggiore, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                   const Tavola& t) {
    const Maschera prec = p != 0 ? Vicino(t, rp, cp) : Maschera{0};
    const Maschera succ = s != 0 ? Vicino(t, rs, cs) : Maschera{0};
    const Maschera via = Vicino(t, r, c) & EsclusiDaSegno(maggiore, prec, succ);
    if (!via) return false;
    Passo& ps = RegistraPasso(b, maggiore ? "MAG" : "MIN");
    ps.Riga = r;
    ps.Colonna = c;
    ps.Valore = CifreDi(via);
    ps.RigaP = p != 0 ? rp : 0;
    ps.ColonnaP = p != 0 ? cp : 0;
    ps.RigaS = s != 0 ? rs : 0;
    ps.ColonnaS = s != 0 ? cs : 0;
    return true;
}

}  // namespace

bool VerificaMaggiore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tavola& t) {
    return VerificaSegno(b, true, r, c, rp, cp, rs, cs, p, s, t);
}

bool VerificaMinore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tavola& t) {
    return VerificaSegno(b, false, r, c, rp, cp, rs, cs, p, s, t);
}

void EseguiSegno(const Passo& ps, Tavola& t, EffettoPasso& e) {
    if (ps.RigaP != 0) e.Giustifica(ps.RigaP, ps.ColonnaP);
    if (ps.RigaS != 0) e.Giustifica(ps.RigaS, ps.ColonnaS);
    // The sentence strikes the digits the search found, whatever the cell holds by now.
    const Maschera via = MascheraDi(ps.Valore);
    e.Tolte.push_back({ps.Riga, ps.Colonna, via});
    t.Togli(ps.Riga, ps.Colonna, via);
}

bool CercaSegni(Risoluzione& b, const Tavola& t) {
    const int n = t.n;
    Quiete& q = t.quiete;
    if (!q.SegniLetti) {
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const SegniCella& sg = b.schema.tblSegni[r][c];
                if (sg.MagSin || sg.MagDes || sg.MinSin || sg.MinDes || sg.MagSu || sg.MagGiu || sg.MinSu ||
                    sg.MinGiu)
                    q.ConSegni[r] |= static_cast<uint16_t>(1u << c);
            }
        q.SegniLetti = true;
    }
    for (int r = 1; r <= n; ++r)
        for (uint16_t daVedere = q.ConSegni[r] & static_cast<uint16_t>(~q.Segni[r]); daVedere;
             daVedere &= static_cast<uint16_t>(daVedere - 1)) {
            const int c = std::countr_zero(unsigned{daVedere});
            const uint16_t bit = static_cast<uint16_t>(1u << c);
            const SegniCella& sg = b.schema.tblSegni[r][c];
            if ((sg.MagSin || sg.MagDes) &&
                VerificaSegno(b, true, r, c, r, c - 1, r, c + 1, sg.MagSin, sg.MagDes, t))
                return true;
            if ((sg.MinSin || sg.MinDes) &&
                VerificaSegno(b, false, r, c, r, c - 1, r, c + 1, sg.MinSin, sg.MinDes, t))
                return true;
            if ((sg.MagSu || sg.MagGiu) &&
                VerificaSegno(b, true, r, c, r - 1, c, r + 1, c, sg.MagSu, sg.MagGiu, t))
                return true;
            if ((sg.MinSu || sg.MinGiu) &&
                VerificaSegno(b, false, r, c, r - 1, c, r + 1, c, sg.MinSu, sg.MinGiu, t))
                return true;
            t.quiete.Segni[r] |= bit;
        }
    return false;
}

}  // namespace kelvaro
