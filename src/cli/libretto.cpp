// kelvaro-cli libretto: the PDF booklet of a folder of schemas. The drawing needs Qt, and the
// command line must not load it for its other commands: the arguments are checked here, then
// the small painter program beside this one (kelvaro-libretto) takes over the process, with the
// same standard output, error and exit status.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/programma.h"
#include "cli/comandi.h"
#include "cli/libretto_argomenti.h"

namespace kelvaro::cli {

namespace {

// Beside the executable in a build folder; under PREFIX/libexec/kelvaro once installed.
std::string ProgrammaPittore() {
    namespace fs = std::filesystem;
    const fs::path qui = CartellaEseguibile();
    for (const fs::path& p :
         {qui / "kelvaro-libretto", qui / ".." / "libexec" / "kelvaro" / "kelvaro-libretto"}) {
        std::error_code ec;
        if (fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0)
            return p.lexically_normal().string();
    }
    return {};
}

}  // namespace

int Libretto(const Argomenti& args) {
    int stato = 0;
    if (!LeggiRichiestaLibretto(args, stato)) return stato;
    const std::string pittore = ProgrammaPittore();
    if (pittore.empty()) {
        std::fputs(
            "errore: manca il programma che disegna il libretto (kelvaro-libretto), che si compila "
            "con Qt (KELVARO_UI=ON)\n",
            stderr);
        return 2;
    }
    std::vector<std::string> parole{pittore};
    parole.insert(parole.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& p : parole) argv.push_back(p.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    ::execv(pittore.c_str(), argv.data());
    std::fprintf(stderr, "errore: impossibile avviare %s: %s\n", pittore.c_str(), std::strerror(errno));
    return 2;
}

}  // namespace kelvaro::cli
