// kelvaro: the workbench. The whole argument string picks one run mode, which runs to its end.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/avvio.h"
#include "app/ini.h"
#include "app/modo_html.h"
#include "app/programma.h"
#include "app/versione.h"
#include "banco.h"
#include "ui/form1.h"
#include "ui/frmprod.h"
#include "ui/traduzioni.h"

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

// The schema named on the command line: the one argument, or all of them joined when a path with
// blanks arrived in pieces; empty when no such file exists.
QString FileDaAprire(int argc, char** argv) {
    if (argc < 2) return {};
    const QString primo = QFile::decodeName(argv[1]);
    if (QFileInfo(primo).isFile()) return primo;
    QStringList parti;
    for (int i = 1; i < argc; ++i) parti << QFile::decodeName(argv[i]);
    const QString tutto = parti.join(QLatin1Char(' '));
    return QFileInfo(tutto).isFile() ? tutto : QString();
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
    // The menu entry's name: on Wayland the window gets its icon from it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));
    ui::CaricaTraduzioniQt(app);
    ui::Form1 form(b);
    QObject::connect(&form, &ui::Form1::Chiusa, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    // "kelvaro FILE", as a file manager calls it: that schema at once.
    if (const QString file = FileDaAprire(argc, argv); !file.isEmpty()) form.ApriFile(file);
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
    ui::CaricaTraduzioniQt(app);
    ui::FrmProd prod(b);
    prod.exec();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string argomenti = StringaArgomenti(argc, argv);
    // Answered before any window or folder is touched: no display is needed.
    if (argomenti == "--help" || argomenti == "-h") {
        std::fputs(TestoAiutoKelvaro(CartelleDelProgramma()).c_str(), stdout);
        return 0;
    }
    if (argomenti == "--version") {
        std::fputs(TestoVersione("kelvaro").c_str(), stdout);
        return 0;
    }
    Banco b;
    std::string avviso;
    b.CartellaProgramma = PreparaCartellaProgramma(avviso);
    if (!avviso.empty()) std::fprintf(stderr, "Kelvaro: %s\n", avviso.c_str());
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
