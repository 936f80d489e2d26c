#pragma once
// Template filling and compaction of the page script's identifiers: the published script and
// the published pages must carry the same short codes.
#include <string>
#include <utility>
#include <vector>

#include "banco.h"

namespace kelvaro {

// Folders of the program directory, with a trailing '/'.
std::string CartellaModelli(const Banco& b);     // template/
std::string CartellaSchemiSito(const Banco& b);  // schemixwebsite/
std::string CartellaSitoProva(const Banco& b);   // perwebsiteprove/
std::string CartellaSito(const Banco& b);        // perwebsite/

inline constexpr const char* FileScript = "schemaFutoshiki.js";

// "a" + decimal number -> "a" + the number in base 2 on six digits ("a13" -> "a001101").
std::string NomeBinario(const std::string& codice);
// "dd/mm/yyyy" with the month in Italian words: "01/01/2009" -> "01 Gennaio 2009".
std::string DataInlettera(const std::string& data);
// "dd/mm/yyyy" -> "yymmdd".
std::string DataAAMMGG(const std::string& data);

// The 49 script names and their codes, in the order they are replaced (longer names first
// where one contains another).
const std::vector<std::pair<std::string, std::string>>& IdentificatoriScript();
// Every script name of the table replaced by its code, in the table's order.
std::string CompattaIdentificatori(const std::string& riga);

// The output text Stringi makes from the template lines (CR LF lines): placeholders filled,
// the fragment inserted at a "<SCHEMA>" / "|SCHEMA|" line, names compacted; PerRighe keeps one
// line per code line (comments and blank lines dropped), otherwise the page is one line.
std::string CompilaModello(const Banco& b, const std::vector<std::string>& righe, bool PerRighe,
                           const std::string& Titolo);

// template/FileModello -> perwebsiteprove/FileUscita. A missing template or output folder, or a
// failed write, is reported through Finestre and leaves the output as it was; returns false.
bool Stringi(Banco& b, const std::string& FileModello, const std::string& FileUscita, bool PerRighe,
             const std::string& Titolo);
// Compacts the page script template into perwebsiteprove/.
bool Stringi_Click(Banco& b);

}  // namespace kelvaro
