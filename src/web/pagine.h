#pragma once
// Names of the published pages and the checks on the templates they are made from.
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// A schema file and the page it is published as.
struct PaginaSchema {
    std::string File;
    std::string Pagina;
    bool NomeProprio = true;  // false: the usual name could not be used, Pagina is a safe one
};

// The longest page name kept as it is: the publisher writes beside it a temporary name a little
// longer, and file systems stop at 255 bytes.
constexpr size_t MaxNomePagina = 150;

// A schema file name without its final ".txt" or ".xml" (any letter case).
std::string RadiceSchema(const std::string& file);
// A page name that can be used as it is: not too long, only A-Z a-z 0-9 and _ - . ~ +.
bool NomePaginaUtilizzabile(const std::string& nome);
// One page per schema file, in the order of the files. The usual name (NomePaginaSchema) where it
// is usable and not yet taken, in any letter case, by an earlier file or a reserved name;
// otherwise "Futoshiki_" + the file name with every other byte turned into "_" (cut short) + "_" +
// the file name's fingerprint + the extension. The same files always get the same names.
std::vector<PaginaSchema> PagineSchemi(const std::vector<std::string>& file, const std::string& estensione,
                                       const std::vector<std::string>& riservati);

// "" when a template name from Kelvaro.ini or the dialog can be used: a plain file name of
// template/ (no folder, not hidden) ending in .html or .htm; otherwise why not.
std::string ControlloNomeModello(const std::string& nome);

// The lines of a template; std::nullopt with the reason in `errore` when it is missing, not a
// regular file, larger than LimiteModello or unreadable. Never blocks.
std::optional<std::vector<std::string>> LeggiModello(const std::string& percorso, std::string& errore);

// True when the page template has the line where the schema goes ("|SCHEMA|" or "<SCHEMA>").
bool ModelloHaSchema(const std::vector<std::string>& righe);
// True when the index template has at least one row pattern ("<SCHEMIFUT").
bool ModelloHaRighe(const std::vector<std::string>& righe);

}  // namespace kelvaro
