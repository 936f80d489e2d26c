// Sign chains: the signs lead from a cell to every cell it must exceed (or stay below), however
// far; two or more of those in one line hold different digits, so the cell must exceed the k-th
// smallest digit they can hold together. One sign at a time never sees that.
#include <algorithm>
#include <bit>

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// The k-th smallest (maggiore) or largest digit of m, as one bit; 0 when m has fewer.
Maschera KEsima(Maschera m, int k, bool maggiore) {
    for (int j = 1; m; ++j) {
        const Maschera bit = maggiore ? MinimoDi(m) : MassimoDi(m);
        if (j == k) return bit;
        m = static_cast<Maschera>(m & ~bit);
    }
    return 0;
}

}  // namespace

bool VerificaCatenaSegni(const GrigliaBit& g, const CoppieDiSegni& segni, CatenaDiSegni& out) {
    const int n = g.n, celle = n * n;
    // Per cell, the cells just below it (sotto[0]) and just above it (sotto[1]) through one sign.
    std::array<std::array<std::vector<int>, CelleMax>, 2> vicini;
    for (const auto& [magg, min] : segni) {
        vicini[0][magg].push_back(min);
        vicini[1][min].push_back(magg);
    }
    for (int x = 0; x < celle; ++x) {
        if (!Indecisa(g.S[x])) continue;
        for (int verso = 0; verso < 2; ++verso) {
            const bool maggiore = verso == 0;
            if (vicini[verso][x].empty()) continue;
            // Breadth first: the shortest chain to each cell reached, for the sentence.
            std::array<int, CelleMax> da;
            da.fill(-1);
            std::array<int, CelleMax> coda{};
            int testa = 0, fondo = 0;
            coda[fondo++] = x;
            da[x] = x;
            while (testa < fondo) {
                const int i = coda[testa++];
                for (int j : vicini[verso][i])
                    if (da[j] < 0) {
                        da[j] = i;
                        coda[fondo++] = j;
                    }
            }
            if (fondo < 3) continue;
            for (int tipo = 0; tipo < 2; ++tipo)
                for (int l = 0; l < n; ++l) {
                    std::vector<int> membri;
                    Maschera unione = 0;
                    for (int k = 0; k < n; ++k) {
                        const int i = tipo == 0 ? l * n + k : k * n + l;
                        if (i == x || da[i] < 0) continue;
                        membri.push_back(i);
                        unione |= g.S[i];
                    }
                    const int k = static_cast<int>(membri.size());
                    if (k < 2) continue;
                    const Maschera limite = KEsima(unione, k, maggiore);
                    if (!limite) continue;
                    const Maschera via = g.S[x] & EsclusiDalLimite(maggiore, limite, n);
                    if (!via) continue;
                    out.Cella = x;
                    out.Maggiore = maggiore;
                    out.PerRiga = tipo == 0;
                    out.Linea = l;
                    std::sort(membri.begin(), membri.end());
                    out.Membri = membri;
                    out.Percorsi.clear();
                    for (int m : membri) {
                        std::vector<int> p{m};
                        while (p.back() != x) p.push_back(da[p.back()]);
                        std::reverse(p.begin(), p.end());
                        out.Percorsi.push_back(std::move(p));
                    }
                    out.Via = via;
                    return true;
                }
        }
    }
    return false;
}

bool CercaCatenaSegni(Risoluzione& b, const Tavola& t, const GrigliaBit& g, const CoppieDiSegni& segni) {
    CatenaDiSegni cs;
    if (!VerificaCatenaSegni(g, segni, cs)) return false;
    const int n = t.n;
    const int r = cs.Cella / n + 1, c = cs.Cella % n + 1;
    Passo& ps = RegistraPasso(b, "CS");
    ps.Riga = r;
    ps.Colonna = c;
    ps.Valore = cs.Maggiore ? ">" : "<";
    for (int m : cs.Membri) ps.Gruppo += CoppiaCella(m, n);
    for (const auto& p : cs.Percorsi) {
        if (!ps.Elenco.empty()) ps.Elenco += ',';
        for (int i : p) ps.Elenco += CoppiaCella(i, n);
    }
    (cs.PerRiga ? ps.RigaP : ps.ColonnaP) = cs.Linea + 1;
    for (Maschera via = cs.Via; via; via &= static_cast<Maschera>(via - 1)) {
        ps.Eliminazioni += CoppiaCella(cs.Cella, n);
        ps.Eliminazioni += static_cast<char>('1' + std::countr_zero(unsigned{via}));
    }
    b.ris.NumMaestro[MaestroCateneSegni] += 1;
    return true;
}

void EseguiCatenaSegni(const Passo& ps, Tavola& t, EffettoPasso& e) {
    // Every cell of the paths after their first.
    for (size_t k = 0; k < ps.Elenco.size();) {
        const size_t fine = std::min(ps.Elenco.find(',', k), ps.Elenco.size());
        for (size_t j = k + 2; j + 1 < fine; j += 2) e.Giustifica(ps.Elenco[j] - '0', ps.Elenco[j + 1] - '0');
        k = fine + 1;
    }
    EseguiEliminazioni(ps.Eliminazioni, t, e);
}

}  // namespace kelvaro
