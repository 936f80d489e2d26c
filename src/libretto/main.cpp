// kelvaro-libretto: draws the booklet for "kelvaro-cli libretto", which hands its arguments here
// so that only this small program loads Qt (its GUI module, no widgets). It needs no display:
// Qt's offscreen platform draws the PDF as well.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "cli/libretto_argomenti.h"
#include "model/testo.h"
#include "pittura/libretto.h"

int main(int argc, char** argv) {
    using namespace kelvaro;
    const cli::Argomenti args(argv + 1, argv + argc);
    int stato = 0;
    const auto r = cli::LeggiRichiestaLibretto(args, stato);
    if (!r) return stato;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argcQt = 1;
    char nome[] = "kelvaro-cli";
    char* argvQt[] = {nome, nullptr};
    QGuiApplication app(argcQt, argvQt);
    ui::OpzioniLibretto o;
    o.PerPagina = r->PerPagina;
    o.Soluzioni = r->Soluzioni;
    o.Formato = r->Formato == "Letter" ? QPageSize::Letter : QPageSize::A4;
    const ui::EsitoLibretto e =
        ui::CreaLibretto(QString::fromStdString(r->Cartella), QString::fromStdString(r->FilePdf), o);
    for (const QString& s : e.Scartati)
        std::fprintf(stderr, "%s: %s, saltato\n", TestoStampabile(s.toStdString()).c_str(),
                     "File inesistente o dati errati");
    if (!e.Errore.isEmpty()) {
        std::fprintf(stderr, "errore: %s\n", TestoStampabile(e.Errore.toStdString()).c_str());
        return 1;
    }
    std::printf("libretto: %d schemi, %d pagine in %s\n", e.Schemi, e.Pagine, r->FilePdf.c_str());
    return 0;
}
