// kelvaro-cli aiuto FILE [--griglia CIFRE] [--tecniche K]: the next step the solver would take
// from the schema's givens, or from a player's position given as N x N digits (0 = empty) row
// after row, with the techniques K (0..7, 3 when left out).
#include <cstdio>
#include <string>

#include "cli/comandi.h"
#include "files/caricamento.h"
#include "model/testo.h"
#include "solver/suggerimento.h"

namespace kelvaro::cli {

namespace {

constexpr const char* UsoAiuto = "Uso: kelvaro-cli aiuto FILE [--griglia CIFRE] [--tecniche K]\n";

}  // namespace

int Aiuto(const Argomenti& args) {
    std::string percorso;
    std::string griglia;
    bool conGriglia = false;
    // Every technique by default, as the window and the pages ask: "only a trial" only when no
    // step of the master tier applies either.
    int tecniche = 7;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--griglia") {
            if (k + 1 >= args.size()) {
                std::fputs(UsoAiuto, stderr);
                return 2;
            }
            griglia = args[++k];
            conGriglia = true;
        } else if (a == "--tecniche") {
            if (k + 1 >= args.size()) {
                std::fputs(UsoAiuto, stderr);
                return 2;
            }
            tecniche = LeggiTecniche(args[++k]);
            if (tecniche < 0) return 2;
        } else if (percorso.empty()) {
            percorso = a;
        } else {
            std::fputs(UsoAiuto, stderr);
            return 2;
        }
    }
    if (percorso.empty()) {
        std::fputs(UsoAiuto, stderr);
        return 2;
    }
    std::string motivo;
    auto letto = LeggiSchemaFile(percorso, motivo);
    if (!letto) {
        std::fprintf(stderr, "errore: %s\n", TestoStampabile(MessaggioFileErrato(percorso, motivo)).c_str());
        return 2;
    }
    const Schema& s = letto->schema;
    const int n = s.Sizesc;
    Tabella voci{};
    if (conGriglia) {
        if (static_cast<int>(griglia.size()) != n * n) {
            std::fprintf(stderr, "errore: --griglia vuole %d cifre, non %zu\n", n * n, griglia.size());
            return 2;
        }
        // A letter or a digit past N is no position at all: refused like a wrong length.
        for (size_t k = 0; k < griglia.size(); ++k) {
            const unsigned char ch = static_cast<unsigned char>(griglia[k]);
            if (ch >= '0' && ch <= '0' + n) continue;
            char mostrato[8];
            if (ch > 0x20 && ch < 0x7f)
                std::snprintf(mostrato, sizeof mostrato, "%c", ch);
            else
                std::snprintf(mostrato, sizeof mostrato, "\\x%02X", ch);
            std::fprintf(stderr, "errore: --griglia vuole cifre da 0 a %d, non '%s' (posizione %zu)\n", n,
                         mostrato, k + 1);
            return 2;
        }
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) voci[r][c] = std::string(1, griglia[(r - 1) * n + c - 1]);
    }
    const Suggerimento h = CalcolaSuggerimento(s, voci, nullptr, tecniche);
    const std::string testo = TestoSuggerimento(h);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
    std::fflush(stdout);
    return h.esito == Suggerimento::Esito::Passo ? 0 : 1;
}

}  // namespace kelvaro::cli
