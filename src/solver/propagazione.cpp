#include "solver/propagazione.h"

#include <bit>

#include "solver/tecniche.h"

namespace kelvaro {

Maschera FinoAlMinimo(Maschera m) {
    if (!m) return 0;
    const Maschera minimo = m & static_cast<Maschera>(-m);
    return static_cast<Maschera>((minimo << 1) - 1);
}

Maschera DalMassimo(Maschera m, int n) {
    if (!m) return 0;
    const Maschera massimo = static_cast<Maschera>(1u << (std::bit_width(unsigned{m}) - 1));
    return static_cast<Maschera>(TutteLeCifre(n) & ~(massimo - 1));
}

namespace {

// Takes digits from a cell; false when that empties it.
bool Togli(GrigliaBit& g, int i, Maschera via, bool& cambiato) {
    if (!(g.S[i] & via)) return true;
    g.S[i] = static_cast<Maschera>(g.S[i] & ~via);
    cambiato = true;
    return g.S[i] != 0;
}

}  // namespace

EsitoPropagazione Propaga(GrigliaBit& g, const CoppieDiSegni& segni, const RegolePropagazione& regole) {
    EsitoPropagazione e;
    const int n = g.n, celle = n * n;
    // A cell already decided on entry is the premise, not a deduction; its digit still leaves
    // the rest of its lines the first time round.
    std::array<bool, CelleMax> daElencare{}, sparsa{};
    for (int i = 0; i < celle; ++i) daElencare[i] = Indecisa(g.S[i]) || g.S[i] == 0;
    auto contraddizione = [&](Contraddizione::Tipo t, int indice, int cifra) {
        e.dove = {t, indice, cifra};
        return e;
    };

    for (;;) {
        bool cambiato = false;
        // Naked singles: a decided cell's digit leaves its row and column.
        for (int i = 0; i < celle; ++i) {
            const Maschera m = g.S[i];
            if (m == 0) return contraddizione(Contraddizione::Tipo::Cella, i, 0);
            if (Indecisa(m) || sparsa[i]) continue;
            sparsa[i] = true;
            cambiato = true;
            if (daElencare[i]) {
                if (static_cast<int>(e.Dedotte.size()) >= regole.MaxDeduzioni) {
                    e.Interrotta = true;
                    return e;
                }
                e.Dedotte.push_back({i, std::countr_zero(unsigned{m}) + 1});
            }
            const int r = i / n, c = i % n;
            for (int k = 0; k < n; ++k) {
                if (k != c && !Togli(g, r * n + k, m, cambiato))
                    return contraddizione(Contraddizione::Tipo::Cella, r * n + k, 0);
                if (k != r && !Togli(g, k * n + c, m, cambiato))
                    return contraddizione(Contraddizione::Tipo::Cella, k * n + c, 0);
            }
        }
        if (cambiato) continue;
        // Sign bounds: the greater cell stays above the smaller one's smallest digit, the smaller
        // one below the greater one's largest.
        for (const auto& [magg, min] : segni) {
            const bool daMin = regole.SegniDaIndecise || !Indecisa(g.S[min]);
            if (daMin && !Togli(g, magg, FinoAlMinimo(g.S[min]), cambiato))
                return contraddizione(Contraddizione::Tipo::Cella, magg, 0);
            const bool daMagg = regole.SegniDaIndecise || !Indecisa(g.S[magg]);
            if (daMagg && !Togli(g, min, DalMassimo(g.S[magg], n), cambiato))
                return contraddizione(Contraddizione::Tipo::Cella, min, 0);
        }
        if (cambiato) continue;
        if (!regole.Nascosti) break;
        // Hidden singles: a digit with one place left in a line takes it.
        for (int tipo = 0; tipo < 2 && !cambiato; ++tipo)
            for (int l = 0; l < n && !cambiato; ++l) {
                Presenze p;
                for (int k = 0; k < n; ++k) Conta(p, g.S[tipo == 0 ? l * n + k : k * n + l]);
                const Maschera tutte = TutteLeCifre(n);
                if (const Maschera manca = tutte & static_cast<Maschera>(~p.Una))
                    return contraddizione(
                        tipo == 0 ? Contraddizione::Tipo::Riga : Contraddizione::Tipo::Colonna, l,
                        std::countr_zero(unsigned{manca}) + 1);
                for (Maschera sola = tutte & static_cast<Maschera>(~p.Due); sola && !cambiato;
                     sola &= static_cast<Maschera>(sola - 1)) {
                    const Maschera bit = sola & static_cast<Maschera>(-sola);
                    for (int k = 0; k < n; ++k) {
                        const int i = tipo == 0 ? l * n + k : k * n + l;
                        if ((g.S[i] & bit) && Indecisa(g.S[i])) {
                            g.S[i] = bit;
                            cambiato = true;
                        }
                    }
                }
            }
        if (!cambiato) break;
    }
    e.Risolta = true;
    for (int i = 0; i < celle; ++i)
        if (Indecisa(g.S[i])) e.Risolta = false;
    return e;
}

}  // namespace kelvaro
