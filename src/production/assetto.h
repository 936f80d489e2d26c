#pragma once
// The generator's settings by difficulty name, apart from the workbench: batch production, the
// window's "Nuovo" and the pages' generator share them.
#include <optional>

#include "solver/difficolta.h"

namespace kelvaro {

// Generation steps tried for one schema of a rule that asks for a difficulty (or when a schema
// repeats one already written in the run) before the rule is given up with a message.
inline constexpr int TentativiPerSchema = 40;

// Generator settings under which schemas of difficulty d are common at size n: the techniques
// the generator's check may use (AttivaMultipli) and how many givens it starts from. The
// generator removes clues while its techniques still finish the schema, so fewer techniques and
// more givens give easier schemas. Diabolico has none: the generator keeps only schemas its
// check solves without a trial.
struct AssettoGeneratore {
    int Tecniche = 3;
    int CelleIniziali = 2;
};
std::optional<AssettoGeneratore> AssettoPerDifficolta(Difficolta d, int n);

}  // namespace kelvaro
