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

// What the detections learnt on a table: which lines, cells and digits are known to give no
// finding. Every change to a cell forgets what depended on it, so a pass looks again only where
// something changed since the last one. A detection reads only its own line (its cell and the
// neighbours for a sign, every line for a digit's Swordfish), so what it found nothing in stays
// without finding until one of those cells changes.
struct Quiete {
    std::array<std::array<uint16_t, 2>, 3> Multipli{};  // [k - 2][0 columns, 1 rows]: no group of k
    std::array<Maschera, 2> Swordfish{};                // [0 columns, 1 rows]: digits without a pair
    std::array<uint16_t, DimMax + 2> Segni{};           // bit c of row r: no sign of the cell strikes
    // Bit c of row r: the cell carries a sign (read from the schema at the first sign search).
    std::array<uint16_t, DimMax + 2> ConSegni{};
    bool SegniLetti = false;
};

struct Tavola {
    int n = 0;
    std::array<std::array<Maschera, DimMax + 2>, DimMax + 2> S{};  // candidates, bit v - 1 = digit v
    std::array<std::array<uint8_t, DimMax + 2>, DimMax + 2> E{};   // placed digit, 0 = none
    // Bit c of row r: the cell has no candidate, or one it has not placed yet.
    std::array<uint16_t, DimMax + 2> Pronte{};
    // Per line (row r at r, column c at Colonna(c)), kept as cells change: the digits its cells
    // hold at all, in more than one cell, and the digits placed in it.
    std::array<Maschera, 2 * (DimMax + 2)> Una{}, Due{}, Posti{};
    std::array<std::array<uint8_t, DimMax>, 2 * (DimMax + 2)> Quante{};
    // Made by the solver from a fresh table: when a line is searched (after the cell search found
    // no empty cell and no single left to place) every decided cell is placed, holds just its
    // digit, and that digit is gone from the rest of its row and column, since a placed digit can
    // only be struck, which empties the cell. False for tables read from text.
    bool Coerente = true;
    static int Colonna(int c) { return DimMax + 2 + c; }
    mutable Quiete quiete;  // a cache: the detections read the table as const

    Tavola() = default;
    // Every cell holds every digit, nothing is placed.
    explicit Tavola(int dim);
    // From the string tables; a character other than 1..9 holds no digit.
    Tavola(const Tabella& tblS, const Tabella& tblE, int dim);
    // Back to strings: candidates ascending, "" for nothing placed.
    void Scrivi(Tabella& tblS, Tabella& tblE) const;
    void ScriviCandidati(Tabella& tblS) const;

    // Every change to a cell goes through these. Cells outside 0..DimMax + 1 are ignored.
    void Imposta(int r, int c, Maschera candidati, uint8_t posto);
    // Strikes digits; true when some of them were there.
    bool Togli(int r, int c, Maschera via) {
        if (r < 0 || r > DimMax + 1 || c < 0 || c > DimMax + 1) return false;
        const Maschera prima = S[r][c];
        if (!(prima & via)) return false;
        S[r][c] = static_cast<Maschera>(prima & ~via);
        Tocca(r, c, prima);
        return true;
    }

private:
    void Tocca(int r, int c, Maschera prima);
};
// The digits of a mask, ascending ("135").
std::string CifreDi(Maschera m);
// The mask of the digits 1..9 in a string.
Maschera MascheraDi(const std::string& s);

}  // namespace kelvaro
