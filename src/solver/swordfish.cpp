// Swordfish: for one number, two lines in which its undecided places are the same two positions
// strike it from those positions in every other line.
#include <bit>

#include "solver/risolvi.h"

namespace kelvaro {

bool CercaSwordfish(Risoluzione& b, const Tavola& t) {
    const int n = t.n;
    const Maschera tutte = TutteLeCifre(n);
    if ((t.quiete.Swordfish[0] & t.quiete.Swordfish[1] & tutte) == tutte) return false;
    // Per digit and line (columns, then rows), the positions of its undecided cells that hold it.
    std::array<std::array<std::array<uint16_t, DimMax>, DimMax>, 2> posizioni{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const Maschera m = t.S[r][c];
            if (!Indecisa(m)) continue;
            for (Maschera resto = m & tutte; resto; resto &= static_cast<Maschera>(resto - 1)) {
                const int d = std::countr_zero(unsigned{resto});
                posizioni[0][d][c - 1] |= static_cast<uint16_t>(1u << (r - 1));
                posizioni[1][d][r - 1] |= static_cast<uint16_t>(1u << (c - 1));
            }
        }
    for (int j = 1; j <= n; ++j) {
        const Maschera bit = BitCifra(j);
        for (int tipo = 0; tipo < 2; ++tipo) {
            const bool righe = tipo == 1;  // columns first
            if (t.quiete.Swordfish[tipo] & bit) continue;
            const std::array<uint16_t, DimMax>& pos = posizioni[tipo][j - 1];
            CoppiaLinee cp;
            if (!VerificaSwf(pos.data(), n, cp)) {
                t.quiete.Swordfish[tipo] |= bit;
                continue;
            }
            std::string elenco, eliminazioni;
            for (int p = 1; p <= n; ++p) {
                if (!(pos[cp.Prima] >> (p - 1) & 1)) continue;
                elenco += static_cast<char>('0' + p);
                for (int m = 1; m <= n; ++m) {
                    if (m - 1 == cp.Prima || m - 1 == cp.Seconda || !(pos[m - 1] >> (p - 1) & 1)) continue;
                    eliminazioni += static_cast<char>('0' + (righe ? m : p));
                    eliminazioni += static_cast<char>('0' + (righe ? p : m));
                    eliminazioni += static_cast<char>('0' + j);
                }
            }
            Passo& ps = RegistraTrovato(b, righe ? "SR" : "SC",
                                        std::to_string(cp.Prima + 1) + std::to_string(cp.Seconda + 1),
                                        eliminazioni, elenco, 2);
            ps.Valore = std::to_string(j);
            return true;
        }
    }
    return false;
}

void EseguiSWF(const Passo& ps, Tavola& t, EffettoPasso& e) {
    const bool righe = ps.Codice == "SR";
    const Maschera v = ps.Valore.empty() ? Maschera{0} : BitCifra(ps.Valore[0] - '0');
    // The corners of the pattern that still hold the digit.
    for (char lc : ps.Gruppo)
        for (char pc : ps.Elenco) {
            const int linea = lc - '0', pos = pc - '0';
            const int r = righe ? linea : pos, c = righe ? pos : linea;
            if (r < 1 || r > 9 || c < 1 || c > 9) continue;
            if (t.S[r][c] & v) e.Giustifica(r, c);
        }
    EseguiEliminazioni(ps.Eliminazioni, t, e);
}

}  // namespace kelvaro
