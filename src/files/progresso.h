#pragma once
// The player's progress on a schema (hand entries and notes), kept in a small file beside the
// schema file so that the schema file itself stays exactly as written:
//
//   <PARTITA>1                  format version
//   <SIZE>7                     the schema's size N
//   <DATI>2000000...            the givens, N x N digits row by row, 0 = empty (as the SCHEMA line)
//   <CIFRE>0030000...           the hand entries, N x N digits row by row, 0 = none
//   <NOTE>.13..245...           N x N groups separated by '.', each the noted digits ascending
//
// Lines end with CR LF. A file whose size or givens do not match the schema is ignored.
#include <string>

#include "banco.h"

namespace kelvaro {

// "schema.txt" -> "schema.txt.partita"
std::string PercorsoProgresso(const std::string& fileSchema);
// The player has written a digit or a note on the grid.
bool CiSonoMosseAMano(const Banco& b);
std::string TestoProgresso(const Banco& b);
// Applies a progress text to the grid shown (digits and notes); false, with nothing changed,
// when the text does not belong to the open schema.
bool ApplicaProgresso(Banco& b, const std::vector<std::string>& righe, std::string* motivo = nullptr);

// Writes the progress beside fileSchema, atomically; with no hand work the old file is removed.
// On failure says so, naming the file, and returns false.
bool SalvaProgresso(Banco& b, const std::string& fileSchema);
// Restores the progress kept beside fileSchema, if any and if it matches. True when restored.
// A progress file that is there but cannot be read (a FIFO, a device, a folder, too big, not
// readable) is left alone, and the status bar says why, naming it.
bool RipristinaProgresso(Banco& b, const std::string& fileSchema);

// Before hand work is thrown away (open, close, "Risolvi", "Mostra"): asks whether to save it.
// Yes saves it beside the schema file (and goes on only if that worked), No goes on, Cancel
// stops. With no file to save beside, a Yes/No question. True = go on.
bool ConfermaAbbandono(Banco& b);

}  // namespace kelvaro
