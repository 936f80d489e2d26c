#pragma once
// The rule check of a position asked as one text, as the published pages ask their WebAssembly
// module: the page keeps no rule of its own, so its live marks, its solved grid and its palette
// come from the same ControllaRegole the window uses.
#include <optional>
#include <string>

#include "model/tabelle.h"
#include "rules/regole.h"

namespace kelvaro {

// A position as the page sends it: "N|givens|signs|entries", givens and entries N x N digits row
// after row (0 = empty; entries may be left out, and a filled entry wins over the given),
// signs "r1c1r2c2" groups run together (cell 1 greater than cell 2). The hint's request starts
// the same way; what follows the fourth field is the caller's.
struct PosizioneRichiesta {
    Schema schema;
    Cifre cifre{};
};
std::optional<PosizioneRichiesta> LeggiPosizioneRichiesta(const std::string& richiesta);
// The schema of a request's first three fields, for the rule check and the hint alike: size 1..9,
// N x N givens taken as written (the caller judges their digits), signs between neighbouring cells
// of the grid. nullopt for anything else.
std::optional<Schema> SchemaDaRichiesta(const std::string& dim, const std::string& dati,
                                        const std::string& segni);
// The field of a request that starts at pos, up to "|" or the end; pos moves past it.
std::string CampoRichiesta(const std::string& s, size_t& pos);

// The digits cell (r, c) can hold beside the other filled cells of `cifre` (its own digit left
// out): bit d set for digit d.
int CifreAmmesse(const Schema& s, const Cifre& cifre, int r, int c);

// Answers "N|givens|signs|entries|cell" with lines:
//   "sbagliate: R1C1 R1C3"  every cell of a broken rule, row-major (only when there is one)
//   "violazione: ..."       one per broken rule, in ControllaRegole's order, as FraseViolazione
//   "risolta: si|no"        every cell filled and no rule broken
//   "ammesse: R2C3:134"     when the fifth field names a cell (0-based, row-major): CifreAmmesse
// or "errore: Richiesta non valida".
std::string RispondiRegole(const std::string& richiesta);

// Answers "N|givens|signs|entries" with the valid notes of every empty cell, row-major, as one
// line: "valide: R1C2:345 R1C3:" (CifreValide; a cell with none ends at its colon), or
// "errore: Richiesta non valida".
std::string RispondiValide(const std::string& richiesta);

}  // namespace kelvaro
