#pragma once
// Puzzle codes: the game IDs that Simon Tatham's Unequal shows and reads, so that a schema can be
// passed around as one line of text ("5:0,0D,0,3R,...").
//
//   N[a][dL]:C,C,...,C[,]
//
// N is the size, "a" the Adjacent variant (bars between cells that differ by one: refused here),
// "dL" the difficulty Unequal generated it at (t e k x r; it does not change the puzzle). Then the
// N x N cells row by row, each its given digit (0 = empty) followed by the letters of the signs
// it is the greater side of: U the neighbour above, R the one to its right, D below, L to its
// left. Every sign is written once, on its greater cell; the comma after the last cell is
// optional (Unequal writes it).
#include <optional>
#include <string>

#include "model/tabelle.h"

namespace kelvaro {

// Sizes a code may have: Unequal's smallest grid is 3 x 3, Kelvaro's largest 9 x 9.
inline constexpr int DimMinCodice = 3;

// The schema a code describes: size, givens, signs (tblSoluzione left empty), Caricato set.
// std::nullopt, with what is wrong in `motivo` (Italian), for a code that is not well formed,
// that belongs to the Adjacent variant, or whose size Kelvaro does not handle. Blanks and line
// ends around the code are ignored.
std::optional<Schema> LeggiCodice(const std::string& codice, std::string& motivo);

// The code of a schema's givens and signs (hand digits and the solution are not part of it).
// std::nullopt, with the reason, for a size outside 3..9.
std::optional<std::string> ScriviCodice(const Schema& s, std::string& motivo);

// A code made into a schema ready to save: read as LeggiCodice does, then solved by the exact
// counter, and refused unless it has exactly one solution, which goes into tblSoluzione (so the
// file written from it carries its CHECK code).
std::optional<Schema> SchemaDaCodice(const std::string& codice, std::string& motivo);

}  // namespace kelvaro
