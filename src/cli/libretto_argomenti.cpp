#include "cli/libretto_argomenti.h"

#include <cstdio>

namespace kelvaro::cli {

const char* const UsoLibretto =
    "Uso: kelvaro-cli libretto [--per-pagina 1|2|4|6] [--soluzioni] [--formato A4|Letter] CARTELLA FILE.pdf\n"
    "  disegna ogni schema (.txt, .xml) della CARTELLA come nella finestra, con nome, dimensione\n"
    "  e livello sotto, 4 per pagina se --per-pagina manca; --soluzioni aggiunge in fondo le\n"
    "  soluzioni in piccolo, 12 per pagina\n";

std::optional<RichiestaLibretto> LeggiRichiestaLibretto(const Argomenti& args, int& stato) {
    RichiestaLibretto r;
    std::vector<std::string> posizionali;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--help" || a == "-h") {
            std::fputs(UsoLibretto, stdout);
            stato = 0;
            return std::nullopt;
        }
        if (a == "--soluzioni") {
            r.Soluzioni = true;
        } else if (a == "--per-pagina" && k + 1 < args.size()) {
            const std::string v = args[++k];
            if (v != "1" && v != "2" && v != "4" && v != "6") {
                std::fprintf(stderr, "errore: --per-pagina vuole 1, 2, 4 o 6, non '%s'\n", v.c_str());
                stato = 2;
                return std::nullopt;
            }
            r.PerPagina = v[0] - '0';
        } else if (a == "--formato" && k + 1 < args.size()) {
            r.Formato = args[++k];
            if (r.Formato != "A4" && r.Formato != "Letter") {
                std::fprintf(stderr, "errore: --formato vuole A4 o Letter, non '%s'\n", r.Formato.c_str());
                stato = 2;
                return std::nullopt;
            }
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            std::fputs(UsoLibretto, stderr);
            stato = 2;
            return std::nullopt;
        } else {
            posizionali.push_back(a);
        }
    }
    if (posizionali.size() != 2 || posizionali[0].empty() || posizionali[1].empty()) {
        std::fputs(UsoLibretto, stderr);
        stato = 2;
        return std::nullopt;
    }
    r.Cartella = posizionali[0];
    r.FilePdf = posizionali[1];
    return r;
}

}  // namespace kelvaro::cli
