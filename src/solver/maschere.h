#pragma once
// One solver level's tables as bit masks: the candidates of every cell (what the log window shows
// as strings of digits, tblS) and the digits placed so far (tblE). The strings are made only where
// someone reads them: the log window, the step history, the result of a solve.
//
// Indexed 1..n like the string tables; rows and columns 0 and n + 1 stay empty, so a sign whose
// neighbour lies outside the grid reads a cell without candidates, as the strings read "".
#include <array>
#include <cstdint>
#include <string>

#include "model/tabelle.h"
#include "solver/tecniche.h"

namespace kelvaro {

struct Tavola {
    int n = 0;
    std::array<std::array<Maschera, DimMax + 2>, DimMax + 2> S{};  // candidates, bit v - 1 = digit v
    std::array<std::array<uint8_t, DimMax + 2>, DimMax + 2> E{};   // placed digit, 0 = none

    Tavola() = default;
    // Every cell holds every digit, nothing is placed.
    explicit Tavola(int dim);
    // From the string tables; a character other than 1..9 holds no digit.
    Tavola(const Tabella& tblS, const Tabella& tblE, int dim);
    // Back to strings: candidates ascending, "" for nothing placed.
    void Scrivi(Tabella& tblS, Tabella& tblE) const;
    void ScriviCandidati(Tabella& tblS) const;
};

// The digits of a mask, ascending ("135").
std::string CifreDi(Maschera m);
// The mask of the digits 1..9 in a string.
Maschera MascheraDi(const std::string& s);

}  // namespace kelvaro
