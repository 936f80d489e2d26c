// kelvaro: the workbench. The whole argument string picks one run mode, which runs to its end.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/avvio.h"
#include "app/ini.h"
#include "app/modo_html.h"
#include "app/programma.h"
#include "banco.h"
#include "ui/form1.h"
#include "ui/frmprod.h"

namespace {

using namespace kelvaro;

bool EsisteIni(const Banco& b) {
    std::error_code ec;
    return std::filesystem::is_regular_file(PercorsoIni(b), ec);
}

// "/HTML": publishing without any window, so it never needs a display.
int ModoHtml(Banco& b) {
    EseguiModoHtml(b);
    return 0;
}

bool SenzaSchermo() {
    return !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM");
}

int ModoInterattivo(Banco& b, int argc, char** argv) {
    b.imp.GeneraAuto = false;
    // Qt would abort without a word a user can act on.
    if (SenzaSchermo()) {
        std::fprintf(stderr,
                     "Kelvaro: nessuno schermo disponibile (DISPLAY non impostato).\n"
                     "Per provarlo senza schermo: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "kelvaro");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    ui::Form1 form(b);
    QObject::connect(&form, &ui::Form1::Chiusa, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}

// "/prod": the batch window; without a display it runs offscreen.
int ModoProduzione(Banco& b, int argc, char** argv) {
    if (!EsisteIni(b)) return 0;
    b.imp.GeneraAuto = true;
    LeggiRegoleIni(b);
    if (SenzaSchermo()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    ui::FrmProd prod(b);
    prod.exec();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string argomenti = StringaArgomenti(argc, argv);
    Banco b;
    b.CartellaProgramma = CartellaEseguibile();
    switch (SceltaModo(argomenti)) {
        case Modo::Html:
            return ModoHtml(b);
        case Modo::Interattivo:
            return ModoInterattivo(b, argc, argv);
        case Modo::Produzione:
            return ModoProduzione(b, argc, argv);
    }
    return 0;
}
