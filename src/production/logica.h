#pragma once
// The solver's logical techniques on bit masks, for the generator's inner checks: "is this
// schema solved without any trial by the techniques switched on, and which of the advanced ones
// does it need?". Same deductions as the step solver (singles, sign bounds, naked subsets of
// 2 to 4 cells, Swordfish on two lines), tried in the same order of priority, so that what it
// says needed is what the step solver will count; the saved schema is still graded by the step
// solver itself.
#include <array>

#include "solver/contatore.h"

namespace kelvaro {

enum class EsitoLogica { Risolto, Bloccato, Contraddizione };

struct RisultatoLogica {
    EsitoLogica esito = EsitoLogica::Bloccato;
    bool UsaMultipli = false;   // a naked subset was needed
    bool UsaSwordfish = false;  // a Swordfish was needed
    std::array<Maschera, CelleMax> candidati{};
};

// tecniche: +1 naked subsets, +2 Swordfish (the AttivaMultipli bits). Singles and sign bounds are
// always on.
RisultatoLogica RisolviLogica(const SchemaBit& s, int tecniche);

// Bit mask form of the difficulty: +1 naked subsets needed, +2 Swordfish needed.
inline int LivelloLogico(const RisultatoLogica& r) {
    return (r.UsaMultipli ? 1 : 0) | (r.UsaSwordfish ? 2 : 0);
}

}  // namespace kelvaro
