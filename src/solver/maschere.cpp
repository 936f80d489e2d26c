#include "solver/maschere.h"

#include <bit>

namespace kelvaro {

Tavola::Tavola(int dim) : n(dim) {
    if (n < 1 || n > DimMax) {
        n = 0;
        return;
    }
    const Maschera tutte = TutteLeCifre(n);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) S[r][c] = tutte;
    // Every line holds every digit n times; with one digit each cell is a single not yet placed.
    for (int k = 1; k <= n; ++k)
        for (const int l : {k, Colonna(k)}) {
            Una[l] = tutte;
            Due[l] = n > 1 ? tutte : Maschera{0};
            for (int d = 0; d < n; ++d) Quante[l][d] = static_cast<uint8_t>(n);
        }
    if (n == 1) Pronte[1] = 1u << 1;
}

Tavola::Tavola(const Tabella& tblS, const Tabella& tblE, int dim) : n(dim) {
    if (n < 1 || n > DimMax) n = 0;
    // Tables from text may hold anything: no shortcut relies on how the solver makes them.
    Coerente = false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            S[r][c] = MascheraDi(tblS[r][c]);
            const std::string& e = tblE[r][c];
            E[r][c] = e.size() == 1 && e[0] >= '1' && e[0] <= '9' ? static_cast<uint8_t>(e[0] - '0') : 0;
            const Maschera m = S[r][c];
            S[r][c] = 0;
            Imposta(r, c, m, E[r][c]);
        }
}

void Tavola::Imposta(int r, int c, Maschera candidati, uint8_t posto) {
    if (r < 0 || r > DimMax + 1 || c < 0 || c > DimMax + 1) return;
    const Maschera prima = S[r][c];
    const uint8_t primo = E[r][c];
    S[r][c] = candidati;
    E[r][c] = posto;
    Tocca(r, c, prima);
    if (primo != posto && r >= 1 && r <= n && c >= 1 && c <= n) {
        // Placed digits of the two lines, read again.
        Maschera riga = 0, colonna = 0;
        for (int k = 1; k <= n; ++k) {
            riga |= BitCifra(E[r][k]);
            colonna |= BitCifra(E[k][c]);
        }
        Posti[r] = riga;
        Posti[Colonna(c)] = colonna;
    }
}

namespace {

// The two smallest and the two largest digits of a mask: all a sign bound reads of a neighbour.
Maschera Estremi(Maschera m) {
    const Maschera basso = MinimoDi(m), alto = MassimoDi(m);
    return basso | MinimoDi(m ^ basso) | alto | MassimoDi(m ^ alto);
}

}  // namespace

void Tavola::Tocca(int r, int c, Maschera prima) {
    const Maschera m = S[r][c];
    const uint16_t bitC = static_cast<uint16_t>(1u << c), bitR = static_cast<uint16_t>(1u << r);
    if (m == 0 || (!Indecisa(m) && E[r][c] == 0))
        Pronte[r] |= bitC;
    else
        Pronte[r] &= static_cast<uint16_t>(~bitC);
    if (prima == m) return;  // only the placed digit changed: the line counts read it
    if (r >= 1 && r <= n && c >= 1 && c <= n) {
        const Maschera via = prima & static_cast<Maschera>(~m), piu = m & static_cast<Maschera>(~prima);
        for (const int l : {r, Colonna(c)}) {
            auto& quante = Quante[l];
            for (Maschera resto = via; resto; resto &= static_cast<Maschera>(resto - 1)) {
                const int d = std::countr_zero(unsigned{resto});
                const uint8_t q = --quante[d];
                if (q <= 1) (q == 1 ? Due[l] : Una[l]) &= static_cast<Maschera>(~(1u << d));
            }
            for (Maschera resto = piu; resto; resto &= static_cast<Maschera>(resto - 1)) {
                const int d = std::countr_zero(unsigned{resto});
                const uint8_t q = ++quante[d];
                if (q <= 2) (q == 1 ? Una[l] : Due[l]) |= static_cast<Maschera>(1u << d);
            }
        }
    }
    for (auto& k : quiete.Multipli) {
        k[0] &= static_cast<uint16_t>(~bitC);
        k[1] &= static_cast<uint16_t>(~bitR);
    }
    const Maschera cifre = prima | m;
    quiete.Swordfish[0] &= static_cast<Maschera>(~cifre);
    quiete.Swordfish[1] &= static_cast<Maschera>(~cifre);
    // A sign strikes from its cell what its neighbours' two smallest (largest) candidates allow:
    // the cell itself losing candidates never gives it a finding, its neighbours only when those
    // extremes move.
    if (m & static_cast<Maschera>(~prima)) quiete.Segni[r] &= static_cast<uint16_t>(~bitC);
    const uint16_t lati = static_cast<uint16_t>(bitC << 1 | bitC >> 1);
    const bool vicinoQuieto = (quiete.Segni[r] & lati) || (r > 0 && (quiete.Segni[r - 1] & bitC)) ||
                              (r <= DimMax && (quiete.Segni[r + 1] & bitC));
    if (vicinoQuieto && Estremi(m) != Estremi(prima)) {
        quiete.Segni[r] &= static_cast<uint16_t>(~lati);
        if (r > 0) quiete.Segni[r - 1] &= static_cast<uint16_t>(~bitC);
        if (r <= DimMax) quiete.Segni[r + 1] &= static_cast<uint16_t>(~bitC);
    }
}

void Tavola::ScriviCandidati(Tabella& tblS) const {
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) tblS[r][c] = CifreDi(S[r][c]);
}

void Tavola::Scrivi(Tabella& tblS, Tabella& tblE) const {
    ScriviCandidati(tblS);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            tblE[r][c] = E[r][c] ? std::string(1, static_cast<char>('0' + E[r][c])) : std::string();
}

std::string CifreDi(Maschera m) {
    std::string s;
    for (int v = 1; v <= 9; ++v)
        if (m >> (v - 1) & 1) s += static_cast<char>('0' + v);
    return s;
}

Maschera MascheraDi(const std::string& s) {
    Maschera m = 0;
    for (char ch : s) m |= BitCifra(ch - '0');
    return m;
}

}  // namespace kelvaro
