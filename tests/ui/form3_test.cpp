// The log window: on its own (layout, lines, buttons, placement beside the main window) and
// driven by "Mostra" on the main window with scripted button presses.
#include "ui/form3.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "banco.h"
#include "display/griglia.h"
#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "solver/log_soluzione.h"
#include "solver/risolvi.h"
#include "pittura/cifre_piccole.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Pixels of a twips length on the test screen.
int Px(double twips) {
    return static_cast<int>(
        std::lround(twips * QApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0));
}

// Runs azione on the next modal Form3 as soon as it is up.
void QuandoAppareForm3(std::function<void(Form3&)> azione) {
    auto* t = new QTimer;
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, [t, azione] {
        if (auto* f = qobject_cast<Form3*>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            azione(*f);
        }
    });
    t->start();
}

LogSoluzione Righe(std::initializer_list<const char*> righe) {
    LogSoluzione log;
    for (const char* r : righe) log.Aggiungi(r);
    log.AllineaSinistra();
    return log;
}

// What one showing of the log window looked like.
struct Vista {
    QStringList righe;
    bool aggiornaVisibile = false;
    QRect finestra;  // outer geometry of Form3
    QRect gm;
    QPoint frmMess;
    QRect principale;       // outer geometry of the main window
    int grTopFinestra = 0;  // the main grid's top, in main window coordinates
    int grAltezza = 0;
    long sfondoR1C1 = 0;  // backgrounds of the grid model at that moment
    long sfondoR1C2 = 0;
    std::string testoR1C2;
    double fontR1C1 = 0;  // size of the given R1C1
    double fontR1C2 = 0;
    QRgb pixelR1C1 = 0;                             // as the main grid shows it
    QString passo;                                  // the step counter
    QStringList numeriPrecedenti, righePrecedenti;  // the list of the earlier steps' lines
    QRect lstPrecedenti;
    QPoint frmFine;
};

// Drives "Mostra" on a main window: each log window that appears is looked at, then answered
// with the next button of the script ("" = its close box). Past the script it interrupts.
class Copione : public QObject {
public:
    Copione(kelvaro::ui::Form1& form, QStringList pulsanti, std::function<void(Form3&, Vista&)> guarda = {})
        : guarda_(std::move(guarda)), form_(form), pulsanti_(std::move(pulsanti)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Guarda(); });
        timer_.start(5);
    }
    QList<Vista> viste;
    bool oltreIlCopione = false;

private:
    // Called on every showing before its answer.
    std::function<void(Form3&, Vista&)> guarda_;

    void Guarda() {
        auto* f = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!f || f->property("visto").toBool() || !f->isVisible()) return;
        f->setProperty("visto", true);
        Vista v;
        for (int i = 1; i < f->Gm->rowCount(); ++i) v.righe << f->Gm->item(i, 1)->text();
        v.aggiornaVisibile = f->CmdAggiorna->isVisible();
        v.finestra = f->frameGeometry();
        v.gm = f->Gm->geometry();
        v.frmMess = f->FrmMess->pos();
        v.principale = form_.frameGeometry();
        v.grTopFinestra = form_.Griglia()->mapTo(&form_, QPoint(0, 0)).y();
        v.grAltezza = form_.Griglia()->height();
        const kelvaro::Banco& b = form_.banco();
        v.sfondoR1C1 = b.Gr.Cella(1, 1).CellBackColor;
        v.sfondoR1C2 = b.Gr.Cella(1, 3).CellBackColor;
        v.testoR1C2 = b.Gr.Cella(1, 3).Testo;
        v.fontR1C1 = b.Gr.Cella(1, 1).FontSize;
        v.fontR1C2 = b.Gr.Cella(1, 3).FontSize;
        const QRect r = form_.Griglia()->RettangoloPosizione(1, 1);
        v.pixelR1C1 =
            form_.Griglia()->grab().toImage().pixel(r.topLeft() + QPoint(5, 5));  // clear of the digit
        v.passo = f->LblPasso->text();
        for (int i = 0; i < f->LstPrecedenti->rowCount(); ++i) {
            v.numeriPrecedenti << f->LstPrecedenti->item(i, 0)->text();
            v.righePrecedenti << f->LstPrecedenti->item(i, 1)->text();
        }
        v.lstPrecedenti = f->LstPrecedenti->geometry();
        v.frmFine = f->FrmFine->pos();
        if (guarda_) guarda_(*f, v);
        viste << v;
        QString azione = "CmdInterrompi";
        if (pulsanti_.isEmpty())
            oltreIlCopione = true;
        else
            azione = pulsanti_.takeFirst();
        if (azione.isEmpty())
            f->close();
        else
            QTest::mouseClick(f->findChild<QPushButton*>(azione), Qt::LeftButton);
    }
    kelvaro::ui::Form1& form_;
    QStringList pulsanti_;
    QTimer timer_;
};

const QStringList PrimoDato = {"Dato iniziale 3 in cella R1C1",
                               "Elimino 3 da R1C2",
                               "Elimino 3 da R1C3",
                               "Elimino 3 da R1C4",
                               "Elimino 3 da R1C5",
                               "Elimino 3 da R2C1",
                               "Elimino 3 da R3C1",
                               "Elimino 3 da R4C1",
                               "Elimino 3 da R5C1"};
const QStringList SecondoDato = {"Dato iniziale 2 in cella R3C3",
                                 "Elimino 2 da R3C1",
                                 "Elimino 2 da R3C2",
                                 "Elimino 2 da R3C4",
                                 "Elimino 2 da R3C5",
                                 "Elimino 2 da R1C3",
                                 "Elimino 2 da R2C3",
                                 "Elimino 2 da R4C3",
                                 "Elimino 2 da R5C3"};
const QStringList Situazione = {"Situazione aggiornata"};

QStringList Tanti(const char* pulsante, int volte) {
    QStringList l;
    for (int k = 0; k < volte; ++k) l << pulsante;
    return l;
}

// Pixels of a slot darker than the white cell: the ink of a small digit. Returns their bounding box.
QRect Inchiostro(const QImage& img, const QRectF& slot) {
    QRect box;
    const QRect dentro = slot.toAlignedRect().adjusted(1, 1, -1, -1);
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 600) box |= QRect(x, y, 1, 1);
        }
    return box;
}

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT
    std::unique_ptr<Banco> banco;
    std::unique_ptr<Form1> form1;

private slots:
    void layoutMemorizzato() {
        Form3 f;
        QCOMPARE(f.objectName(), QString("Form3"));
        QCOMPARE(f.windowTitle(), QString("Log soluzione"));
        // The stored log column, then the column of the earlier steps.
        QCOMPARE(f.size(), QSize(Px(11055), Px(4680)));
        QCOMPARE(f.Gm->geometry(), QRect(Px(120), Px(120), Px(5895), Px(3615)));
        QCOMPARE(f.FrmMess->geometry(), QRect(Px(120), Px(3840), Px(5895), Px(735)));
        QCOMPARE(f.Gm->font().family(), QString("Arial"));
        QCOMPARE(f.Gm->font().pointSizeF(), 9.0);

        struct Atteso {
            QPushButton* b;
            const char* nome;
            const char* testo;
            int left, width;
        };
        for (const Atteso& a : {Atteso{f.CmdContinuaLog, "CmdContinuaLog", "Continua log", 240, 1095},
                                Atteso{f.CmdAggiorna, "CmdAggiorna", "Aggiorna situazione", 2040, 1575},
                                Atteso{f.CmdInterrompi, "CmdInterrompi", "Interompi log", 4200, 1455}}) {
            QVERIFY(a.b);
            QCOMPARE(a.b->objectName(), QString(a.nome));
            QCOMPARE(a.b->text(), QString(a.testo));
            QCOMPARE(a.b->parentWidget(), static_cast<QWidget*>(f.FrmMess));
            QCOMPARE(a.b->geometry(), QRect(Px(a.left), Px(120), Px(a.width), Px(495)));
            QVERIFY(!a.b->icon().isNull());
            QCOMPARE(f.findChild<QPushButton*>(a.nome), a.b);
        }
        // Beside the log, level with it: the earlier steps; under them the counter and the
        // run-to-end button, level with the design's buttons.
        QCOMPARE(f.LstPrecedenti->geometry(), QRect(Px(6135), Px(120), Px(4800), Px(3615)));
        QCOMPARE(f.FrmFine->geometry(), QRect(Px(6135), Px(3840), Px(4800), Px(735)));
        QCOMPARE(f.CmdFine->text(), QString("Fino alla fine"));
        QCOMPARE(f.CmdFine->parentWidget(), static_cast<QWidget*>(f.FrmFine));
        QVERIFY(!f.CmdFine->icon().isNull());
        QCOMPARE(f.LblPasso->parentWidget(), static_cast<QWidget*>(f.FrmFine));
        QVERIFY(f.CmdContinuaLog->isDefault());
        QVERIFY(!f.CmdFine->isDefault());
    }

    void testoDelContatore_data() {
        QTest::addColumn<int>("passo");
        QTest::addColumn<int>("totale");
        QTest::addColumn<QString>("testo");
        QTest::newRow("primaDelPrimoPasso") << 0 << 176 << "Passo 0 di 176";
        QTest::newRow("inCorso") << 12 << 176 << "Passo 12 di 176";
        QTest::newRow("ultimo") << 176 << 176 << "Passo 176 di 176";
        QTest::newRow("totaleIgnoto") << 7 << 0 << "Passo 7";
        QTest::newRow("oltreIlTotale") << 177 << 176 << "Passo 177";
    }
    void testoDelContatore() {
        QFETCH(int, passo);
        QFETCH(int, totale);
        QFETCH(QString, testo);
        QCOMPARE(TestoPasso(passo, totale), testo);
        Form3 f;
        f.CaricaAvanzamento(AvanzamentoLog{passo, totale, nullptr});
        QCOMPARE(f.LblPasso->text(), testo);
    }

    void fineRispondeContinuaESegnala() {
        bool fine = false;
        QuandoAppareForm3([](Form3& f) { QTest::mouseClick(f.CmdFine, Qt::LeftButton); });
        QCOMPARE(Form3::Mostra(nullptr, Righe({"Situazione aggiornata"}), true, PosizioneFormLog{},
                               AvanzamentoLog{}, &fine),
                 1);
        QVERIFY(fine);
        QuandoAppareForm3([](Form3& f) { QTest::mouseClick(f.CmdContinuaLog, Qt::LeftButton); });
        QCOMPARE(Form3::Mostra(nullptr, Righe({"Situazione aggiornata"}), true, PosizioneFormLog{},
                               AvanzamentoLog{}, &fine),
                 1);
        QVERIFY(!fine);
    }

    void elencoDeiPassiPrecedenti() {
        const std::vector<RighePasso> precedenti = {
            {1, {"Dato iniziale 3 in cella R1C1", "Elimino 3 da R1C2"}},
            {2, {"Dato iniziale 2 in cella R3C3"}},
        };
        Form3 f;
        f.CaricaLog(Righe({"4 unico  possibile in cella R2C3"}), false);
        f.CaricaAvanzamento(AvanzamentoLog{3, 9, &precedenti});
        QCOMPARE(f.LstPrecedenti->rowCount(), 3);
        const QStringList numeri = {"1", "", "2"};
        const QStringList righe = {"Dato iniziale 3 in cella R1C1", "Elimino 3 da R1C2",
                                   "Dato iniziale 2 in cella R3C3"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.LstPrecedenti->item(i, 0)->text(), numeri[i]);
            QCOMPARE(f.LstPrecedenti->item(i, 1)->text(), righe[i]);
        }
        // The current step stays in the log grid alone.
        QCOMPARE(f.Gm->rowCount(), 2);
        QCOMPARE(f.Gm->item(1, 1)->text(), QString("4 unico  possibile in cella R2C3"));
        QCOMPARE(f.LblPasso->text(), QString("Passo 3 di 9"));
    }

    void unaSolaColonnaVisibileEIntestazioneNascosta() {
        Form3 f;
        f.show();
        QCOMPARE(f.Gm->columnCount(), 5);
        QCOMPARE(f.Gm->rowCount(), 1);
        QVERIFY(f.Gm->isRowHidden(0));
        QVERIFY(f.Gm->horizontalHeader()->isHidden());
        QVERIFY(f.Gm->verticalHeader()->isHidden());
        for (int j : {0, 2, 3, 4}) QVERIFY(f.Gm->isColumnHidden(j));
        QVERIFY(!f.Gm->isColumnHidden(1));
        // Column 1 is as wide as the grid shows.
        QCOMPARE(f.Gm->columnWidth(1), f.Gm->viewport()->width());
        QCOMPARE(f.Gm->columnWidth(1), f.Gm->width());
    }

    void righeDelLogAllineateASinistra() {
        Form3 f;
        f.CaricaLog(Righe({"4 unico  possibile in cella R2C3", "Elimino 4 da R2C1", "Elimino 4 da R5C3"}),
                    false);
        QCOMPARE(f.Gm->rowCount(), 4);
        QCOMPARE(f.Gm->item(1, 1)->text(), QString("4 unico  possibile in cella R2C3"));
        QCOMPARE(f.Gm->item(2, 1)->text(), QString("Elimino 4 da R2C1"));
        QCOMPARE(f.Gm->item(3, 1)->text(), QString("Elimino 4 da R5C3"));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(f.Gm->item(i, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QVERIFY(!f.Gm->item(1, 0));
        QVERIFY(f.CmdAggiorna->isVisibleTo(&f));
    }

    void pulsantiRispondonoEChiudono_data() {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<int>("comando");
        QTest::newRow("continua") << "CmdContinuaLog" << 1;
        QTest::newRow("interrompi") << "CmdInterrompi" << 2;
        QTest::newRow("aggiorna") << "CmdAggiorna" << 3;
        QTest::newRow("casellaDiChiusura") << "" << 1;
    }
    void pulsantiRispondonoEChiudono() {
        QFETCH(QString, pulsante);
        QFETCH(int, comando);
        bool eraVisibile = false;
        QuandoAppareForm3([&](Form3& f) {
            eraVisibile = f.isVisible();
            if (pulsante.isEmpty())
                f.close();
            else
                QTest::mouseClick(f.findChild<QPushButton*>(pulsante), Qt::LeftButton);
        });
        QCOMPARE(Form3::Mostra(nullptr, Righe({"Situazione aggiornata"}), false, PosizioneFormLog{}),
                 comando);
        QVERIFY(eraVisibile);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void ogniMostraRipartedaUnaFinestraNuova() {
        QStringList righe;
        bool aggiornaVisibile = false;
        QuandoAppareForm3([&](Form3& f) {
            aggiornaVisibile = f.CmdAggiorna->isVisible();
            QTest::mouseClick(f.CmdContinuaLog, Qt::LeftButton);
        });
        QCOMPARE(Form3::Mostra(nullptr, Righe({"Situazione aggiornata"}), true, PosizioneFormLog{}), 1);
        QVERIFY(!aggiornaVisibile);

        QuandoAppareForm3([&](Form3& f) {
            aggiornaVisibile = f.CmdAggiorna->isVisible();
            for (int i = 1; i < f.Gm->rowCount(); ++i) righe << f.Gm->item(i, 1)->text();
            QTest::mouseClick(f.CmdContinuaLog, Qt::LeftButton);
        });
        QCOMPARE(Form3::Mostra(nullptr, Righe({"Dato iniziale 3 in cella R1C1"}), false, PosizioneFormLog{}),
                 1);
        QVERIFY(aggiornaVisibile);
        QCOMPARE(righe, QStringList{"Dato iniziale 3 in cella R1C1"});
    }

    void posizionaAccantoAllaFinestraPrincipale() {
        // A main window 5130 twips wide with its grid at (120, 600), 4890 x 4890.
        QWidget principale;
        principale.setGeometry(700, 150, Px(5130), Px(6720));
        QWidget gr(&principale);
        gr.setGeometry(Px(120), Px(600), Px(4890), Px(4890));
        principale.show();
        Griglia Gr;
        Gr.Row = 11;
        Gr.Col = 3;
        // Outer measures: the platform may add a frame around the client area.
        const int top = principale.frameGeometry().y();
        const int larghezza = principale.frameGeometry().width();

        const PosizioneFormLog pos = PosizionaFormLog(principale, &gr, &Gr);
        QCOMPARE(principale.frameGeometry().x(), 0);
        QCOMPARE(principale.frameGeometry().y(), top);
        QVERIFY(pos.Valida);
        QCOMPARE(pos.Angolo, QPoint(larghezza + Px(10), top));
        QCOMPARE(Gr.Row, 0);
        QCOMPARE(Gr.Col, 0);

        Form3 f(&principale);
        f.Posiziona(pos);
        QCOMPARE(f.pos(), QPoint(larghezza + Px(10), top));
        QCOMPARE(f.height(), principale.height());
        QCOMPARE(f.width(), Px(11055));  // width as stored
        QCOMPARE(f.Gm->geometry(), QRect(Px(120), Px(600), Px(5895), Px(4890)));
        QCOMPARE(f.FrmMess->pos(), QPoint(Px(120), Px(600) + Px(4890) + Px(MmToTwips(1))));
        QVERIFY(f.FrmMess->geometry().bottom() < f.height());
        QCOMPARE(f.LstPrecedenti->geometry(), QRect(Px(6135), Px(600), Px(4800), Px(4890)));
        QCOMPARE(f.FrmFine->pos(), QPoint(Px(6135), f.FrmMess->y()));
    }

    // --- "Mostra" on the main window, with the real windows ------------------------------------

    void init() {
        banco = std::make_unique<Banco>();
        banco->CartellaProgramma = KELVARO_BIN;
        form1 = std::make_unique<Form1>(*banco);
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
        banco->file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_5x5.txt";
        QVERIFY(CaricaSchema(*banco));
        form1->move(250, 60);
        QTRY_COMPARE(form1->frameGeometry().topLeft(), QPoint(250, 60));
    }
    void cleanup() {
        form1.reset();
        banco.reset();
    }

    void mostraPrimiPassiEInterrompi() {
        banco->file.NomeFile = "nome.TXT";
        Copione copione(*form1, {"CmdContinuaLog", "CmdContinuaLog", "CmdInterrompi"});
        form1->ClickToolbar("Mostra");
        QVERIFY(!copione.oltreIlCopione);
        QCOMPARE(copione.viste.size(), 3);  // interrupt ends the whole solve

        const Vista& pausa = copione.viste[0];
        QCOMPARE(pausa.righe, Situazione);
        QVERIFY(!pausa.aggiornaVisibile);
        // Before the first step the givens already look like givens, the open cells like notes.
        QCOMPARE(pausa.fontR1C1, 16.0);
        QVERIFY(pausa.fontR1C2 < 16.0);
        const Vista& primo = copione.viste[1];
        QCOMPARE(primo.righe, PrimoDato);
        QVERIFY(primo.aggiornaVisibile);
        QCOMPARE(copione.viste[2].righe, SecondoDato);

        // The step's colours are on the main grid while the window waits.
        QCOMPARE(primo.sfondoR1C1, ColoreVerde);
        QCOMPARE(primo.sfondoR1C2, ColoreGiallo);
        QCOMPARE(QColor(primo.pixelR1C1), QColor(0, 255, 0));

        // Placement: main window at the left edge, the log beside it, Gm level with the grid.
        for (const Vista& v : copione.viste) {
            QCOMPARE(v.principale.x(), 0);
            QCOMPARE(v.finestra.topLeft(), QPoint(v.principale.width() + Px(10), v.principale.y()));
            QCOMPARE(v.gm.top(), v.grTopFinestra);
            QCOMPARE(v.gm.height(), v.grAltezza);
            QCOMPARE(v.frmMess, QPoint(v.gm.left(), v.gm.bottom() + 1 + Px(MmToTwips(1))));
        }

        // Afterwards: the givens again, the main window back in its place, nothing else touched.
        QCOMPARE(form1->frameGeometry().x(), 250);
        QCOMPARE(banco->Gr.Cella(1, 1).Testo, std::string("3"));
        QCOMPARE(banco->Gr.Cella(1, 3).Testo, std::string(""));
        QCOMPARE(banco->Gr.Cella(1, 1).CellBackColor, ColoreBianco);
        QVERIFY(!form1->Pulsante("Undo")->isEnabled());
        QVERIFY(!form1->Pulsante("UndoAll")->isEnabled());
        QCOMPARE(banco->modifica.NumMosse(), 0);
        QCOMPARE(banco->file.NomeFile, std::string("nome.TXT"));
        QVERIFY(!banco->storia.RegistraStoria);
        QVERIFY(form1->Pannello("p1")->text().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aggiornaSituazioneRidisegnaEPausa() {
        Copione copione(*form1, {"CmdContinuaLog", "CmdAggiorna", "CmdContinuaLog", "CmdInterrompi"});
        form1->ClickToolbar("Mostra");
        QCOMPARE(copione.viste.size(), 4);
        QCOMPARE(copione.viste[1].righe, PrimoDato);
        // The pause before the next step: the grid redrawn from the current state (candidates,
        // no step colours), the single line, no "Aggiorna situazione".
        const Vista& pausa = copione.viste[2];
        QCOMPARE(pausa.righe, Situazione);
        QVERIFY(!pausa.aggiornaVisibile);
        QCOMPARE(pausa.testoR1C2, std::string("1245"));
        QCOMPARE(pausa.sfondoR1C2, ColoreBianco);
        QCOMPARE(pausa.sfondoR1C1, ColoreBianco);
        QCOMPARE(copione.viste[3].righe, SecondoDato);
        QVERIFY(copione.viste[3].aggiornaVisibile);
    }

    void chiusuraContaComeContinua() {
        Copione copione(*form1, {"", "", "CmdInterrompi"});
        form1->ClickToolbar("Mostra");
        QCOMPARE(copione.viste.size(), 3);
        QCOMPARE(copione.viste[1].righe, PrimoDato);
        QCOMPARE(copione.viste[2].righe, SecondoDato);
    }

    void continuaFinoAllaSoluzione() {
        QStringList tutti;
        for (int k = 0; k < 2000; ++k) tutti << "CmdContinuaLog";
        Copione copione(*form1, tutti);
        form1->ClickToolbar("Mostra");
        QVERIFY(!copione.oltreIlCopione);
        QVERIFY(banco->ris.Risolto);
        QVERIFY(!banco->ris.Interrotto);
        // Opening pause plus one window per step carried out.
        QCOMPARE(copione.viste.size(), 1 + banco->ris.PassoCorrente);
        QCOMPARE(form1->frameGeometry().x(), 250);
        // The walk's end leaves the solved grid on screen, not the givens.
        QCOMPARE(banco->Gr.Cella(1, 3).Testo, banco->schema.tblSoluzione[1][2]);
        QCOMPARE(banco->Gr.Cella(1, 3).FontSize, 16.0);
        QVERIFY(!banco->modifica.InGioco);
        // "Ricomincia" then starts a game from the givens.
        form1->ClickToolbar("UndoAll");
        QCOMPARE(banco->Gr.Cella(1, 3).Testo, std::string(""));
        QCOMPARE(banco->Gr.Cella(1, 1).Testo, std::string("3"));
        QVERIFY(banco->modifica.InGioco);
    }

    void contatoreEPassiPrecedentiDuranteMostra() {
        Copione copione(*form1, Tanti("CmdContinuaLog", 2000));
        form1->ClickToolbar("Mostra");
        QVERIFY(!copione.oltreIlCopione);
        QVERIFY(banco->ris.Risolto);
        const int totale = banco->ris.PassoCorrente;
        QCOMPARE(copione.viste.size(), 1 + totale);
        QStringList finora, numeriFinora;
        for (int k = 0; k <= totale; ++k) {
            const Vista& v = copione.viste[k];
            // The opening pause comes before step 1; window k shows the lines of step k.
            QCOMPARE(v.passo, QString("Passo %1 di %2").arg(k).arg(totale));
            QCOMPARE(v.righePrecedenti, finora);
            QCOMPARE(v.numeriPrecedenti, numeriFinora);
            QCOMPARE(v.lstPrecedenti.top(), v.gm.top());
            QCOMPARE(v.lstPrecedenti.height(), v.gm.height());
            QCOMPARE(v.frmFine.y(), v.frmMess.y());
            if (k == 0) continue;
            for (int i = 0; i < v.righe.size(); ++i)
                numeriFinora << (i == 0 ? QString::number(k) : QString());
            finora << v.righe;
        }
        QCOMPARE(copione.viste[2].righePrecedenti, PrimoDato);
        QCOMPARE(copione.viste[2].righe, SecondoDato);
    }

    void pausaAggiornaMostraContatoreEPrecedenti() {
        Copione copione(*form1, {"CmdContinuaLog", "CmdAggiorna", "CmdContinuaLog", "CmdInterrompi"});
        form1->ClickToolbar("Mostra");
        QCOMPARE(copione.viste.size(), 4);
        const Vista& pausa = copione.viste[2];
        QCOMPARE(pausa.righe, Situazione);
        QVERIFY(pausa.passo.startsWith("Passo 1 di "));
        QCOMPARE(pausa.righePrecedenti, PrimoDato);
        QVERIFY(copione.viste[3].passo.startsWith("Passo 2 di "));
        QCOMPARE(copione.viste[3].righePrecedenti, PrimoDato);
    }

    void finoAllaFineSenzaAltrePause() {
        banco->file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_9x9.txt";
        QVERIFY(CaricaSchema(*banco));
        form1->move(250, 60);
        QTRY_COMPARE(form1->frameGeometry().topLeft(), QPoint(250, 60));
        int totale = 0;
        {
            Copione copione(*form1, {"CmdContinuaLog", "CmdContinuaLog", "CmdFine"});
            form1->ClickToolbar("Mostra");
            // No window after the run-to-end answer: the script would have interrupted it.
            QVERIFY(!copione.oltreIlCopione);
            QCOMPARE(copione.viste.size(), 3);
            QVERIFY(!QApplication::activeModalWidget());

            // The whole solve ran, as many steps as the counter announced, to the file's solution.
            QVERIFY(banco->ris.Risolto);
            QVERIFY(!banco->ris.Interrotto);
            totale = banco->ris.PassoCorrente;
            QVERIFY(totale > 2);
            QCOMPARE(copione.viste[0].passo, QString("Passo 0 di %1").arg(totale));
            QCOMPARE(copione.viste[2].passo, QString("Passo 2 di %1").arg(totale));
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c)
                    QCOMPARE(banco->schema.tblRisolto[r][c], banco->schema.tblSoluzione[r][c]);
            // The end of a logged solve: the solved grid stays, the main window back in its place.
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c)
                    QCOMPARE(banco->Gr.Cella(2 * r - 1, 2 * c - 1).Testo, banco->schema.tblSoluzione[r][c]);
            QCOMPARE(form1->frameGeometry().x(), 250);
        }

        // The next "Mostra" pauses again, from a fresh counter and an empty list.
        Copione ancora(*form1, {"CmdContinuaLog", "CmdInterrompi"});
        form1->ClickToolbar("Mostra");
        QCOMPARE(ancora.viste.size(), 2);
        QCOMPARE(ancora.viste[0].passo, QString("Passo 0 di %1").arg(totale));
        QVERIFY(ancora.viste[0].righePrecedenti.isEmpty());
        QVERIFY(ancora.viste[1].righePrecedenti.isEmpty());
        QCOMPARE(ancora.viste[1].passo, QString("Passo 1 di %1").arg(totale));
    }

    void ilConteggioNonCambiaLeProve() {
        // A schema that needs trials: the counting solve must leave the random draws alone, so
        // the logged solve tries the values a plain solve from the same point would.
        banco->file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_prove.txt";
        QVERIFY(CaricaSchema(*banco));
        const uint32_t prima = StatoCasuale();
        Copione copione(*form1, {"CmdFine"});
        form1->ClickToolbar("Mostra");
        QCOMPARE(copione.viste.size(), 1);
        const std::vector<std::string> registrato = banco->ris.Trascrizione;
        QVERIFY(std::find_if(registrato.begin(), registrato.end(), [](const std::string& r) {
                    return r.rfind("Provo ", 0) == 0;
                }) != registrato.end());
        QCOMPARE(copione.viste[0].passo, QString("Passo 0 di %1").arg(banco->ris.PassoCorrente));

        RipristinaCasuale(prima);
        Banco semplice;
        semplice.file.NomeFileAperto = banco->file.NomeFileAperto;
        QVERIFY(CaricaSchema(semplice));
        semplice.imp = banco->imp;
        semplice.ris.MaxLivello = 99;
        semplice.ris.MostraLog = false;
        RisolviSchema(semplice);
        QCOMPARE(registrato, semplice.ris.Trascrizione);
    }

    void candidatiInTreXTreSulla9x9() {
        banco->file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_9x9.txt";
        QVERIFY(CaricaSchema(*banco));
        QImage foto;
        Griglia modello;
        // The grid redrawn from the state after step 40 (white cells, no step colours).
        Copione copione(
            *form1,
            Tanti("CmdContinuaLog", 40) << "CmdAggiorna"
                                        << "CmdInterrompi",
            [&](Form3& f, Vista& v) {
                if (v.righe != Situazione || !v.passo.startsWith("Passo 40 ")) return;
                foto = form1->Griglia()->grab().toImage();
                modello = banco->Gr;
                const QByteArray cartella = qgetenv("KELVARO_SCREENSHOT");
                if (cartella.isEmpty()) return;
                QVERIFY(QTest::qWaitForWindowExposed(&f));
                QTest::qWait(100);
                QApplication::primaryScreen()->grabWindow(0).save(QString(cartella) + "/mostra_9x9.png");
            });
        form1->ClickToolbar("Mostra");
        QVERIFY(!foto.isNull());
        const QByteArray cartella = qgetenv("KELVARO_SCREENSHOT");
        if (!cartella.isEmpty()) foto.save(QString(cartella) + "/candidati_9x9.png");

        int celleConCandidati = 0;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const CellaGriglia& cella = modello.Cella(2 * r - 1, 2 * c - 1);
                MascheraCifre m = 0;
                if (cella.FontSize >= 16 || !MascheraDaTesto(cella.Testo, m)) continue;
                ++celleConCandidati;
                const QRectF rc = form1->Griglia()->RettangoloPosizione(2 * r - 1, 2 * c - 1);
                for (int d = 1; d <= 9; ++d) {
                    const QRect ink = Inchiostro(foto, RettangoloCifraPiccola(rc, d));
                    const bool c_e = (m >> d) & 1u;
                    QVERIFY2(ink.isEmpty() != c_e, qPrintable(QString("R%1C%2 cifra %3 in \"%4\"")
                                                                  .arg(r)
                                                                  .arg(c)
                                                                  .arg(d)
                                                                  .arg(QString::fromStdString(cella.Testo))));
                    // Readable: digits at least 8 pixels tall at the default size.
                    if (c_e) QVERIFY(ink.height() >= 8);
                }
            }
        QVERIFY(celleConCandidati > 20);
    }

    // With KELVARO_SCREENSHOT set, leaves a picture of the screen at the first step there.
    void fotografia() {
        const QByteArray cartella = qgetenv("KELVARO_SCREENSHOT");
        if (cartella.isEmpty()) QSKIP("KELVARO_SCREENSHOT not set");
        int viste = 0;
        QTimer t;
        connect(&t, &QTimer::timeout, [&] {
            auto* f = qobject_cast<Form3*>(QApplication::activeModalWidget());
            if (!f || f->property("visto").toBool() || !QTest::qWaitForWindowExposed(f)) return;
            f->setProperty("visto", true);
            if (++viste == 2) {
                QTest::qWait(100);
                QApplication::primaryScreen()->grabWindow(0).save(QString(cartella) + "/mostra.png");
                QTest::mouseClick(f->CmdInterrompi, Qt::LeftButton);
            } else {
                QTest::mouseClick(f->CmdContinuaLog, Qt::LeftButton);
            }
        });
        t.start(20);
        form1->ClickToolbar("Mostra");
        QCOMPARE(viste, 2);
    }

    void finestraPrincipaleBassaNonTagliaIPulsanti() {
        QWidget principale;
        principale.setGeometry(50, 40, 300, 120);
        QWidget gr(&principale);
        gr.setGeometry(8, 40, 100, 100);
        principale.show();
        Form3 f(&principale);
        f.Posiziona(PosizionaFormLog(principale, &gr));
        QVERIFY(f.FrmMess->geometry().bottom() < f.height());
    }
};

QTEST_MAIN(TestForm3)
#include "form3_test.moc"
