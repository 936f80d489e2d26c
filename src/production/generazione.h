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
// Every schema given out has exactly one solution (checked by the counter) and is solved by the
// step solver without a trial.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/risposte.h"
#include "model/tabelle.h"
#include "production/impostazioni.h"
#include "solver/contatore.h"
#include "solver/difficolta.h"
#include "solver/log_soluzione.h"
#include "solver/passo.h"

namespace kelvaro {

// What the cycle counters answer to "another primary (secondary) cycle?": 6 yes, 7 no, and 0
// when the settings leave the question to the user (GenCont off and the schema still above
// Soglia).
int RispostaCiclo1(Cicli& k, const Impostazioni& imp);
int RispostaCiclo2(Cicli& k, const Impostazioni& imp);

// Takes a schema the generation step confirmed (one solution, solved by the step solver without
// a trial, `ris` holding that solve's counts); false when it could not take it (a folder refused
// the file), which ends the step.
using ConsegnaGenerato = std::function<bool(const Schema&, const Risolutore&)>;

struct EsitoGenerazione {
    bool DimensioneNonValida = false;  // n outside 2..9: nothing was tried
    bool Preso = false;                // the taker took a schema
    bool Fermato = false;              // the taker refused one (OutputSchema): the step ended there
    bool NessunoConfermato = false;    // no schema reached was confirmed by the step solver
    Cicli cicli;                       // the cycle counters at the end
};

// One generation step with the settings imp at size n, as continuous generation runs it (the
// cycle questions answered by the counters). Confirmed schemas go to `consegna`: every one
// reached at the end of a cycle with OutputSchema, and the hardest reached when none was taken.
// The step solver runs in `ris` (its draws are the process-wide sequence's unless ris has its
// own) and writes to `log` when given. Touches nothing else but the random draw.
EsitoGenerazione GeneraSchema(const Impostazioni& imp, int n, Risolutore& ris, LogSoluzione* log,
                              const ConsegnaGenerato& consegna);

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

// A produced schema as the schema tables hold it (givens, stored solution, constraint lines, flags).
Schema SchemaDaProdotto(const SchemaProdotto& p);
// Solves s with the step solver in plain mode with the techniques `tecniche`; true when it is
// solved without a trial and the result is the stored solution.
bool RisoltoSenzaTentativi(Schema& s, Risolutore& ris, int tecniche, LogSoluzione* log = nullptr);

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

// One schema made in memory, as the window's "Nuovo" makes it: the schema, its automatic name and
// its step counts.
struct SchemaGenerato {
    Schema schema;
    std::string NomeFile;
    int NumMultipli = 0;
    int NumSwordfish = 0;
};
// The generation step with the settings imp at size n; nothing is written. Safe on any thread: it
// shares nothing but the random draw.
// With a difficulty, the settings become the ones that make it often (AssettoPerDifficolta) and
// the step runs again, up to TentativiPerSchema times, until a schema of that name comes out;
// nothing when none does.
// The same without the automatic name (NomeFile stays ""): what the pages' generator runs, with
// neither the clock nor the name's formatting in their module.
std::optional<SchemaGenerato> GeneraSenzaNome(const Impostazioni& imp, int n,
                                              std::optional<Difficolta> difficolta = std::nullopt);
std::optional<SchemaGenerato> GeneraInMemoria(const Impostazioni& imp, int n,
                                              std::optional<Difficolta> difficolta = std::nullopt);

}  // namespace kelvaro
