#pragma once
// The rules of a position, checked once for everybody: the window's red marks, the hint's error,
// the grid recognised as solved. Each break says why: which cell repeats which digit, which sign
// two filled cells break.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/tabelle.h"

namespace kelvaro {

struct CellaRC {
    int Riga = 0;
    int Colonna = 0;
    bool operator==(const CellaRC& o) const { return Riga == o.Riga && Colonna == o.Colonna; }
};

// The digits of a position, [r][c] for r, c in 1..N; 0 for an empty cell.
using Cifre = std::array<std::array<int, 10>, 10>;

struct Violazione {
    enum class Tipo { Ripetuta, Segno };
    Tipo tipo = Tipo::Ripetuta;
    CellaRC A;  // Ripetuta: the first of the two cells; Segno: the cell the sign is read from
    CellaRC B;
    int Cifra = 0;          // Ripetuta: the digit repeated
    bool InRiga = false;    // Ripetuta: in a row (else in a column)
    bool Maggiore = false;  // Segno: A must be greater than B (else less)
};

// Every break among the filled cells, in this order: per cell in row-major order, the later cells
// of its row, then of its column, holding its digit; then per cell in row-major order its signs
// (right greater, right less, below greater, below less) that the two filled cells break.
std::vector<Violazione> ControllaRegole(const Schema& s, const Cifre& cifre);

// "Due 4 nella riga 3", "R1C2 deve essere maggiore di R1C3".
std::string FraseViolazione(const Violazione& v);

// The digits empty cell (r, c) can still take, the player's valid notes: none another cell of its
// row or column holds, and within the bounds the signs set, carried along chains of signs through
// empty cells (a cell greater than another is at least one more). Bit d = digit d; 0 for a filled
// cell or a cell outside the grid.
uint16_t CifreValide(const Schema& s, const Cifre& cifre, int r, int c);

// Every cell filled and no rule broken.
bool PosizioneRisolta(const Schema& s, const Cifre& cifre);

// The solution stored in the schema file, when it is one: every cell a digit 1..N, the givens
// kept, no digit repeated and no sign broken. Otherwise nothing: a file may carry any SOLUTION.
std::optional<Cifre> SoluzioneSalvataValida(const Schema& s);
// The file carries a SOLUTION at all (some cell of it is not empty nor "0").
bool HaSoluzioneSalvata(const Schema& s);

}  // namespace kelvaro
