// FrmProd: the batch window over the production loop, its captions, Esc, and "/prod" as a process.
#include "ui/frmprod.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/ini.h"
#include "model/casuale.h"

namespace fs = std::filesystem;
using namespace kelvaro;

namespace {

std::string RegolaIni(const std::string& dir, int schemi, int n) {
    return "<REGOLA>\r\nDIR=" + dir + "\r\nSCHEMI=" + std::to_string(schemi) +
           "\r\nSIZESC=" + std::to_string(n) +
           "\r\nCELLEINIZIALI=2\r\nPROFONDITA=10\r\nMAXCICLO1=2\r\nMAXCICLO2=2\r\nSOGLIA=11\r\nNASCOSTI=1\r\n"
           "SWORDFISH=1\r\n";
}

void Scrivi(const fs::path& p, const std::string& testo) {
    std::ofstream f(p, std::ios::binary);
    f << testo;
}

// Schema files in a folder (the run's CSV report is not one).
int ContaFile(const fs::path& dir) {
    if (!fs::exists(dir)) return 0;
    int k = 0;
    for (const auto& e : fs::directory_iterator(dir)) k += e.path().extension() != ".csv";
    return k;
}

}  // namespace

class FrmProdTest : public QObject {
    Q_OBJECT

    // A program directory with the given INI, read as "/prod" reads it.
    struct Programma {
        QTemporaryDir dir;
        Banco b;
        fs::path percorso() const { return fs::path(dir.path().toStdString()); }
        explicit Programma(const std::string& ini) {
            b.CartellaProgramma = percorso().string();
            Scrivi(percorso() / "Kelvaro.ini", ini);
            b.imp.GeneraAuto = true;
            LeggiRegoleIni(b);
        }
    };

private slots:
    void DueRegoleCinqueSchemi() {
        RiportaCasualeAllInizio();
        Programma p(RegolaIni("uno", 3, 5) + RegolaIni("due", 2, 6));
        ui::FrmProd w(p.b);
        QCOMPARE(w.windowTitle(), QStringLiteral("FRmProd"));
        QVERIFY(w.PrimaAttivazione);
        QStringList didascalie;
        connect(&w, &ui::FrmProd::DidascaliaCambiata, [&](const QString& t) { didascalie << t; });
        w.exec();
        QVERIFY(!w.PrimaAttivazione);
        QCOMPARE(
            didascalie,
            (QStringList{"Futoshiki Regola 1 di 2 Schema 1 di 3", "Futoshiki Regola 1 di 2 Schema 2 di 3",
                         "Futoshiki Regola 1 di 2 Schema 3 di 3", "Futoshiki Regola 2 di 2 Schema 1 di 2",
                         "Futoshiki Regola 2 di 2 Schema 2 di 2"}));
        QCOMPARE(w.windowTitle(), QStringLiteral("Futoshiki Regola 2 di 2 Schema 2 di 2"));
        QCOMPARE(ContaFile(p.percorso() / "uno"), 3);
        QCOMPARE(ContaFile(p.percorso() / "due"), 2);
        QVERIFY(!w.isVisible());
    }

    // From the main window the batch window stays open at the end with its bar, counts and list.
    void AvanzamentoEElenco() {
        RiportaCasualeAllInizio();
        Programma p(RegolaIni("uno", 3, 5) + RegolaIni("due", 1, 6));
        ui::FrmProd w(p.b);
        w.ChiudiAllaFine = false;
        QStringList righe;
        QList<int> valori;
        connect(&w, &ui::FrmProd::SchemaScrittoInElenco, [&](const QString& r) {
            righe << r;
            valori << w.Barra()->value();
            QCOMPARE(w.Barra()->maximum(), 4);
            QVERIFY2(w.Stato()->text().startsWith(
                         QStringLiteral("Schemi scritti: %1 di 4 - tempo trascorso: ").arg(righe.size())),
                     qPrintable(w.Stato()->text()));
            QCOMPARE(w.Stato()->text().contains(QStringLiteral("tempo rimanente stimato: ")),
                     righe.size() < 4);
            QCOMPARE(w.RegolaInCorso()->text().startsWith(righe.size() <= 3
                                                              ? QStringLiteral("Regola 1 di 2: 5x5 in ")
                                                              : QStringLiteral("Regola 2 di 2: 6x6 in ")),
                     true);
        });
        QTimer::singleShot(0, &w, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(!w.PrimaAttivazione && w.Esito().Salvati == 4, 60000);
            QVERIFY(w.isVisible());  // stays open for the user to read
            w.close();
        });
        w.exec();
        QCOMPARE(valori, (QList<int>{1, 2, 3, 4}));
        QCOMPARE(righe.size(), 4);
        // the list: each file written with its size and level, then the report of each folder
        QCOMPARE(w.Elenco()->count(), 6);
        for (int i = 0; i < 4; ++i) {
            const QString r = w.Elenco()->item(i)->text();
            QVERIFY2(r.startsWith(i < 3 ? "5_" : "6_") &&
                         r.contains(i < 3 ? "   5x5   livello " : "   6x6   livello ") && r.endsWith(" byte"),
                     qPrintable(r));
            const QString nome = r.section(QStringLiteral("   "), 0, 0);
            QVERIFY2(fs::exists(p.percorso() / (i < 3 ? "uno" : "due") / nome.toStdString()),
                     qPrintable(nome));
        }
        QVERIFY(w.Elenco()->item(4)->text().startsWith(QStringLiteral("Riepilogo: ")));
        QVERIFY(w.Elenco()->item(4)->text().endsWith(QStringLiteral(".csv")));
    }

    void Durate() {
        QCOMPARE(ui::TestoDurata(4.4), QStringLiteral("4 s"));
        QCOMPARE(ui::TestoDurata(185), QStringLiteral("3 min 05 s"));
        QCOMPARE(ui::TestoDurata(3720), QStringLiteral("1 h 02 min"));
    }

    void NessunaRegolaSiChiudeSubito() {
        Programma p("FILESCHEMA=x.htm\r\n");
        ui::FrmProd w(p.b);
        int didascalie = 0;
        connect(&w, &ui::FrmProd::DidascaliaCambiata, [&] { ++didascalie; });
        w.exec();
        QCOMPARE(didascalie, 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("FRmProd"));
    }

    void EscInCodaFermaIlGiro() {
        RiportaCasualeAllInizio();
        Programma p(RegolaIni("uno", 3, 5) + RegolaIni("due", 2, 5));
        ui::FrmProd w(p.b);
        QStringList didascalie;
        // Esc reaches the queue while the first schema is made (the first yield runs the call that
        // posts it); the second caption is still shown, then the yield delivers the key and
        // nothing more is produced.
        connect(&w, &ui::FrmProd::DidascaliaCambiata, [&](const QString& t) {
            didascalie << t;
            if (didascalie.size() == 1)
                QMetaObject::invokeMethod(
                    &w,
                    [&w] {
                        QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape,
                                                                      Qt::NoModifier, QString(QChar(27))));
                    },
                    Qt::QueuedConnection);
        });
        w.exec();
        QCOMPARE(w.Interrompi, 1);
        QCOMPARE(didascalie.size(), 2);
        QCOMPARE(didascalie.back(), QStringLiteral("Futoshiki Regola 1 di 2 Schema 2 di 3"));
        QCOMPARE(ContaFile(p.percorso() / "uno"), 1);
        QCOMPARE(ContaFile(p.percorso() / "due"), 0);
    }

    void AltriTastiIgnorati() {
        Programma p(RegolaIni("uno", 2, 4));
        ui::FrmProd w(p.b);
        connect(&w, &ui::FrmProd::DidascaliaCambiata, [&] {
            QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        });
        w.exec();
        QCOMPARE(w.Interrompi, 0);
        QCOMPARE(ContaFile(p.percorso() / "uno"), 2);
    }

    // The real program: "/prod" without a display runs offscreen, echoes the captions on stderr
    // and writes the files into the rule's folder beside the executable.
    void ProdSenzaSchermo() {
        QTemporaryDir dir;
        const fs::path programma = fs::path(dir.path().toStdString());
        fs::copy_file(fs::path(KELVARO_BIN) / "kelvaro", programma / "kelvaro");
        Scrivi(programma / "Kelvaro.ini",
               RegolaIni("uno", 2, 5) + RegolaIni("due", 1, 4) + RegolaIni("", 1, 1));
        QProcess proc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        proc.setProcessEnvironment(env);
        proc.setWorkingDirectory(QDir::tempPath());
        proc.start(QString::fromStdString((programma / "kelvaro").string()), {"/prod"});
        QVERIFY(proc.waitForFinished(60000));
        const QString err = QString::fromUtf8(proc.readAllStandardError());
        QVERIFY2(err.contains("Futoshiki Regola 1 di 3 Schema 1 di 2\nFutoshiki Regola 1 di 3 Schema 2 di 2\n"
                              "Futoshiki Regola 2 di 3 Schema 1 di 1\n"),
                 qPrintable(err));
        QVERIFY2(err.contains("Regola 3 saltata: SIZESC=1"), qPrintable(err));
        QCOMPARE(ContaFile(programma / "uno"), 2);
        QCOMPARE(ContaFile(programma / "due"), 1);
    }
};

QTEST_MAIN(FrmProdTest)
#include "frmprod_test.moc"
