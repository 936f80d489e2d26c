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
// A sequence of its own, from the same fixed start: a solve that grades a schema draws its trial
// order from one, so that the level never depends on what was drawn before, in this thread or
// another (the window's "Nuovo" draws from a worker thread).
class SequenzaCasuale {
public:
    // The same values GeneraCasuali would give from this sequence's state.
    void GeneraCasuali(double ValoreC, int* valori, int quanti);

private:
    uint32_t stato_ = 327680;
};

// Back to the fixed start, for tests that need a known state (a grade uses a SequenzaCasuale of
// its own instead).
void RiportaCasualeAllInizio();
// Where the sequence stands, and back there: a solve run aside (to count its steps) must leave
// the draws of the real one as they would have been.
uint32_t StatoCasuale();
void RipristinaCasuale(uint32_t stato);

}  // namespace kelvaro
