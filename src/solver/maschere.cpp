#include "solver/maschere.h"

namespace kelvaro {

Tavola::Tavola(int dim) : n(dim) {
    const Maschera tutte = TutteLeCifre(n);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) S[r][c] = tutte;
}

Tavola::Tavola(const Tabella& tblS, const Tabella& tblE, int dim) : n(dim) {
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            S[r][c] = MascheraDi(tblS[r][c]);
            const std::string& e = tblE[r][c];
            E[r][c] = e.size() == 1 && e[0] >= '1' && e[0] <= '9' ? static_cast<uint8_t>(e[0] - '0') : 0;
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
