#include "solver/maschere.h"

namespace kelvaro {

MappaCandidati::MappaCandidati(const Tabella& tblS, int dim) : n(dim) {
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) Ricalcola(tblS, r, c);
}

void MappaCandidati::Ricalcola(const Tabella& tblS, int r, int c) {
    if (r < 1 || r > n || c < 1 || c > n) return;
    const std::string& s = tblS[r][c];
    uint16_t m = 0;
    char prima = '0';
    for (char ch : s) {
        if (ch >= '1' && ch <= '9') m |= static_cast<uint16_t>(1u << (ch - '0'));
        // Once irregular, the sign scan keeps asking the strings: cheaper than tracking it back.
        if (ch <= prima || ch > '9') Regolare = false;
        prima = ch;
    }
    Cifre[r][c] = m;
    Lunghezza[r][c] = static_cast<uint8_t>(s.size() > 255 ? 255 : s.size());
}

}  // namespace kelvaro
