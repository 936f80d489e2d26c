#pragma once
// The three rules every engine on bit masks applies, written once: naked singles, hidden singles
// and sign bounds. The counter, the generator's check, the look-ahead and the step solver each
// keep their own driver (a queue of changed cells, rounds applied together, one finding at a time
// put into words) and ask these what a rule says about a cell or a line.
//
// Bit v - 1 of a mask is digit v:
//
//     bit   8 7 6 5 4 3 2 1 0
//     digit 9 8 7 6 5 4 3 2 1
//
// Cells are numbered row-major from 0: cell (r, c) of a grid of size n is r * n + c (0-based).
#include <bit>
#include <cstdint>

#include "solver/contatore.h"

namespace kelvaro {

// Digits 1..n.
inline constexpr Maschera TutteLeCifre(int n) {
    return static_cast<Maschera>((1u << n) - 1);
}

// --- naked singles ------------------------------------------------------------------------------
// At most one candidate. An empty cell passes too: every driver finds it on its own, and the
// test stays one instruction on the counter's path.
inline constexpr bool Singolo(Maschera m) {
    return (m & (m - 1)) == 0;
}
inline constexpr bool Indecisa(Maschera m) {
    return !Singolo(m);
}

// A decided cell (r, c) holding `m` takes it from the rest of its row and column: togli(i, nuova)
// is asked for every other cell i of the cross that holds it, with what it keeps, the row's cell
// before the column's for each k. Reads `celle` afresh at every cell, so togli may write there;
// false as soon as togli says false.
template <class Togli>
inline bool TogliDallaCroce(int n, int r, int c, Maschera m, const Maschera* celle, Togli togli) {
    const int j = r * n + c;
    const auto via = static_cast<Maschera>(~m);
    for (int k = 0; k < n; ++k) {
        const int tr = r * n + k, tc = k * n + c;
        if (tr != j && (celle[tr] & m) && !togli(tr, static_cast<Maschera>(celle[tr] & via))) return false;
        if (tc != j && (celle[tc] & m) && !togli(tc, static_cast<Maschera>(celle[tc] & via))) return false;
    }
    return true;
}

// --- hidden singles -----------------------------------------------------------------------------
// What the cells of a line hold: the digits at all (Una), in more than one cell (Due), and in a
// decided cell (Decise: those have their place already).
struct Presenze {
    Maschera Una = 0;
    Maschera Due = 0;
    Maschera Decise = 0;
};
// The line's n cells, cella(k) for k = 0..n-1. Decise is left empty unless asked for: the
// look-ahead, which reads its rounds off a grid held still, does without it.
template <bool ConDecise = true, class Cella>
inline Presenze ContaLinea(int n, Cella cella) {
    Presenze p;
    for (int k = 0; k < n; ++k) {
        const Maschera m = cella(k);
        p.Due |= p.Una & m;
        p.Una |= m;
        if constexpr (ConDecise) p.Decise |= Singolo(m) ? m : Maschera{0};
    }
    return p;
}
// Digits without a place in the line: it cannot be completed.
inline Maschera Mancanti(const Presenze& p, Maschera tutte) {
    return tutte & static_cast<Maschera>(~p.Una);
}
// Digits with one place in the line.
inline Maschera InUnPosto(const Presenze& p) {
    return p.Una & static_cast<Maschera>(~p.Due);
}
// Of those, the ones whose cell is not decided yet: that cell takes them.
inline Maschera SingoliNascosti(const Presenze& p) {
    return InUnPosto(p) & static_cast<Maschera>(~p.Decise);
}

// --- sign bounds --------------------------------------------------------------------------------
// The smallest and the largest digit of a mask, as one bit (0 for an empty mask).
inline constexpr Maschera MinimoDi(Maschera m) {
    return m & static_cast<Maschera>(-m);
}
inline constexpr Maschera MassimoDi(Maschera m) {
    return static_cast<Maschera>(std::bit_floor(unsigned{m}));
}
// What a cell may hold beside a neighbour holding m (not empty): if it is the greater of the two,
// the digits above m's smallest; if the smaller, the digits below m's largest.
inline constexpr Maschera SopraIlMinimo(Maschera m) {
    return static_cast<Maschera>(~((MinimoDi(m) << 1) - 1));
}
inline constexpr Maschera SottoIlMassimo(Maschera m) {
    return static_cast<Maschera>((1u << (std::bit_width(unsigned{m}) - 1)) - 1);
}

// What a cell loses to a bound x (one digit, as a bit) set by cells it must exceed (maggiore: x
// and every digit below it) or stay below (x and every digit above it, up to n).
inline constexpr Maschera EsclusiDalLimite(bool maggiore, Maschera x, int n) {
    return static_cast<Maschera>(maggiore ? ~SopraIlMinimo(x) : TutteLeCifre(n) & ~SottoIlMassimo(x));
}

// The digits a cell loses to the neighbours it must exceed (maggiore) or stay below along one
// line. `prec` and `succ` are the neighbours' candidates, 0 for a neighbour without a sign, outside
// the grid or without candidates. The bound is the larger smallest candidate of the two (the
// smaller largest one); when both neighbours share it only one of them can take it, so the bound
// becomes their smaller second candidate, and no bound when either has none (for "greater") or
// the greater second-largest candidate either has (for "less").
inline Maschera EsclusiDaSegno(bool maggiore, Maschera prec, Maschera succ) {
    auto estremo = [maggiore](Maschera m) { return maggiore ? MinimoDi(m) : MassimoDi(m); };
    Maschera x;  // the bound, as one bit
    if (prec && succ) {
        const Maschera xa = estremo(prec), xb = estremo(succ);
        if (xa != xb) {
            x = maggiore ? (xa > xb ? xa : xb) : (xa < xb ? xa : xb);
        } else {
            const Maschera a2 = prec ^ xa, b2 = succ ^ xb;
            if (maggiore) {
                if (!a2 || !b2) return 0;
                const Maschera sa = MinimoDi(a2), sb = MinimoDi(b2);
                x = sa < sb ? sa : sb;
            } else {
                if (!a2 && !b2) return 0;
                const Maschera sa = MassimoDi(a2), sb = MassimoDi(b2);
                x = sa > sb ? sa : sb;
            }
        }
    } else if (prec || succ) {
        x = estremo(prec | succ);
    } else {
        return 0;
    }
    return EsclusiDalLimite(maggiore, x, 9);
}

}  // namespace kelvaro
