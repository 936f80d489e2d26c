#pragma once
// The candidate table as bit masks, made once per detection pass: the scans decide on the masks
// and go back to the strings only to record what they found, so the strings and sentences are
// made only for a finding.
//
//   bit d (1..9) of Cifre[r][c]  set when digit d is among the candidates of (r, c)
//   Lunghezza[r][c]              characters of the candidate string (> 1: undecided)
#include <array>
#include <cstdint>

#include "model/tabelle.h"

namespace kelvaro {

struct MappaCandidati {
    int n = 0;
    std::array<std::array<uint16_t, 10>, 10> Cifre{};
    std::array<std::array<uint8_t, 10>, 10> Lunghezza{};
    // Every candidate string holds only digits 1..9, ascending, each once: then the masks say
    // all the strings say, and a scan may decide on them alone.
    bool Regolare = true;

    MappaCandidati(const Tabella& tblS, int dim);
    // Reads cell (r, c) again after a change; cells outside 1..n are ignored.
    void Ricalcola(const Tabella& tblS, int r, int c);
    bool Indecisa(int r, int c) const { return Lunghezza[r][c] > 1; }
};

// Digits 1..n as a mask (bits 1..n).
inline uint16_t CifreFinoA(int n) {
    return static_cast<uint16_t>(((1u << n) - 1) << 1);
}

}  // namespace kelvaro
