#pragma once
// The grade of a schema: what verifica, the publisher, both booklets and the window show as its
// level. One plain solve from the givens, with no depth limit, its trial order drawn from a
// sequence of its own started afresh: the answer depends on the schema alone, never on what was
// graded or generated before it.
#include "model/tabelle.h"
#include "solver/log_soluzione.h"
#include "solver/passo.h"

namespace kelvaro {

struct Valutazione {
    bool Risolto = false;
    bool SenzaSoluzione = false;  // the solve proved there is none
    int TecnicheUsate = 0;        // 0 none, 1 subsets, 2 Swordfish, 3 both
    int NumMultipli = 0;
    int NumSwordfish = 0;
    int NumProve = 0;                 // trial steps
    std::array<int, 3> NumMaestro{};  // steps of the master tier (Risolutore::NumMaestro)
    long Livello = 0;                 // LivelloSchema(NumSwordfish, NumMultipli)
    Tabella tblRisolto{};
};

// A plain solve of s from its givens (s.tblRisolto receives the result) with the techniques
// `tecniche`: no depth limit, nobody watching, the step list kept short. Its lines go to
// `resoconto` (nowhere when null). The trial order comes from ris.Sequenza when set, else from the
// process-wide sequence (the generator's solves rely on that). ris keeps the counters and the
// verdict; its other settings are left as they were. A caller that solves again and again passes
// its own `log`, whose lines keep their storage from one solve to the next.
void RisolviPiano(Schema& s, Risolutore& ris, int tecniche, Resoconto* resoconto = nullptr,
                  LogSoluzione* log = nullptr);

// The solver state made ready for a grading solve: plain mode, no depth limit, a fresh sequence.
void PreparaValutazione(Risolutore& ris);

// Grades s with the techniques `tecniche` (+1 naked subsets, +2 Swordfish); the lines of the solve
// go to `resoconto` when given.
Valutazione ValutaSchema(const Schema& s, int tecniche = 3, Resoconto* resoconto = nullptr);

}  // namespace kelvaro
