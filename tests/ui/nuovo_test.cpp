// "Nuovo": a new schema made on a worker thread while the window keeps running, and stopped.
#include "ui/nuovo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QThreadPool>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>

#include "solver/contatore.h"
#include "solver/difficolta.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"

using namespace kelvaro;

class NuovoTest : public QObject {
    Q_OBJECT

    static ui::ComandiAutore* Comandi(ui::Form1& f) { return f.findChild<ui::ComandiAutore*>(); }

private slots:
    void VociDellaFinestra() {
        Banco b;
        ui::Form1 f(b);
        QVERIFY(Comandi(f));
        QAction* nuovo = f.findChild<QAction*>(QStringLiteral("Nuovo"));
        QVERIFY(nuovo);
        QCOMPARE(nuovo->shortcut(), QKeySequence(QKeySequence::New));
        QVERIFY(!nuovo->icon().isNull());
        QToolBar* barra = f.findChild<QToolBar*>(QStringLiteral("tlbNuovo"));
        QVERIFY(barra && barra->actions().contains(nuovo));
        QMenu* file = f.findChild<QMenu*>(QStringLiteral("MnuFile"));
        QVERIFY(file && file->actions().contains(nuovo));
        QCOMPARE(f.menuBar()->actions().first(), file->menuAction());
        for (const char* voce : {"MnuProduzione", "MnuLibretto", "FermaNuovo"})
            QVERIFY2(file->findChild<QAction*>(voce) || f.findChild<QAction*>(voce), voce);
        // the stored toolbar keeps its eleven entries, with "Aiutino" beside the solving commands
        QCOMPARE(f.Toolbar()->actions().size(), 12);
    }

    void NuovoSchemaMentreLaFinestraVive() {
        Banco b;
        ui::Form1 f(b);
        f.show();
        b.schema.Sizesc = 9;  // as "Livelli e dimensioni" stores it
        ui::ComandiAutore* c = Comandi(f);
        QSignalSpy fine(c, &ui::ComandiAutore::NuovoFinito);
        // A heartbeat through the event queue: posted before the command, it comes before the
        // worker's answer, and it goes on posting itself while the generation runs. A generation
        // that blocked the window would let it beat only after the end.
        int battitiDuranteLaGenerazione = 0;
        std::function<void()> battito = [&] {
            if (!c->InCorso()) return;
            ++battitiDuranteLaGenerazione;
            QMetaObject::invokeMethod(&f, battito, Qt::QueuedConnection);
        };
        QMetaObject::invokeMethod(&f, battito, Qt::QueuedConnection);
        c->AzioneNuovo()->trigger();
        QVERIFY(c->InCorso());
        QVERIFY(!c->AzioneNuovo()->isEnabled());
        QVERIFY(c->AzioneFerma()->isEnabled());
        // nothing of the window changes while the worker runs
        QVERIFY(!b.schema.Caricato);
        QVERIFY(fine.wait(60000));
        QCOMPARE(fine.first().first().toBool(), true);
        QVERIFY2(battitiDuranteLaGenerazione > 0, "the event loop stood still during the generation");
        QVERIFY(!c->InCorso());
        QVERIFY(c->AzioneNuovo()->isEnabled());
        // the new schema is the window's: 9 x 9, one solution, unsaved, its automatic name ready
        QCOMPARE(b.schema.Sizesc, 9);
        QVERIFY(b.schema.Caricato);
        QCOMPARE(ContaSoluzioni(b.schema, 2), 1);
        QVERIFY(!b.file.Salvato);
        QVERIFY(b.file.NomeFileAperto.empty());
        // the title says it has no file yet
        QCOMPARE(f.windowTitle(), QStringLiteral("Kelvaro - Nuovo schema (non salvato)"));
        QVERIFY2(QString::fromStdString(b.file.NomeFile).startsWith("9_") &&
                     QString::fromStdString(b.file.NomeFile).endsWith(".TXT"),
                 b.file.NomeFile.c_str());
        // the extra toolbar row leaves the whole grid in sight above the status bar
        QApplication::processEvents();
        const QRect g(f.Griglia()->mapTo(&f, QPoint(0, 0)), f.Griglia()->size());
        QVERIFY2(g.bottom() < f.statusBar()->geometry().top() && g.right() < f.width(),
                 qPrintable(QStringLiteral("%1 %2 %3")
                                .arg(g.bottom())
                                .arg(f.statusBar()->geometry().top())
                                .arg(f.height())));
        // shown with its givens, as after an open
        QCOMPARE(b.Gr.Rows(), 2 * 9 + 2);
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k) {
                const std::string& v = b.schema.tblSchema[r][k];
                QCOMPARE(b.Gr.Cella(2 * r - 1, 2 * k - 1).Testo, v == "0" ? std::string() : v);
            }
    }

    // A difficulty chosen beside "Nuovo": the schema that comes is of that name, and the status
    // bar names it once judged; "Qualsiasi" leaves the settings as they are.
    void NuovoDellaDifficoltaScelta_data() {
        QTest::addColumn<int>("dimensione");
        QTest::addColumn<QString>("nome");
        QTest::newRow("5 Facile") << 5 << "Facile";
        QTest::newRow("7 Medio") << 7 << "Medio";
        QTest::newRow("9 Difficile") << 9 << "Difficile";
        QTest::newRow("6 Esperto") << 6 << "Esperto";
    }
    void NuovoDellaDifficoltaScelta() {
        QFETCH(int, dimensione);
        QFETCH(QString, nome);
        Banco b;
        ui::Form1 f(b);
        b.schema.Sizesc = dimensione;
        ui::ComandiAutore* c = Comandi(f);
        QComboBox* scelta = c->SceltaDifficolta();
        QVERIFY(scelta);
        QCOMPARE(scelta->itemText(0), QStringLiteral("Qualsiasi difficoltà"));
        QCOMPARE(scelta->count(), 5);
        scelta->setCurrentIndex(scelta->findText(nome));
        QVERIFY(scelta->currentIndex() > 0);
        QSignalSpy fine(c, &ui::ComandiAutore::NuovoFinito);
        c->AzioneNuovo()->trigger();
        QVERIFY(fine.wait(60000));
        QCOMPARE(fine.first().first().toBool(), true);
        QCOMPARE(b.schema.Sizesc, dimensione);
        QCOMPARE(ContaSoluzioni(b.schema, 2), 1);
        QCOMPARE(QString::fromUtf8(NomeDifficolta(DifficoltaSchema(b.schema))), nome);
        QLabel* etichetta = f.statusBar()->findChild<QLabel*>(QStringLiteral("Difficolta"));
        QVERIFY(etichetta);
        QTRY_COMPARE_WITH_TIMEOUT(etichetta->text(), QStringLiteral("Difficoltà: ") + nome, 20000);
    }

    void FermatoLaFinestraRestaComEra() {
        Banco b;
        ui::Form1 f(b);
        b.schema.Sizesc = 9;
        ui::ComandiAutore* c = Comandi(f);
        QSignalSpy fine(c, &ui::ComandiAutore::NuovoFinito);
        c->AzioneNuovo()->trigger();
        QVERIFY(c->InCorso());
        c->AzioneFerma()->trigger();
        QCOMPARE(fine.size(), 1);
        QCOMPARE(fine.first().first().toBool(), false);
        QVERIFY(!c->InCorso());
        QVERIFY(c->AzioneNuovo()->isEnabled());
        // whatever the worker still finishes is thrown away
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(fine.size(), 1);
        QVERIFY(!b.schema.Caricato);
        QVERIFY(b.file.NomeFile.empty());
        // and a new request works again
        c->AzioneNuovo()->trigger();
        QVERIFY(fine.wait(60000));
        QCOMPARE(fine.last().first().toBool(), true);
        QVERIFY(b.schema.Caricato);
    }

    void IlLavoroNonToccaLaFinestra() {
        Impostazioni imp;
        imp.AttivaMultipli = 3;
        const auto s = GeneraInMemoria(imp, 6);
        QVERIFY(s);
        QCOMPARE(s->schema.Sizesc, 6);
        QCOMPARE(ContaSoluzioni(s->schema, 2), 1);
        QVERIFY(QString::fromStdString(s->NomeFile).startsWith("6_"));
    }
};

QTEST_MAIN(NuovoTest)
#include "nuovo_test.moc"
