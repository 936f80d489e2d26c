#pragma once
// The one random draw of the program: a process-wide sequence with a fixed start, never reseeded,
// so every run repeats the same draws.

#include <cstdint>

namespace kelvaro {

// floor(r * ValoreC + 1), r the next draw in [0, 1).
double GeneraCasuale(double ValoreC);
// The next `quanti` values of GeneraCasuale(ValoreC) as whole numbers, drawn in one go (no other
// thread's draw falls between them).
void GeneraCasuali(double ValoreC, int* valori, int quanti);
// Next raw draw in [0, 1).
double EstraiCasuale();
// Back to the fixed start: the web publisher calls it before each schema's solve, so that a page
// does not depend on the schemas published before it; tests use it for a known state.
void RiportaCasualeAllInizio();
// Where the sequence stands, and back there: a solve run aside (to count its steps) must leave
// the draws of the real one as they would have been.
uint32_t StatoCasuale();
void RipristinaCasuale(uint32_t stato);

}  // namespace kelvaro
