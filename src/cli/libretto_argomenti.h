#pragma once
// The arguments of "kelvaro-cli libretto", read the same way by the command line (which has no
// Qt) and by the small painter program it hands the work to.
#include <optional>
#include <string>

#include "cli/comandi.h"

namespace kelvaro::cli {

struct RichiestaLibretto {
    int PerPagina = 4;  // 1, 2, 4 or 6
    bool Soluzioni = false;
    std::string Formato = "A4";  // "A4" or "Letter"
    std::string Cartella;
    std::string FilePdf;
};

extern const char* const UsoLibretto;

// The request, or nothing with `stato` set: 0 after "--help" (the usage printed on standard
// output), 2 for arguments it cannot use (the reason on standard error).
std::optional<RichiestaLibretto> LeggiRichiestaLibretto(const Argomenti& args, int& stato);

}  // namespace kelvaro::cli
