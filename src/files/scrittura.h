#pragma once
// Writing schema files and the CHECK code.
#include <cstdint>
#include <string>

#include "banco.h"

namespace kelvaro {

inline constexpr int32_t ChiaveIniziale = 418207;

// One output digit per input character; advances the key.
std::string MescolaCifre(const std::string& s, int32_t& ChiaveCifre);
// CHECK code of a solution table of size n (six digits).
std::string CreaPwd(const Tabella& tblSoluzione, int n);
// CHECK code of the current solution; leaves b.ChiaveCifre where the scrambler left it.
std::string CreaPwd(Banco& b);

// The seven lines of a schema file, each ended by CR LF.
std::string TestoFileSchema(const Schema& s);

// Save: the path comes from the save dialog, or, in continuous generation, from the current
// rule's DIR and NomeFile (a name already taken, even by another run at the same moment, gets
// "_2", "_3", ... before the extension). Writes through a temporary file; Salvato tells whether
// the file is now on disk.
void CmdSalvaxml_Click(Banco& b);

// Where a rule's DIR points: relative folders are taken from the program directory.
std::string CartellaRegola(const Banco& b, const std::string& dir);

}  // namespace kelvaro
