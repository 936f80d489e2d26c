#pragma once
// The logical techniques on bit masks, each written once. The step solver asks them for the first
// finding in its fixed order, records it as a step and words it; the generator's checks apply
// every finding until nothing changes. Bit v - 1 of a mask is digit v (as in the counter); a cell
// is undecided while it holds more than one candidate. Singles and sign bounds, which every engine
// shares, are in solver/regole_bit.h.
#include <array>
#include <bit>
#include <cstdint>

#include "solver/regole_bit.h"

namespace kelvaro {

// A digit 1..9 as a mask, 0 for anything else.
inline Maschera BitCifra(int v) {
    return v >= 1 && v <= 9 ? static_cast<Maschera>(1u << (v - 1)) : Maschera{0};
}

// --- naked subsets ------------------------------------------------------------------------------
// k undecided cells of a line whose candidates together are exactly k digits.
struct Gruppo {
    uint16_t Posizioni = 0;  // bit i - 1 for position i of the line
    Maschera Cifre = 0;
};
// The sets of k among insiemi[0..quanti-1] (k at most 4), in lexicographic order, whose union holds
// exactly k bits, each handed to prova(scelti, unione) with scelti[0..k-1] the chosen indices; the
// first it accepts ends the search (true). A naked subset is k cells holding k digits, a hidden
// one k digits held by k cells: the same search from either side.
template <class Prova>
bool PrimoInsiemeChiuso(const uint16_t* insiemi, int quanti, int k, Prova prova) {
    if (k < 1 || k > 4 || quanti < k) return false;
    // Depth-first; a partial set already over k bits can only grow.
    std::array<int, 4> scelta{};
    std::array<uint16_t, 4> unione{};
    int liv = 0;
    scelta[0] = -1;
    while (liv >= 0) {
        if (++scelta[liv] > quanti - (k - liv)) {
            --liv;
            continue;
        }
        const auto u = static_cast<uint16_t>((liv ? unione[liv - 1] : 0) | insiemi[scelta[liv]]);
        const int quante = std::popcount(unsigned{u});
        if (quante > k) continue;
        if (liv + 1 < k) {
            unione[liv] = u;
            scelta[liv + 1] = scelta[liv];
            ++liv;
            continue;
        }
        if (quante == k && prova(scelta, u)) return true;
    }
    return false;
}

// celle[0..n-1]: the line's cells in order. The first group of k cells (positions in
// lexicographic order) whose digits also occur in a cell outside it; false when none.
bool VerificaMult(const Maschera* celle, int n, int k, Gruppo& g);

// --- Swordfish on two lines ---------------------------------------------------------------------
// pos[0..n-1]: per line, the positions (bit i - 1) of its undecided cells that hold the digit.
// The first pair of lines (by the first line, then the second) in which the digit has the same two
// positions while some other line holds it at one of them; false when none.
struct CoppiaLinee {
    int Prima = 0;  // 0-based lines
    int Seconda = 0;
};
bool VerificaSwf(const uint16_t* pos, int n, CoppiaLinee& c);

}  // namespace kelvaro
