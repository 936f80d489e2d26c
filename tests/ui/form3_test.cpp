// The log window on its own: layout, lines, buttons, placement beside the main window.
#include "ui/form3.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "display/griglia.h"
#include "display/log_soluzione.h"

using namespace kelvaro;

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

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void layoutMemorizzato() {
        Form3 f;
        QCOMPARE(f.objectName(), QString("Form3"));
        QCOMPARE(f.windowTitle(), QString("Log soluzione"));
        QCOMPARE(f.size(), QSize(Px(6270), Px(4680)));
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
        QCOMPARE(f.width(), Px(6270));  // width as stored
        QCOMPARE(f.Gm->geometry(), QRect(Px(120), Px(600), Px(5895), Px(4890)));
        QCOMPARE(f.FrmMess->pos(), QPoint(Px(120), Px(600) + Px(4890) + Px(MmToTwips(1))));
        QVERIFY(f.FrmMess->geometry().bottom() < f.height());
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
