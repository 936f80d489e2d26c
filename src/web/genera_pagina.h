#pragma once
// "Nuovo schema" of the published pages: the core's generator asked by the page's WebAssembly
// module with one text, answered with lines as the pages read them.
#include <string>

namespace kelvaro {

// Answers "N|difficulty|seed": a new schema of size N (3..9) and of that difficulty (its name, as
// NomeDifficolta gives it), drawn from the random sequence started at `seed` (decimal, taken
// modulo 2^24), so the same request gives the same schema. The answer is the one a puzzle code
// gets (RispondiLeggiCodice of the schema's code: schema, soluzione, difficolta, codice), or
// "errore: " and the reason in Italian.
std::string RispondiGenera(const std::string& richiesta);

}  // namespace kelvaro
