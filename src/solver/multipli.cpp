// Naked subsets: k undecided cells of a line whose candidates together are exactly k values take
// those values, which leave the line's other cells.
#include <bit>

#include "solver/risolvi.h"

namespace kelvaro {

namespace {

char Cifra(int d) {
    return static_cast<char>('0' + d);
}

}  // namespace

bool CercaMultipli(Risoluzione& b, const Tavola& t) {
    const int n = t.n;
    for (int k = 2; k <= 4; ++k)
        for (int tipo = 0; tipo < 2; ++tipo) {
            const bool riga = tipo == 1;  // columns first
            uint16_t& quiete = t.quiete.Multipli[k - 2][tipo];
            for (int linea = 1; linea <= n; ++linea) {
                const uint16_t bit = static_cast<uint16_t>(1u << linea);
                if (quiete & bit) continue;
                std::array<Maschera, DimMax> celle{};
                int indecise = 0;
                for (int i = 1; i <= n; ++i) {
                    celle[i - 1] = riga ? t.S[linea][i] : t.S[i][linea];
                    indecise += Indecisa(celle[i - 1]);
                }
                // On a table the solver made, the line's decided cells are placed and their digits
                // are gone from the rest of it: a group needs another undecided cell to strike from.
                Gruppo g;
                if ((t.Coerente && indecise <= k) || !VerificaMult(celle.data(), n, k, g)) {
                    quiete |= bit;
                    continue;
                }
                std::string gruppo, eliminazioni;
                for (int p = 1; p <= n; ++p) {
                    if (g.Posizioni >> (p - 1) & 1) {
                        gruppo += Cifra(p);
                        continue;
                    }
                    for (Maschera via = celle[p - 1] & g.Cifre; via; via &= static_cast<Maschera>(via - 1)) {
                        const int v = std::countr_zero(unsigned{via}) + 1;
                        eliminazioni += Cifra(riga ? linea : p);
                        eliminazioni += Cifra(riga ? p : linea);
                        eliminazioni += Cifra(v);
                    }
                }
                Passo& p = RegistraTrovato(b, riga ? "MR" : "MC", gruppo, eliminazioni, CifreDi(g.Cifre), 1);
                p.Riga = riga ? linea : 0;
                p.Colonna = riga ? 0 : linea;
                return true;
            }
        }
    return false;
}

void EseguiEliminazioni(const std::string& Eliminazioni, Tavola& t, EffettoPasso& e) {
    for (size_t k = 0; k + 2 < Eliminazioni.size(); k += 3) {
        const int r = Eliminazioni[k] - '0', c = Eliminazioni[k + 1] - '0';
        const char v = Eliminazioni[k + 2];
        if (r < 1 || r > 9 || c < 1 || c > 9) continue;
        const Maschera bit = BitCifra(v - '0');
        if (t.Togli(r, c, bit)) e.Tolte.push_back({r, c, bit});
    }
}

void EseguiGruppo(const Passo& ps, Tavola& t, EffettoPasso& e) {
    const bool riga = ps.Codice[0] == 'M' ? ps.Codice == "MR" : ps.Codice == "NR";
    for (char ch : ps.Gruppo) {
        const int q = ch - '0';
        e.Giustifica(riga ? ps.Riga : q, riga ? q : ps.Colonna);
    }
    EseguiEliminazioni(ps.Eliminazioni, t, e);
}

}  // namespace kelvaro
