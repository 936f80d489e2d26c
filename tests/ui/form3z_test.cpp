// The instructions window and the About window.
#include "ui/form3z.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include "banco.h"
#include "display/rtf.h"
#include "ui/form1.h"
#include "ui/form8.h"
#include "ui/icone.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

int Px(double twips) {
    return static_cast<int>(
        std::lround(twips * QApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0));
}

bool Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(dati) == dati.size();
}

// The character format at the first occurrence of testo in the document.
QTextCharFormat FormatoDi(QTextDocument& doc, const QString& testo) {
    const QTextCursor c = doc.find(testo);
    if (c.isNull()) return {};
    QTextCursor dentro(&doc);
    dentro.setPosition(c.selectionStart() + 1);
    return dentro.charFormat();
}

}  // namespace

class TestFinestreSecondarie : public QObject {
    Q_OBJECT
private slots:
    void istruzioniMostranoLaGuidaFormattata() {
        QWidget principale;
        principale.setGeometry(200, 100, 400, 400);
        principale.show();
        const QPoint angolo = principale.pos();
        Form3z f(KELVARO_SORGENTI "/resources", &principale);
        QCOMPARE(f.objectName(), QString("Form3z"));
        QCOMPARE(f.windowTitle(), QString("Marnobe Istruzioni"));
        QCOMPARE(f.size(), QSize(Px(9210), Px(6465)));
        QCOMPARE(f.pos(), angolo + QPoint(Px(500), Px(500)));
        QVERIFY(f.Rtb);
        QCOMPARE(f.Rtb->objectName(), QString("Rtb"));
        QVERIFY(f.Rtb->isReadOnly());
        f.show();
        QCOMPARE(f.Rtb->geometry(), QRect(Px(120), Px(120), Px(8895), Px(6135)));

        QTextDocument& doc = *f.Rtb->document();
        const QString testo = doc.toPlainText();
        for (const char* atteso : {"Log sequenza soluzione", "Interompi log", "Aggiorna situazione",
                                   "Livelli e dimensioni", "FILESCHEMA=", "<REGOLA>", "kelvaro-cli", "/prod"})
            QVERIFY2(testo.contains(QString::fromUtf8(atteso)), atteso);
        QVERIFY(testo.contains(QString::fromUtf8("è")));  // accents from the code page
        // Formatting: the title big and bold, a tooltip in italics, the example in a fixed font.
        const QTextCharFormat titolo = FormatoDi(doc, "Kelvaro");
        QVERIFY(titolo.fontWeight() >= QFont::Bold);
        QVERIFY(titolo.fontPointSize() >= 18);
        QVERIFY(FormatoDi(doc, "Log sequenza soluzione").fontItalic());
        QVERIFY(FormatoDi(doc, "<CONSTRAINT>1211").fontFamilies().toStringList().contains("Courier New"));
        QCOMPARE(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }

    void fileMancanteSpiegatoNellaFinestra() {
        QTemporaryDir dir;
        Form3z f(dir.path().toStdString());
        const QString atteso =
            "Impossibile aprire il file delle istruzioni: " + QDir(dir.path()).filePath("Kelvaro.rtf");
        QCOMPARE(f.Rtb->toPlainText(), atteso);
    }

    void fileIllegibileOVuotoSpiegato_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("cartella");
        QTest::addColumn<QString>("inizio");
        QTest::newRow("cartella") << QByteArray() << true << "Impossibile aprire il file delle istruzioni: ";
        QTest::newRow("vuoto") << QByteArray("  \r\n") << false
                               << QString::fromUtf8("Il file delle istruzioni è vuoto: ");
    }
    void fileIllegibileOVuotoSpiegato() {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, cartella);
        QFETCH(QString, inizio);
        QTemporaryDir dir;
        const QString percorso = QDir(dir.path()).filePath("Kelvaro.rtf");
        if (cartella)
            QVERIFY(QDir(dir.path()).mkdir("Kelvaro.rtf"));
        else
            QVERIFY(Scrivi(percorso, contenuto));
        Form3z f(dir.path().toStdString());
        QVERIFY2(f.Rtb->toPlainText().startsWith(inizio), qPrintable(f.Rtb->toPlainText()));
        QVERIFY(f.Rtb->toPlainText().endsWith(percorso));
    }

    void testoNonRtfMostratoComE() {
        QTemporaryDir dir;
        QVERIFY(Scrivi(QDir(dir.path()).filePath("Kelvaro.rtf"), "Istruzioni {semplici} \\senza formato"));
        Form3z f(dir.path().toStdString());
        QCOMPARE(f.Rtb->toPlainText(), QString("Istruzioni {semplici} \\senza formato"));
    }

    void paragrafiERientri() {
        QTextDocument doc;
        RiempiDocumento(doc,
                        LeggiRtf("{\\rtf1\\pard\\qc\\sb120 Titolo\\par\\pard\\li360\\fi-240 \\bullet\\tab "
                                 "voce\\line a capo\\par}"));
        QCOMPARE(doc.blockCount(), 2);
        const QTextBlock primo = doc.begin();
        QCOMPARE(primo.text(), QString("Titolo"));
        QCOMPARE(primo.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(primo.blockFormat().topMargin(), 8.0);
        const QTextBlock secondo = primo.next();
        QCOMPARE(secondo.text(), QString::fromUtf8("•\tvoce") + QChar(QChar::LineSeparator) + "a capo");
        QCOMPARE(secondo.blockFormat().leftMargin(), 24.0);
        QCOMPARE(secondo.blockFormat().textIndent(), -16.0);
    }

    void informazioniCentrateSullaPrincipale() {
        QWidget principale;
        principale.setGeometry(300, 200, 600, 500);
        principale.show();
        Form8 f(&principale);
        QCOMPARE(f.objectName(), QString("Form8"));
        QCOMPARE(f.windowTitle(), QString("Informzioni su Kelvaro"));
        QCOMPARE(f.size(), QSize(Px(7080), Px(2910)));
        QCOMPARE(f.Label1->text(), QString("VERSIONE   1.0"));
        QCOMPARE(f.Label1->geometry(), QRect(Px(120), Px(240), Px(3375), Px(255)));
        QCOMPARE(f.Label1->font().family(), QString("Arial"));
        QCOMPARE(f.Command1->text(), QString("OK"));
        QCOMPARE(f.Command1->geometry(), QRect(Px(6120), Px(120), Px(855), Px(495)));

        bool visibile = false;
        QPoint centroF8;
        const QPoint centroPrincipale = principale.frameGeometry().center();
        QTimer::singleShot(50, [&] {
            visibile = f.isVisible();
            centroF8 = f.frameGeometry().center();
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        });
        QCOMPARE(f.exec(), int(QDialog::Accepted));
        QVERIFY(visibile);
        QVERIFY2((centroF8 - centroPrincipale).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(centroF8.x()).arg(centroF8.y())));
        QVERIFY(!f.isVisible());
    }

    // The main window's menu entries open both windows modally over it.
    void menuDellaFinestraPrincipale() {
        Banco b;
        b.CartellaProgramma = KELVARO_BIN;
        Form1 form(b);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString visto;
        QTimer t;
        connect(&t, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible()) return;
            visto = w->objectName();
            if (auto* f3z = qobject_cast<Form3z*>(w)) {
                QCOMPARE(f3z->parentWidget(), &form);
                QVERIFY(f3z->Rtb->toPlainText().contains("Interompi log"));
                f3z->close();
            } else if (auto* f8 = qobject_cast<Form8*>(w)) {
                QTest::mouseClick(f8->Command1, Qt::LeftButton);
            }
        });
        t.start(10);
        form.findChild<QAction*>("MnuAiuto")->trigger();
        QCOMPARE(visto, QString("Form3z"));
        form.findChild<QAction*>("mnuInformazioni")->trigger();
        QCOMPARE(visto, QString("Form8"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // With KELVARO_SCREENSHOT set, leaves pictures of both windows there, for a look by eye.
    void fotografie() {
        const QByteArray cartella = qgetenv("KELVARO_SCREENSHOT");
        if (cartella.isEmpty()) QSKIP("KELVARO_SCREENSHOT not set");
        Form3z f3z(KELVARO_SORGENTI "/resources");
        f3z.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f3z));
        QVERIFY(f3z.grab().save(QString(cartella) + "/form3z.png"));
        f3z.Rtb->setTextCursor(f3z.Rtb->document()->find("Il file schema"));
        f3z.Rtb->ensureCursorVisible();
        QVERIFY(f3z.grab().save(QString(cartella) + "/form3z_esempio.png"));
        QWidget principale;
        principale.setWindowIcon(IconaProgramma());
        Form8 f8(&principale);
        f8.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f8));
        QVERIFY(f8.grab().save(QString(cartella) + "/form8.png"));
    }
};

QTEST_MAIN(TestFinestreSecondarie)
#include "form3z_test.moc"
