#pragma once
// The generation step: one new schema with the current settings, and its cycle questions.
//
// What the settings mean here:
// - Sizesc: the size; the generator works for sizes 2..9.
// - CelleIniziali: the givens the schema starts from, drawn at random from the solution grid (at
//   most N x N). They are never removed; the work is done on the signs. When every sign and these
//   givens still leave the grid open (common from 8 x 8 up with few givens), cells the techniques
//   leave undecided become givens too, one at a time, until it is solved.
// - Each primary cycle draws a new random solution grid, places its givens and every sign between
//   neighbouring cells, then removes signs in random order while the schema stays solvable, without
//   any trial, by the techniques switched on in AttivaMultipli. A secondary cycle works further on
//   the schema of the current primary cycle: another removal pass in a new random order.
// - MaxCercaVincoli ("Profondità analisi"): a removal pass ends after this many attempts in a row
//   that failed (the sign had to stay; 0 counts as 1), so a deeper analysis gives leaner, harder
//   schemas.
// - MisuraCiclo: the number of signs left. It falls as the schema gets leaner; once it is at or
//   below Soglia no further cycle runs.
// - MaxCiclo1 / MaxCiclo2: the cycles the questions grant (RipetiCiclo1 / RipetiCiclo2).
// - The step keeps the hardest schema its cycles reached (the level the techniques need, then the
//   fewest signs). OutputSchema saves every schema reached at the end of a cycle as well.
// - AttivaMultipli: the techniques the schema may need; signs are removed only while the schema
//   stays solvable with them, which steers it towards needing them.
// Every saved schema has exactly one solution (checked by the counter) and is solved by the step
// solver without a trial; it is saved in the current rule's DIR under the automatic name.
#include <array>
#include <cstdint>
#include <vector>

#include "banco.h"
#include "solver/contatore.h"

namespace kelvaro {

// 6: run another primary cycle, 7: stop.
int RipetiCiclo1(Banco& b);
// 6: run another secondary cycle, 7: stop.
int RipetiCiclo2(Banco& b);

// Produces one schema with the current settings and saves it (GenCont on) in the DIR of
// b.conf.Regole[b.conf.RegolaCorrente]. b.file.Salvato tells whether a file was written.
void DoGeneraAutoF1(Banco& b);

inline constexpr int SizescMinimaGenerabile = 2;

// --- pieces of the step, on bit masks ---------------------------------------------------------

// A random solution grid (digits 1..n, row-major) drawn with GeneraCasuale.
std::array<uint8_t, CelleMax> GrigliaCasuale(int n);

// One sign between neighbouring cells: `magg` is greater than `min` in the solution.
struct SegnoGrid {
    uint8_t magg = 0;
    uint8_t min = 0;
};
// Every sign of a solution grid, row-major, the right neighbour before the one below.
std::vector<SegnoGrid> TuttiISegni(int n, const std::array<uint8_t, CelleMax>& soluzione);
// Sets or clears the two flags of one sign.
void ImpostaSegno(SchemaBit& s, const SegnoGrid& g, bool presente);

// A schema the cycles reached.
struct SchemaProdotto {
    SchemaBit schema;
    std::array<uint8_t, CelleMax> soluzione{};
    int livello = 0;  // +1 naked subsets needed, +2 Swordfish needed
    int segni = 0;
};

// Makes a produced schema the current one of the workbench (tables, constraint lines, flags).
void ImpostaSchemaCorrente(Banco& b, const SchemaProdotto& p);
// Solves the current schema with the step solver in plain mode; true when it is solved without a
// trial and the result is the stored solution.
bool RisoltoSenzaTentativi(Banco& b);

}  // namespace kelvaro
