#include "solver/propagazione.h"

#include <bit>

#include "solver/tecniche.h"

namespace kelvaro {

EsitoPropagazione Propaga(GrigliaBit& g, const CoppieDiSegni& segni, const RegolePropagazione& regole) {
    EsitoPropagazione e;
    const int n = g.n, celle = n * n;
    const Maschera tutte = TutteLeCifre(n);
    // A cell already decided on entry is the premise, not a deduction; its digit still leaves
    // the rest of its lines in the first round.
    std::array<bool, CelleMax> daElencare{}, sparsa{};
    for (int i = 0; i < celle; ++i) daElencare[i] = Indecisa(g.S[i]) || g.S[i] == 0;
    auto contraddizione = [&](Contraddizione::Tipo t, int indice, int cifra) {
        e.dove = {t, indice, cifra};
        return e;
    };

    // Rounds: every deduction of a round is read off the grid as the round found it and applied
    // together, so what a round reaches does not depend on the order cells are looked at (nor on
    // the schema being turned on its side), and a chain's length is its number of rounds.
    for (e.Giri = 0;; ++e.Giri) {
        const std::array<Maschera, CelleMax> prima = g.S;
        std::array<Maschera, CelleMax> via{}, fissa{};
        for (int i = 0; i < celle; ++i)
            if (prima[i] == 0) return contraddizione(Contraddizione::Tipo::Cella, i, 0);
        // Naked singles: a decided cell's digit leaves its row and column.
        for (int i = 0; i < celle; ++i) {
            if (Indecisa(prima[i]) || sparsa[i]) continue;
            sparsa[i] = true;
            if (daElencare[i]) e.Dedotte.push_back({i, std::countr_zero(unsigned{prima[i]}) + 1});
            TogliDallaCroce(n, i / n, i % n, prima[i], prima.data(), [&](int t, Maschera) {
                via[t] |= prima[i];
                return true;
            });
        }
        // Two cells of a line decided on the same digit in one round: the end, said as such.
        for (int tipo = 0; tipo < 2; ++tipo)
            for (int l = 0; l < n; ++l) {
                Maschera viste = 0;
                for (int k = 0; k < n; ++k) {
                    const Maschera m = prima[tipo == 0 ? l * n + k : k * n + l];
                    if (Indecisa(m)) continue;
                    if (viste & m)
                        return contraddizione(
                            tipo == 0 ? Contraddizione::Tipo::DueInRiga : Contraddizione::Tipo::DueInColonna,
                            l, std::countr_zero(unsigned{m}) + 1);
                    viste |= m;
                }
            }
        // Sign bounds: the greater cell stays above the smaller one's smallest digit, the smaller
        // one below the greater one's largest.
        for (const auto& [magg, min] : segni) {
            if (regole.SegniDaIndecise || !Indecisa(prima[min]))
                via[magg] |= static_cast<Maschera>(~SopraIlMinimo(prima[min]));
            if (regole.SegniDaIndecise || !Indecisa(prima[magg]))
                via[min] |= static_cast<Maschera>(~SottoIlMassimo(prima[magg]));
        }
        // Hidden singles: a digit with one place left in a line takes it; a line without a place
        // for a digit is the end.
        if (regole.Nascosti)
            for (int tipo = 0; tipo < 2; ++tipo)
                for (int l = 0; l < n; ++l) {
                    const Presenze p =
                        ContaLinea<false>(n, [&](int k) { return prima[tipo == 0 ? l * n + k : k * n + l]; });
                    if (const Maschera manca = Mancanti(p, tutte))
                        return contraddizione(
                            tipo == 0 ? Contraddizione::Tipo::Riga : Contraddizione::Tipo::Colonna, l,
                            std::countr_zero(unsigned{manca}) + 1);
                    const Maschera sole = tutte & InUnPosto(p);
                    for (int k = 0; k < n; ++k) {
                        const int i = tipo == 0 ? l * n + k : k * n + l;
                        if (Indecisa(prima[i]) && (prima[i] & sole)) fissa[i] |= prima[i] & sole;
                    }
                }
        if (e.Giri >= regole.MaxGiri) {
            e.Interrotta = true;
            return e;
        }
        bool cambiato = false;
        for (int i = 0; i < celle; ++i) {
            Maschera m = static_cast<Maschera>(prima[i] & ~via[i]);
            // Two digits that both need this cell: it takes the smaller, and the other's line
            // shows the contradiction next round.
            if (fissa[i]) m &= static_cast<Maschera>(fissa[i] & -fissa[i]);
            g.S[i] = m;
            cambiato |= m != prima[i];
        }
        if (!cambiato) break;
    }
    e.Risolta = true;
    for (int i = 0; i < celle; ++i)
        if (Indecisa(g.S[i])) e.Risolta = false;
    return e;
}

}  // namespace kelvaro
