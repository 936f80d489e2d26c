#pragma once
// What one solve works on: the schema (whose tblRisolto receives the result), the step list and
// counters, the log lines of the step in progress, the techniques switched on, and whoever watches.
// The solver reaches nothing else: no window, no display grid.
#include "model/colori.h"
#include "model/tabelle.h"
#include "solver/log_soluzione.h"
#include "solver/passo.h"

namespace kelvaro {

struct Tavola;

// Who watches a solve step by step: the window colours its grid, records the page history and
// shows the log window; everybody else watches nothing. Every hook defaults to doing nothing.
class Spettatore {
public:
    virtual ~Spettatore() = default;
    // Before the givens are recorded, and after the last line of the solve.
    virtual void Inizio() {}
    virtual void Fine() {}
    // Before a step is carried out, with the level's tables; false interrupts the solve.
    virtual bool PrimaDelPasso(const Tavola& t, LogSoluzione& log) {
        (void)t;
        (void)log;
        return true;
    }
    // After a step was carried out and reported; false interrupts the solve.
    virtual bool DopoIlPasso(LogSoluzione& log) {
        (void)log;
        return true;
    }
    // A cell of the step being carried out, as its record says (ColoraPasso): ColoreVerde placed or
    // justifying, ColoreGiallo losing candidates, ColoreRosso a contradiction.
    virtual void Colora(int r, int c, long colore) {
        (void)r;
        (void)c;
        (void)colore;
    }
};

struct Risoluzione {
    Schema& schema;
    Risolutore& ris;
    LogSoluzione& log;
    int AttivaMultipli = 3;  // +1 naked subsets, +2 Swordfish
    Spettatore& spettatore;
};

}  // namespace kelvaro
