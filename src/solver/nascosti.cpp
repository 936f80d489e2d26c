// Hidden subsets: k digits of a line that only k of its cells can hold fill those cells, which
// lose every other candidate.
#include <bit>

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

bool VerificaNascosti(const Maschera* celle, int n, int k, Gruppo& g) {
    // Per digit, its places among the line's undecided cells; a digit some cell has decided is out.
    std::array<uint16_t, DimMax> posti{};
    std::array<int, DimMax> cifre{};
    int nc = 0;
    Maschera decise = 0;
    for (int i = 0; i < n; ++i)
        if (!Indecisa(celle[i])) decise |= celle[i];
    for (int d = 0; d < n; ++d) {
        if (decise >> d & 1) continue;
        for (int i = 0; i < n; ++i)
            if (Indecisa(celle[i]) && (celle[i] >> d & 1)) posti[d] |= static_cast<uint16_t>(1u << i);
        const int quanti = std::popcount(unsigned{posti[d]});
        if (quanti >= 2 && quanti <= k) cifre[nc++] = d;
    }
    std::array<uint16_t, DimMax> luoghi{};  // the places of cifre[i]
    for (int i = 0; i < nc; ++i) luoghi[i] = posti[cifre[i]];
    return PrimoInsiemeChiuso(luoghi.data(), nc, k, [&](const std::array<int, 4>& scelta, uint16_t u) {
        Maschera insieme = 0;
        for (int j = 0; j < k; ++j) insieme |= static_cast<Maschera>(1u << cifre[scelta[j]]);
        for (int p = 0; p < n; ++p)
            if ((u >> p & 1) && (celle[p] & static_cast<Maschera>(~insieme))) {
                g.Posizioni = u;
                g.Cifre = insieme;
                return true;
            }
        return false;
    });
}

bool CercaNascosti(Risoluzione& b, const Tavola& t) {
    const int n = t.n;
    for (int k = 2; k <= 4; ++k)
        for (int tipo = 0; tipo < 2; ++tipo) {
            const bool riga = tipo == 1;  // columns first, as for naked subsets
            for (int linea = 1; linea <= n; ++linea) {
                std::array<Maschera, DimMax> celle{};
                for (int i = 1; i <= n; ++i) celle[i - 1] = riga ? t.S[linea][i] : t.S[i][linea];
                Gruppo g;
                if (!VerificaNascosti(celle.data(), n, k, g)) continue;
                std::string gruppo, eliminazioni;
                for (int p = 1; p <= n; ++p) {
                    if (!(g.Posizioni >> (p - 1) & 1)) continue;
                    gruppo += static_cast<char>('0' + p);
                    const Maschera altre = celle[p - 1] & static_cast<Maschera>(~g.Cifre);
                    for (Maschera via = altre; via; via &= static_cast<Maschera>(via - 1)) {
                        eliminazioni += static_cast<char>('0' + (riga ? linea : p));
                        eliminazioni += static_cast<char>('0' + (riga ? p : linea));
                        eliminazioni += static_cast<char>('1' + std::countr_zero(unsigned{via}));
                    }
                }
                Passo& ps = RegistraPasso(b, riga ? "NR" : "NC");
                ps.Riga = riga ? linea : 0;
                ps.Colonna = riga ? 0 : linea;
                ps.Gruppo = gruppo;
                ps.Elenco = CifreDi(g.Cifre);
                ps.Eliminazioni = eliminazioni;
                b.ris.NumMaestro[MaestroNascosti] += 1;
                return true;
            }
        }
    return false;
}

}  // namespace kelvaro
