#pragma once
// The one random draw of the program: a process-wide sequence with a fixed start, never reseeded,
// so every run repeats the same draws.

namespace kelvaro {

// floor(r * ValoreC + 1), r the next draw in [0, 1).
double GeneraCasuale(double ValoreC);
// Next raw draw in [0, 1).
double EstraiCasuale();
// Back to the fixed start. For tests only: the program never calls it.
void RiportaCasualeAllInizio();

}  // namespace kelvaro
