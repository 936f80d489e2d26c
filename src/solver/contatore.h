#pragma once
// The exact solution counter and the bit-mask form of a schema it works on. Independent of the
// step solver: it judges every schema the generator keeps, and "kelvaro-cli verifica" reports it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/tabelle.h"

namespace kelvaro {

// Cells are numbered row-major from 0 (cell (r, c) is (r - 1) * n + c - 1); a candidate set is a
// mask with bit v - 1 for digit v.
constexpr int CelleMax = DimMax * DimMax;
using Maschera = uint16_t;

// Digit counts of every 9-bit mask: the build targets plain x86-64, where popcount is a call.
inline constexpr std::array<uint8_t, 512> TabellaConta = [] {
    std::array<uint8_t, 512> t{};
    for (int m = 1; m < 512; ++m) t[m] = static_cast<uint8_t>(t[m >> 1] + (m & 1));
    return t;
}();
inline int ContaCifre(Maschera m) {
    return TabellaConta[m & 511];
}

// Sign flags of one cell, as bits, in the order of SegniCella.
enum BitSegno : uint8_t {
    MagSin = 1 << 0,
    MagDes = 1 << 1,
    MagSu = 1 << 2,
    MagGiu = 1 << 3,
    MinSin = 1 << 4,
    MinDes = 1 << 5,
    MinSu = 1 << 6,
    MinGiu = 1 << 7,
};

struct SchemaBit {
    int n = 0;
    std::array<uint8_t, CelleMax> dato{};   // 0 or the given digit
    std::array<uint8_t, CelleMax> segni{};  // BitSegno flags
};

// The schema as the workbench's solver sees it (givens of tblSchema, flags of tblSegni).
// std::nullopt when the size is outside 1..9; a given that is not a digit 1..n makes the
// schema unsolvable rather than being ignored.
struct SchemaBitLetto {
    SchemaBit schema;
    bool DatiValidi = true;
};
std::optional<SchemaBitLetto> SchemaBitDa(const Schema& s);

// Pairs (greater cell, smaller cell) of every sign whose neighbour lies inside the grid.
std::vector<std::array<uint8_t, 2>> CoppieSegni(const SchemaBit& s);

// Number of solutions, counting stops at `limite` (2 is enough to tell uniqueness).
// When the count is 1 and `soluzione` is given it receives the digits of the solution; `nodi`
// receives the number of search nodes visited.
int ContaSoluzioni(const SchemaBit& s, int limite, std::array<uint8_t, CelleMax>* soluzione = nullptr,
                   long* nodi = nullptr);
// How the counter propagates at each node: Hall intervals on the rows and columns beside singles
// and signs, branching on the cell with fewest digits per sign towards undecided cells (the
// default); or singles and signs only, branching on the first cell with fewest digits (the plain
// counter, kept as a yardstick). Counts are the same either way, and so is a unique solution.
enum class ModoConteggio { Intervalli, Semplice };
int ContaSoluzioni(const SchemaBit& s, int limite, ModoConteggio modo,
                   std::array<uint8_t, CelleMax>* soluzione = nullptr, long* nodi = nullptr);
// The same for a schema of the workbench: 0 when its givens are not digits 1..n or its size is
// outside 1..9.
int ContaSoluzioni(const Schema& s, int limite);

}  // namespace kelvaro
