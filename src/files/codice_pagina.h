#pragma once
// Puzzle codes as the published pages ask for them: the page hands its WebAssembly module one
// text and reads lines back, as it does for the hint and the rule check.
#include <string>

#include "model/tabelle.h"

namespace kelvaro {

// A schema's givens and signs in the pages' request form: "N|givens|signs", givens N x N digits
// row by row (0 = empty), signs "r1c1r2c2" groups (cell 1 greater than cell 2) run together.
std::string RichiestaSchema(const Schema& s);

// Answers a puzzle code (as a link's fragment carries it) with the schema it stands for:
//   "schema: N|givens|signs"   the schema, in the pages' request form
//   "soluzione: 123..."        its one solution, N x N digits
//   "difficolta: Medio"        its difficulty name
//   "codice: 5:0,0D,..."       the code written again as Kelvaro writes it
// or, for a code that cannot be read or has no solution or more than one, one line
// "errore: " followed by the reason in Italian.
std::string RispondiLeggiCodice(const std::string& codice);

// Answers "N|givens|signs" with "codice: ..." (the schema's puzzle code), or "errore: ...".
std::string RispondiScriviCodice(const std::string& richiesta);

}  // namespace kelvaro
