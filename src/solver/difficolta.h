#pragma once
// A schema's difficulty by name, from the hardest deduction its solve with every technique on
// needs before any trial: what a player must know to finish it without guessing. Steps of trial
// branches never count.
#include <array>
#include <string>

#include "model/tabelle.h"

namespace kelvaro {

enum class Difficolta {
    Facile,     // singles, and signs read against a placed digit
    Medio,      // signs read against a neighbour's range of candidates, one sign at a time
    Difficile,  // naked or hidden subsets, a cell above (below) two neighbours of one line
    Esperto,    // Swordfish, sign chains, forcing chains
    Diabolico   // a trial is still needed
};

const char* NomeDifficolta(Difficolta d);
// The tier a step code belongs to; every placement and sign step counts as Facile (one step
// cannot tell which kind of sign reading it needed), a trial as Diabolico.
Difficolta DifficoltaDelCodice(const std::string& codice);
Difficolta DifficoltaSchema(const Schema& s);
// Whether the step solver finishes s without a trial with the techniques `tecniche` (0..7, +4 the
// whole master tier).
bool RisoltoSenzaTentativo(const Schema& s, int tecniche);

// The name and what the solve that earned it used, as players are told: steps of subsets,
// Swordfish and the master tier (Risolutore::NumMaestro), all taken before any trial. Facile and
// Medio need singles and signs only, so their counts are zero.
struct GiudizioDifficolta {
    Difficolta Nome = Difficolta::Facile;
    int Multipli = 0;
    int Swordfish = 0;
    std::array<int, 3> Maestro{};
};
GiudizioDifficolta GiudicaDifficolta(const Schema& s);

}  // namespace kelvaro
