#include "solver/tecniche.h"

#include <array>
#include <bit>

namespace kelvaro {

namespace {

Maschera Minimo(Maschera m) {
    return m & static_cast<Maschera>(-m);
}
Maschera Massimo(Maschera m) {
    return m ? static_cast<Maschera>(1u << (std::bit_width(unsigned{m}) - 1)) : Maschera{0};
}

}  // namespace

Maschera EsclusiDaSegno(bool maggiore, Maschera prec, Maschera succ) {
    auto estremo = [maggiore](Maschera m) { return maggiore ? Minimo(m) : Massimo(m); };
    Maschera x;  // the bound, as one bit
    if (prec && succ) {
        const Maschera xa = estremo(prec), xb = estremo(succ);
        if (xa != xb) {
            x = maggiore ? (xa > xb ? xa : xb) : (xa < xb ? xa : xb);
        } else {
            const Maschera a2 = prec ^ xa, b2 = succ ^ xb;
            if (maggiore) {
                if (!a2 || !b2) return 0;
                const Maschera sa = Minimo(a2), sb = Minimo(b2);
                x = sa < sb ? sa : sb;
            } else {
                if (!a2 && !b2) return 0;
                const Maschera sa = Massimo(a2), sb = Massimo(b2);
                x = sa > sb ? sa : sb;
            }
        }
    } else if (prec || succ) {
        x = estremo(prec | succ);
    } else {
        return 0;
    }
    // Greater: the bound and every digit below it go; less: the bound and every digit above.
    return maggiore ? static_cast<Maschera>((x << 1) - 1) : static_cast<Maschera>(TutteLeCifre(9) & ~(x - 1));
}

bool VerificaMult(const Maschera* celle, int n, int k, Gruppo& g) {
    std::array<int, 9> aperte{};      // positions (0-based) of the undecided cells
    std::array<Maschera, 9> cifre{};  // and their candidates
    int na = 0;
    for (int i = 0; i < n; ++i)
        if (Indecisa(celle[i])) {
            aperte[na] = i;
            cifre[na++] = celle[i];
        }
    return PrimoInsiemeChiuso(cifre.data(), na, k, [&](const std::array<int, 4>& scelta, uint16_t u) {
        uint16_t gruppo = 0;
        for (int j = 0; j < k; ++j) gruppo |= static_cast<uint16_t>(1u << aperte[scelta[j]]);
        for (int p = 0; p < n; ++p)
            if (!(gruppo >> p & 1) && (celle[p] & u)) {
                g.Posizioni = gruppo;
                g.Cifre = u;
                return true;
            }
        return false;
    });
}

bool VerificaSwf(const uint16_t* pos, int n, CoppiaLinee& c) {
    for (int l1 = 0; l1 < n; ++l1) {
        if (ContaCifre(pos[l1]) != 2) continue;
        for (int l2 = l1 + 1; l2 < n; ++l2) {
            if (pos[l2] != pos[l1]) continue;
            for (int m = 0; m < n; ++m)
                if (m != l1 && m != l2 && (pos[m] & pos[l1])) {
                    c.Prima = l1;
                    c.Seconda = l2;
                    return true;
                }
        }
    }
    return false;
}

}  // namespace kelvaro
