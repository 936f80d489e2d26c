#include "solver/tecniche.h"

#include <array>
#include <bit>

namespace kelvaro {

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
