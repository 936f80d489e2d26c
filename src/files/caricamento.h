#pragma once
// Loading a schema file (".txt" or ".xml", one format).
#include <optional>
#include <string>

#include "banco.h"

namespace kelvaro {

inline constexpr const char* MsgFileErrato = "File inesistente o dati errati";

// A schema read from a file, not yet made current.
struct SchemaLetto {
    Schema schema;
    std::string CheckLetto;  // six characters after "<CHECK>" in the raw line; "" when absent
};

// Parses a file; std::nullopt when it cannot be read or its content is refused. Only a regular
// file of at most LimiteSchema bytes is read; its lines may end with LF, CR LF or CR alone.
std::optional<SchemaLetto> LeggiSchemaFile(const std::string& percorso);
// The same, with what was wrong in `motivo` (Italian, "" when the file loads).
std::optional<SchemaLetto> LeggiSchemaFile(const std::string& percorso, std::string& motivo);
// Parses the lines of a schema file (the same rules, without touching the disk).
std::optional<SchemaLetto> LeggiSchemaRighe(const std::vector<std::string>& righe,
                                            std::string* motivo = nullptr);
// "File inesistente o dati errati: FILE (what happened)", for the command line.
std::string MessaggioFileErrato(const std::string& percorso, const std::string& motivo);

// Loads NomeFileAperto (or asks with the open dialog when it is ""), makes it the current schema
// and shows it. A file that does not load changes nothing and shows "File inesistente o dati
// errati". Returns true when a schema was loaded; a cancelled dialog returns false silently.
bool CaricaSchema(Banco& b);

// The save prompt: never asked, since hand entries are not part of the file and nothing else
// changes a loaded schema. True would mean "abandon the operation".
bool ChiediSalvataggio(Banco& b);

// Sets NomeFile to the automatic name from the last solve's counters and b.Orologio.
void GeneraNomeAut(Banco& b);

}  // namespace kelvaro
