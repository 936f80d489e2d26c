// kelvaro-cli libretto: the PDF booklet of a folder of schemas. It draws with the window's
// painting routine, so it exists where the Qt workbench is built; it needs no display.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/comandi.h"

#ifdef KELVARO_LIBRETTO
#include <QGuiApplication>

#include "model/testo.h"
#include "ui/libretto.h"
#endif

namespace kelvaro::cli {

namespace {

constexpr const char* UsoLibretto =
    "Uso: kelvaro-cli libretto [--per-pagina 1|2|4|6] [--soluzioni] [--formato A4|Letter] CARTELLA FILE.pdf\n"
    "  disegna ogni schema (.txt, .xml) della CARTELLA come nella finestra, con nome, dimensione\n"
    "  e livello sotto, 4 per pagina se --per-pagina manca; --soluzioni aggiunge in fondo le\n"
    "  soluzioni in piccolo, 12 per pagina\n";

}  // namespace

int Libretto(const Argomenti& args) {
    int perPagina = 4;
    bool soluzioni = false;
    std::string formato = "A4";
    std::vector<std::string> posizionali;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--help" || a == "-h") {
            std::fputs(UsoLibretto, stdout);
            return 0;
        }
        if (a == "--soluzioni") {
            soluzioni = true;
        } else if (a == "--per-pagina" && k + 1 < args.size()) {
            const std::string v = args[++k];
            if (v != "1" && v != "2" && v != "4" && v != "6") {
                std::fprintf(stderr, "errore: --per-pagina vuole 1, 2, 4 o 6, non '%s'\n", v.c_str());
                return 2;
            }
            perPagina = std::stoi(v);
        } else if (a == "--formato" && k + 1 < args.size()) {
            formato = args[++k];
            if (formato != "A4" && formato != "Letter") {
                std::fprintf(stderr, "errore: --formato vuole A4 o Letter, non '%s'\n", formato.c_str());
                return 2;
            }
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            std::fputs(UsoLibretto, stderr);
            return 2;
        } else {
            posizionali.push_back(a);
        }
    }
    if (posizionali.size() != 2 || posizionali[0].empty() || posizionali[1].empty()) {
        std::fputs(UsoLibretto, stderr);
        return 2;
    }
#ifdef KELVARO_LIBRETTO
    // No display needed: Qt's offscreen platform draws the PDF as well.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char nome[] = "kelvaro-cli";
    char* argv[] = {nome, nullptr};
    QGuiApplication app(argc, argv);
    ui::OpzioniLibretto o;
    o.PerPagina = perPagina;
    o.Soluzioni = soluzioni;
    o.Formato = formato == "Letter" ? QPageSize::Letter : QPageSize::A4;
    const ui::EsitoLibretto e =
        ui::CreaLibretto(QString::fromStdString(posizionali[0]), QString::fromStdString(posizionali[1]), o);
    for (const QString& s : e.Scartati)
        std::fprintf(stderr, "%s: %s, saltato\n", TestoStampabile(s.toStdString()).c_str(),
                     "File inesistente o dati errati");
    if (!e.Errore.isEmpty()) {
        std::fprintf(stderr, "errore: %s\n", TestoStampabile(e.Errore.toStdString()).c_str());
        return 1;
    }
    std::printf("libretto: %d schemi, %d pagine in %s\n", e.Schemi, e.Pagine, posizionali[1].c_str());
    return 0;
#else
    std::fputs(
        "errore: questo kelvaro-cli è stato compilato senza Qt e non sa disegnare il libretto; "
        "compilarlo con KELVARO_UI=ON\n",
        stderr);
    return 2;
#endif
}

}  // namespace kelvaro::cli
