#pragma once
// Looking ahead on bit masks, with no step recorded: what singles and sign bounds make of a grid
// left to themselves. The forcing chain asks it "what if this cell held v?"; the grade asks it
// whether naked singles and signs alone finish a schema.
//
// Cells are numbered row-major from 0, as in the counter: cell (r, c) is (r - 1) * n + c - 1.
#include <array>
#include <cstdint>
#include <vector>

#include "solver/contatore.h"

namespace kelvaro {

struct GrigliaBit {
    int n = 0;
    std::array<Maschera, CelleMax> S{};  // candidates, bit v - 1 = digit v
};

// Pairs (greater cell, smaller cell), as CoppieSegni gives them.
using CoppieDiSegni = std::vector<std::array<uint8_t, 2>>;

struct Deduzione {
    int Cella = 0;
    int Cifra = 0;
};

// Where a propagation ran dry: a cell without candidates, a digit without a place in a line, or
// a digit decided twice in a line.
struct Contraddizione {
    enum class Tipo { Nessuna, Cella, Riga, Colonna, DueInRiga, DueInColonna };
    Tipo tipo = Tipo::Nessuna;
    int Indice = 0;  // the cell, or the line (0-based)
    int Cifra = 0;   // the digit a line lacks, or holds twice
};

struct RegolePropagazione {
    bool Nascosti = true;         // hidden singles too, not only a cell's last candidate
    bool SegniDaIndecise = true;  // sign bounds from a neighbour's range, not only from its digit
    int MaxGiri = 1000;           // past this many rounds the propagation gives up
};

struct EsitoPropagazione {
    Contraddizione dove;
    // The cells decided on the way, in the order they were decided; a cell that held one
    // candidate from the start is no deduction and is not listed.
    std::vector<Deduzione> Dedotte;
    bool Interrotta = false;  // MaxGiri was reached first
    int Giri = 0;             // rounds made (the last one found the contradiction, if any)
    bool Risolta = false;     // every cell ends with one candidate, without contradiction
};

// Applies naked singles, sign bounds and (if asked) hidden singles to g, round after round, until
// nothing changes or something empties. g keeps what was reached.
EsitoPropagazione Propaga(GrigliaBit& g, const CoppieDiSegni& segni, const RegolePropagazione& regole);

}  // namespace kelvaro
