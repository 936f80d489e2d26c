// "Apri codice..." and "Copia codice" in the File menu: a pasted code becomes the window's schema,
// unsaved; the schema's code goes to the clipboard.
#include "ui/codice.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "solver/contatore.h"
#include "ui/finestra_principale.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Keeps what the window said and asked; questions get `risposta`.
class FinestreProva : public FinestreQt {
public:
    using FinestreQt::FinestreQt;
    std::vector<std::string> messaggi;
    std::vector<std::string> domande;
    int risposta = RispostaNo;
    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
    int ChiediSiNo(const std::string& testo) override { return domande.push_back(testo), risposta; }
    int ChiediSiNoAnnulla(const std::string& testo) override { return domande.push_back(testo), risposta; }
};

// A 5 x 5 code Unequal made ("5dk#codici"), and its givens row by row.
const QString Codice5 = QStringLiteral("5:0R,0,0,0D,0L,0R,0,0,0D,0,3,0,0,0,0,0R,3,0,0,0D,0,0,0,0,0,");

}  // namespace

class CodiceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    std::unique_ptr<Form1> form;
    FinestreProva* fin = nullptr;

    ComandiCodice* Comandi() { return form->findChild<ComandiCodice*>(); }
    // Triggers "Apri codice..." and answers its dialog: the text, or Cancel when it is null.
    void ApriDalMenu(const QString& testo) {
        bool visto = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            visto = true;
            if (testo.isNull()) {
                d->reject();
                return;
            }
            d->setTextValue(testo);
            d->accept();
        });
        Comandi()->AzioneApriCodice()->trigger();
        QVERIFY(visto);
    }

private slots:
    void init() { QVERIFY(test::ApriFinestraPrincipale(b, form, fin)); }
    void cleanup() {
        form.reset();
        b.reset();
    }

    void VociSottoApri() {
        QMenu* file = form->findChild<QMenu*>(QStringLiteral("MnuFile"));
        QVERIFY(file);
        const QList<QAction*> voci = file->actions();
        int k = 0;
        while (k < voci.size() && voci[k]->objectName() != QLatin1String("MnuApri")) ++k;
        QVERIFY(k + 2 < voci.size());
        QCOMPARE(voci[k + 1]->objectName(), QStringLiteral("MnuApriCodice"));
        QCOMPARE(voci[k + 1]->text(), QStringLiteral("Apri codice..."));
        QCOMPARE(voci[k + 2]->objectName(), QStringLiteral("MnuCopiaCodice"));
        QCOMPARE(voci[k + 2]->text(), QStringLiteral("Copia codice"));
    }

    void ApreIlCodiceNonSalvato() {
        ApriDalMenu(QStringLiteral("  ") + Codice5 + QStringLiteral("\n"));
        QVERIFY(fin->messaggi.empty());
        QVERIFY(b->schema.Caricato);
        QCOMPARE(b->schema.Sizesc, 5);
        QCOMPARE(ConcatenaTabella(b->schema.tblSchema, 5), std::string("0000000000300000300000000"));
        QCOMPARE(b->schema.NumVincoli(), 7);
        QVERIFY(b->schema.tblSegni[1][1].MagDes);
        QCOMPARE(ContaSoluzioni(b->schema, 2), 1);
        QCOMPARE(ConcatenaTabella(b->schema.tblSoluzione, 5).size(), size_t(25));
        QVERIFY(!b->file.Salvato);
        QVERIFY(b->modifica.FileSchema.empty());
        QCOMPARE(form->windowTitle(), QStringLiteral("Kelvaro - Nuovo schema (non salvato)"));
        // the givens on the grid
        QCOMPARE(b->Gr.Cella(2 * 3 - 1, 2 * 1 - 1).Testo, std::string("3"));
        QCOMPARE(b->Gr.Cella(2 * 1 - 1, 2 * 1 - 1).Testo, std::string());
    }

    // Refused or cancelled: the schema on show stays as it was, and a refusal says why.
    void RifiutatoOAnnullato() {
        QVERIFY(Comandi()->ApriCodice(Codice5));
        const std::string prima = ConcatenaTabella(b->schema.tblSchema, 5);
        const QString titolo = form->windowTitle();
        struct Caso {
            QString codice;
            std::string messaggio;
        };
        for (const Caso& c : {
                 Caso{QStringLiteral("5a:0RD,0L,3,0RD,0L,0U,0D,0,0U,2D,0,0UR,0DL,0RD,0UL,0D,0D,0UR,0UL,0,0UR,"
                                     "0URL,0RL,0L,0,"),
                      "Impossibile aprire il codice|codice della variante Adjacent (segni di vicinanza tra "
                      "celle): Kelvaro gestisce solo i segni di disuguaglianza"},
                 Caso{QStringLiteral("4:0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"),
                      "Impossibile aprire il codice|il codice ha più di una soluzione"},
                 Caso{QStringLiteral("5:0,0"),
                      "Impossibile aprire il codice|celle attese 25 (5 x 5), trovate 2"},
             }) {
            fin->messaggi.clear();
            ApriDalMenu(c.codice);
            QCOMPARE(fin->messaggi.size(), size_t(1));
            QCOMPARE(fin->messaggi[0], c.messaggio);
            QCOMPARE(ConcatenaTabella(b->schema.tblSchema, 5), prima);
            QCOMPARE(b->schema.Sizesc, 5);
            QCOMPARE(form->windowTitle(), titolo);
        }
        fin->messaggi.clear();
        ApriDalMenu(QString());
        QVERIFY(fin->messaggi.empty());
        QCOMPARE(ConcatenaTabella(b->schema.tblSchema, 5), prima);
    }

    // Digits written by hand are at stake only once a code is good: a refused one asks nothing,
    // a good one asks first, and No keeps the game on show.
    void LavoroAManoProtetto() {
        QVERIFY(Comandi()->ApriCodice(Codice5));
        QTest::keyClick(form->Griglia(), '1');  // the cursor waits on R1C1, empty
        QCOMPARE(b->Gr.Cella(1, 1).Testo, std::string("1"));
        ApriDalMenu(QStringLiteral("5:0,0"));
        QCOMPARE(fin->messaggi.size(), size_t(1));
        QVERIFY(fin->domande.empty());
        const QString codice4 = QStringLiteral("4:0,0L,0,4,3,0,0,0,0,0,4,0D,0,0,2,0,");
        ApriDalMenu(codice4);
        QCOMPARE(fin->domande.size(), size_t(1));
        QCOMPARE(fin->domande[0],
                 std::string("Le cifre e le note scritte a mano andranno perse. Continuare?"));
        QCOMPARE(b->schema.Sizesc, 5);
        QCOMPARE(b->Gr.Cella(1, 1).Testo, std::string("1"));
        fin->risposta = RispostaSi;
        ApriDalMenu(codice4);
        QCOMPARE(b->schema.Sizesc, 4);
        QCOMPARE(b->Gr.Cella(1, 1).Testo, std::string());
    }

    void CopiaNegliAppunti() {
        QClipboard* appunti = QGuiApplication::clipboard();
        appunti->setText(QStringLiteral("prima"));
        // nothing on show yet: nothing copied
        Comandi()->AzioneCopiaCodice()->trigger();
        QCOMPARE(appunti->text(), QStringLiteral("prima"));
        QVERIFY(form->statusBar()->currentMessage().startsWith(QStringLiteral("Nessuno schema da copiare")));
        // a code opened is copied back as Unequal wrote it
        QVERIFY(Comandi()->ApriCodice(Codice5));
        Comandi()->AzioneCopiaCodice()->trigger();
        QCOMPARE(appunti->text(), Codice5);
        // a schema file: its code opens the same givens and signs
        QVERIFY(form->ApriFile(QStringLiteral(KELVARO_SORGENTI "/bench/schemi/7k_1.txt")));
        const Schema file = b->schema;
        Comandi()->AzioneCopiaCodice()->trigger();
        QVERIFY(appunti->text().startsWith(QStringLiteral("7:")));
        QVERIFY(Comandi()->ApriCodice(appunti->text()));
        QCOMPARE(ConcatenaTabella(b->schema.tblSchema, 7), ConcatenaTabella(file.tblSchema, 7));
        QVERIFY(b->schema.tblSegni == file.tblSegni);
        QCOMPARE(ConcatenaTabella(b->schema.tblSoluzione, 7), ConcatenaTabella(file.tblSoluzione, 7));
    }
};

QTEST_MAIN(CodiceTest)
#include "codice_test.moc"
