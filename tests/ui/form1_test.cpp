// The main window driven as a user would: toolbar, grid clicks, palette keys, the levels dialog.
// File dialogs and message boxes are answered by a scripted FinestreQt.
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "display/visualizza.h"
#include "files/caricamento.h"
#include "ui/finestra_principale.h"
#include "ui/finestre_qt.h"
#include "ui/form2.h"
#include "ui/griglia_widget.h"
#include "ui/palette.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Answers the dialogs from a script and keeps what the program said.
class FinestreProva : public FinestreQt {
public:
    using FinestreQt::FinestreQt;
    std::deque<std::string> fileDaAprire;
    std::deque<std::string> fileDaSalvare;
    std::vector<std::string> messaggi;
    std::vector<std::string> proposteSalva;
    int apriChiamato = 0;

    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
    int ChiediSiNo(const std::string&) override { return RispostaNo; }
    int ChiediSiNoAnnulla(const std::string&) override { return RispostaNo; }
    std::string Apri() override {
        ++apriChiamato;
        if (fileDaAprire.empty()) return "";
        std::string f = fileDaAprire.front();
        fileDaAprire.pop_front();
        return f;
    }
    // The step-by-step log answers "Continua log" at once (its own tests drive the window).
    int MostraFinestraLog(const LogSoluzione&, bool) override { return 1; }
    std::string Salva(const std::string& proposta) override {
        proposteSalva.push_back(proposta);
        if (fileDaSalvare.empty()) return "";
        std::string f = fileDaSalvare.front();
        fileDaSalvare.pop_front();
        return f;
    }
};

std::string PercorsoSchema(const char* nome) {
    return std::string(KELVARO_SORGENTI) + "/" + nome;
}

const char* Schema7 = "bench/schemi/7k_1.txt";  // 7 x 7, 16 signs
const char* Schema5 = "resources/schemixwebsite/2_Cinque_Facile.txt";

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    std::unique_ptr<Form1> form;
    FinestreProva* fin = nullptr;

    void Apri(const char* nome) {
        fin->fileDaAprire.push_back(PercorsoSchema(nome));
        form->ClickToolbar("Apri");
    }
    // Clicks the middle of grid position (i, j) with the mouse.
    void ClickPosizione(int i, int j) {
        const QRect r = form->Griglia()->RettangoloPosizione(i, j);
        QTest::mouseClick(form->Griglia(), Qt::LeftButton, {}, r.center());
    }
    void ClickCella(int r, int c) { ClickPosizione(RigaGriglia(r), ColonnaGriglia(c)); }
    std::string TestoCella(int r, int c) { return b->Gr.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo; }
    QToolButton* Bottone(const char* chiave) { return form->Toolbar()->findChild<QToolButton*>(chiave); }
    int Px(double twips) { return static_cast<int>(twips * PixelPerTwipX(form.get()) + 0.5); }
    int Py(double twips) { return static_cast<int>(twips * PixelPerTwipY(form.get()) + 0.5); }

    // Runs `azione` on the modal Form2 the menu opens, then waits for it to close.
    void ConForm2(const std::function<void(Form2*)>& azione) {
        bool visto = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<Form2*>(QApplication::activeModalWidget());
            QVERIFY(d);
            visto = true;
            azione(d);
            if (d->isVisible()) d->reject();
        });
        form->findChild<QAction*>("MnuLivellieDimensioni")->trigger();
        QVERIFY(visto);
    }
    // Pixels inside grid position (i, j) that pass a colour test (the edges left out).
    int Pixel(int i, int j, const std::function<bool(QRgb)>& prova) {
        const QImage img = form->Griglia()->grab().toImage();
        const double sx = double(img.width()) / form->Griglia()->width();
        const double sy = double(img.height()) / form->Griglia()->height();
        const QRect r = form->Griglia()->RettangoloPosizione(i, j).adjusted(3, 3, -3, -3);
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (prova(img.pixel(int(x * sx), int(y * sy)))) ++n;
        return n;
    }
    int PixelScuri(int i, int j) {
        return Pixel(i, j, [](QRgb c) { return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110; });
    }
    int PixelBlu(int i, int j) {
        return Pixel(i, j, [](QRgb c) { return qBlue(c) > 180 && qRed(c) < 110 && qGreen(c) < 110; });
    }

private slots:
    void init() { QVERIFY(test::ApriFinestraPrincipale(b, form, fin)); }
    void cleanup() {
        form.reset();
        b.reset();
    }

    void avvio();
    void apriMostraLoSchema();
    void apriAnnullatoOErratoNonCambiaNulla();
    void risolviMostraSoluzioneEContatori();
    void risolviPrimaDiAprireNonFaNulla();
    void risolviSenzaSoluzioneLoDice();
    void mostraLasciaLaSoluzione();
    void paletteScriveCancellaEAnnulla();
    void paletteSoloSulleCelleModificabili();
    void toolbarChiudeLaPalette();
    void livelliEDimensioniValoriIniziali();
    void livelliEDimensioniOkEAnnulla();
    void tecnicheSpenteDalDialogo();
    void salvaScriveIlFile();
    void maiMassimizzata();
    void dimensioneCambiataDopoLApertura();
    void uscitaChiude();
    void schermata();
};

void Form1Test::avvio() {
    QCOMPARE(form->objectName(), QString("Form1"));
    QCOMPARE(form->windowTitle(), QString("Kelvaro"));
    // Stored client size at the screen's resolution, centred a quarter down the screen.
    QCOMPARE(form->size(), QSize(Px(4935), Py(4695)));
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(form->pos(), QPoint(schermo.left() + (schermo.width() - form->width()) / 2,
                                 schermo.top() + (schermo.height() - form->height()) / 4));
    // Toolbar: the eleven entries in order (with "Aiutino" beside the solving commands),
    // tooltips, placeholders 300 twips wide.
    const QStringList chiavi = {"Apri", "Salva",   "s0",   "Risolvi", "Mostra", "Aiutino",
                                "s2",   "UndoAll", "Undo", "Stampa",  "s33",    "Uscita"};
    const QStringList suggerimenti = {"Apri ",
                                      "Salva",
                                      "",
                                      "Risolvi",
                                      "Log sequenza soluzione",
                                      "Aiutino: il prossimo passo (H)",
                                      "",
                                      "Ricomincia",
                                      "Annulla ultima mossa",
                                      "Stampa schema",
                                      "",
                                      "Esci"};
    const QList<QAction*> azioni = form->Toolbar()->actions();
    QCOMPARE(form->Toolbar()->objectName(), QString("tlb1"));
    QCOMPARE(azioni.size(), 12);
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(azioni[k]->objectName(), chiavi[k]);
        QWidget* w = form->Toolbar()->widgetForAction(azioni[k]);
        QVERIFY(w);
        QCOMPARE(w->objectName(), chiavi[k]);
        if (suggerimenti[k].isEmpty()) {
            QCOMPARE(w->width(), Px(300));
        } else {
            QCOMPARE(azioni[k]->toolTip(), suggerimenti[k]);
            QVERIFY(!azioni[k]->icon().isNull());
            // Enabled after the load step, "Undo" and "UndoAll" included.
            QVERIFY(azioni[k]->isEnabled());
        }
    }
    // Every button fits the stored width: none is pushed into the toolbar's overflow menu.
    QVERIFY2(form->Toolbar()->sizeHint().width() <= form->width(),
             qPrintable(QString::number(form->Toolbar()->sizeHint().width())));
    QVERIFY(form->Toolbar()->widgetForAction(form->Pulsante("Uscita"))->isVisible());
    // Menus: the three entries the stored layout hides are offered.
    for (const char* nome : {"MnuLivellieDimensioni", "MnuAiuto", "mnuHTML", "MnuInfo0", "mnuInformazioni"}) {
        QAction* a = form->findChild<QAction*>(nome);
        QVERIFY2(a, nome);
        QVERIFY2(a->isVisible(), nome);
    }
    QCOMPARE(form->findChild<QAction*>("MnuLivellieDimensioni")->text(), QString("Livelli e dimensioni"));
    QCOMPARE(form->findChild<QAction*>("MnuAiuto")->text(), QString("Istruzioni"));
    QCOMPARE(form->findChild<QAction*>("mnuHTML")->text(), QString("HTML"));
    QCOMPARE(form->findChild<QAction*>("MnuInfo0")->text(), QString("?"));
    QCOMPARE(form->findChild<QAction*>("mnuInformazioni")->text(), QString("Informazioni su Kelvaro"));
    // Status bar with its three empty panels; grid and palette hidden.
    QCOMPARE(form->statusBar()->objectName(), QString("Stbr"));
    for (const char* p : {"p1", "p2", "p4"}) {
        QVERIFY2(form->Pannello(p), p);
        QVERIFY(form->Pannello(p)->text().isEmpty());
    }
    QVERIFY(!form->Griglia()->isVisible());
    QVERIFY(!form->Frame1()->isVisible());
    // Defaults of the load step.
    QCOMPARE(b->schema.Sizesc, 5);
    QCOMPARE(b->imp.AttivaMultipli, 3);
    QCOMPARE(b->imp.Soglia, 11);
    QCOMPARE(b->web.DataRiferimento, std::string("01/01/2009"));
    QVERIFY(!b->imp.GeneraAuto);
}

void Form1Test::apriMostraLoSchema() {
    QTest::mouseClick(Bottone("Apri"), Qt::LeftButton);
    QCOMPARE(fin->apriChiamato, 1);  // no file was scripted: cancelled
    Apri(Schema7);
    QVERIFY(fin->messaggi.empty());
    QCOMPARE(b->schema.Sizesc, 7);
    QVERIFY(form->Griglia()->isVisible());
    // Givens of row 1 and row 7 ("2000000" ... "3100000"), blue for the empty cells.
    QCOMPARE(TestoCella(1, 1), std::string("2"));
    QCOMPARE(TestoCella(7, 1), std::string("3"));
    QCOMPARE(TestoCella(7, 2), std::string("1"));
    QCOMPARE(TestoCella(1, 2), std::string(""));
    QCOMPARE(b->Gr.Cella(1, 1).CellForeColor, ColoreNero);
    QCOMPARE(b->Gr.Cella(1, 3).CellForeColor, ColoreBlu);
    // "2221": R2C2 > R2C1, a sign between them pointing at R2C1; "3132": R3C1 > R3C2 below.
    QCOMPARE(static_cast<unsigned char>(b->Gr.Cella(3, 2).Testo[0]), SegnoMinDes);
    QCOMPARE(static_cast<unsigned char>(b->Gr.Cella(5, 2).Testo[0]), SegnoMagDes);
    // The widget shows them: dark pixels for givens and signs, none in empty cells and plain spacers.
    QVERIFY(PixelScuri(1, 1) > 10);
    QVERIFY(PixelScuri(3, 2) > 5);
    QVERIFY(PixelScuri(5, 2) > 5);
    QCOMPARE(PixelScuri(1, 3), 0);
    QCOMPARE(PixelScuri(1, 2), 0);
    // Widget and window sized from the grid: 7 x 670 + 8 x 240 + 100 twips.
    QCOMPARE(form->Griglia()->size(), QSize(Px(6710), Py(6710)));
    QCOMPARE(form->size(), QSize(Px(240 + 6710), Py(1200 + 6710 + MmToTwips(18))));
    // After the load the undo list is empty and both buttons are off.
    QVERIFY(!form->Pulsante("Undo")->isEnabled());
    QVERIFY(!form->Pulsante("UndoAll")->isEnabled());
    // Nothing selected after a display: the current position is the hidden row.
    QCOMPARE(b->Gr.Row, 15);
    QCOMPARE(b->Gr.Col, 0);
}

void Form1Test::apriAnnullatoOErratoNonCambiaNulla() {
    Apri(Schema5);
    const Tabella prima = b->schema.tblSchema;
    const QSize dimensione = form->size();
    form->ClickToolbar("Apri");  // cancelled dialog
    QCOMPARE(b->schema.Sizesc, 5);
    QVERIFY(b->schema.tblSchema == prima);

    QTemporaryDir cartella;
    const QString rotto = cartella.filePath("rotto.txt");
    QFile f(rotto);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<FUTOSHIKI SIZE='6'>\n<SCHEMA>000000</SCHEMA>\n");
    f.close();
    fin->fileDaAprire.push_back(rotto.toStdString());
    form->ClickToolbar("Apri");
    QCOMPARE(fin->messaggi.size(), size_t(1));
    QCOMPARE(fin->messaggi[0], "File inesistente o dati errati|" + rotto.toStdString());
    QCOMPARE(b->schema.Sizesc, 5);
    QVERIFY(b->schema.tblSchema == prima);
    QCOMPARE(form->size(), dimensione);
}

void Form1Test::risolviMostraSoluzioneEContatori() {
    Apri(Schema7);
    QTest::mouseClick(Bottone("Risolvi"), Qt::LeftButton);
    QCOMPARE(form->Pannello("p1")->text(), QString("1 1 0"));
    QVERIFY(b->ris.Risolto);
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 7; ++c) QCOMPARE(TestoCella(r, c), b->schema.tblSoluzione[r][c]);
    // Solved digits at the decided size, givens still black.
    QCOMPARE(b->Gr.Cella(1, 3).FontSize, 16.0);
    QCOMPARE(b->Gr.Cella(1, 1).CellForeColor, ColoreNero);
    QVERIFY(!b->storia.RegistraStoria);
    QVERIFY(b->storia.NumStoria > 1);
    QVERIFY(!form->Pulsante("Undo")->isEnabled());
    QVERIFY(!form->Pulsante("UndoAll")->isEnabled());
    // The automatic name: size, level digits, date.
    QVERIFY2(QString::fromStdString(b->file.NomeFile).contains(QRegularExpression("^7_0101_\\d{12}\\.TXT$")),
             b->file.NomeFile.c_str());
}

// Two equal givens in one row: Risolvi says there is no solution.
void Form1Test::risolviSenzaSoluzioneLoDice() {
    QTemporaryDir cartella;
    const QString doppio = cartella.filePath("doppio.txt");
    QFile f(doppio);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "<F SIZE='4'><SCHEMA>1010000000000000</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
        "<CONSTRAINT></CONSTRAINT>\n<CHECK>662364</CHECK>\n");
    f.close();
    fin->fileDaAprire.push_back(doppio.toStdString());
    form->ClickToolbar("Apri");
    QVERIFY(fin->messaggi.empty());
    form->ClickToolbar("Risolvi");
    QVERIFY(!b->ris.Risolto);
    QCOMPARE(fin->messaggi.size(), size_t(1));
    QCOMPARE(fin->messaggi[0], std::string("Lo schema non ha soluzione|"));
    QCOMPARE(form->statusBar()->currentMessage(), QString("Lo schema non ha soluzione"));
}

void Form1Test::risolviPrimaDiAprireNonFaNulla() {
    form->ClickToolbar("Risolvi");
    form->ClickToolbar("Mostra");
    form->ClickToolbar("Salva");
    QVERIFY(form->Pannello("p1")->text().isEmpty());
    QVERIFY(!form->Griglia()->isVisible());
    QVERIFY(fin->proposteSalva.empty());
    QVERIFY(fin->messaggi.empty());
}

void Form1Test::mostraLasciaLaSoluzione() {
    Apri(Schema7);
    form->ClickToolbar("Risolvi");
    form->ClickToolbar("Mostra");
    // The walk through the log went to its end: the solved grid stays on screen.
    QCOMPARE(TestoCella(1, 1), std::string("2"));
    QCOMPARE(TestoCella(1, 2), b->schema.tblSoluzione[1][2]);
    // "p1" keeps the last "Risolvi".
    QCOMPARE(form->Pannello("p1")->text(), QString("1 1 0"));
    QVERIFY(!form->Pulsante("Undo")->isEnabled());
}

void Form1Test::paletteScriveCancellaEAnnulla() {
    Apri(Schema7);
    Palette* p = form->Frame1();
    ClickCella(2, 3);
    QVERIFY(p->isVisible());
    QCOMPARE(p->objectName(), QString("Frame1"));
    // Centred on the cell: frame top-left = cell corner - 352 twips.
    const QRect cella = form->Griglia()->RettangoloPosizione(3, 5);
    const QPoint angolo = form->Griglia()->mapTo(p->parentWidget(), cella.topLeft());
    QVERIFY(qAbs(p->x() - (angolo.x() - Px(352))) <= 1);
    QVERIFY(qAbs(p->y() - (angolo.y() - Py(352))) <= 1);
    QCOMPARE(p->size(), QSize(Px(1440), Py(1440)));
    // Keys 1..7 for a 7 x 7 schema, "0" and the close key always.
    for (int k = 1; k <= 11; ++k) {
        auto* t = p->findChild<QLabel*>(QString("Label1_%1").arg(k));
        QVERIFY(t);
        QCOMPARE(t->isVisible(), k <= 7 || k >= 10);
    }
    QCOMPARE(p->findChild<QLabel*>("Label1_10")->text(), QString("0"));
    QCOMPARE(p->findChild<QLabel*>("Label1_11")->text(), QString("     X"));
    QCOMPARE(p->findChild<QLabel*>("LabeV")->text(), QString(10, ' '));

    QTest::mouseClick(p->findChild<QLabel*>("Label1_3"), Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QCOMPARE(TestoCella(2, 3), std::string("3"));
    QCOMPARE(b->Gr.Cella(3, 5).CellForeColor, ColoreBlu);
    QVERIFY(form->Pulsante("Undo")->isEnabled());
    QVERIFY(form->Pulsante("UndoAll")->isEnabled());
    QCOMPARE(PixelScuri(3, 5), 0);  // a hand entry is blue
    QVERIFY(PixelBlu(3, 5) > 10);
    QCOMPARE(PixelBlu(1, 1), 0);

    // Reopened: the centre label shows the cell's text; the close key changes nothing.
    ClickCella(2, 3);
    QCOMPARE(p->findChild<QLabel*>("LabeV")->text(), QString(10, ' ') + "3");
    QTest::mouseClick(p->findChild<QLabel*>("Label1_11"), Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QCOMPARE(TestoCella(2, 3), std::string("3"));
    QCOMPARE(b->modifica.NumMosse(), 1);

    ClickCella(4, 4);
    QTest::mouseClick(p->findChild<QLabel*>("Label1_7"), Qt::LeftButton);
    ClickCella(2, 3);
    QTest::mouseClick(p->findChild<QLabel*>("Label1_10"), Qt::LeftButton);
    QCOMPARE(TestoCella(2, 3), std::string(""));
    QCOMPARE(b->modifica.NumMosse(), 3);

    QTest::mouseClick(Bottone("Undo"), Qt::LeftButton);
    QCOMPARE(TestoCella(2, 3), std::string("3"));
    QVERIFY(form->Pulsante("Undo")->isEnabled());
    // "Ricomincia" goes back to the givens as one move: undo brings the game back.
    QTest::mouseClick(Bottone("UndoAll"), Qt::LeftButton);
    QCOMPARE(TestoCella(2, 3), std::string(""));
    QCOMPARE(TestoCella(4, 4), std::string(""));
    QVERIFY(form->Pulsante("Undo")->isEnabled());
    QVERIFY(!p->isVisible());
    QTest::mouseClick(Bottone("Undo"), Qt::LeftButton);
    QCOMPARE(TestoCella(2, 3), std::string("3"));
    QCOMPARE(TestoCella(4, 4), std::string("7"));
    // Hand entries never touch the schema.
    QCOMPARE(b->schema.tblSchema[2][3], std::string("0"));
}

void Form1Test::paletteSoloSulleCelleModificabili() {
    Apri(Schema5);
    Palette* p = form->Frame1();
    ClickCella(1, 2);
    QVERIFY(p->isVisible());
    // N = 5: keys 6..9 hidden.
    for (int k = 1; k <= 11; ++k)
        QCOMPARE(p->findChild<QLabel*>(QString("Label1_%1").arg(k))->isVisible(), k <= 5 || k >= 10);
    // A given, a sign position and a spacer close the palette and open none.
    int rg = 0, cg = 0;
    for (int r = 1; r <= 5 && !rg; ++r)
        for (int c = 1; c <= 5 && !rg; ++c)
            if (b->schema.tblSchema[r][c] != "0") rg = r, cg = c;
    QVERIFY(rg > 0);
    const QPoint posizioni[] = {{RigaGriglia(rg), ColonnaGriglia(cg)}, {1, 2}, {2, 1}, {0, 0}, {10, 10}};
    for (const QPoint& q : posizioni) {
        ClickCella(1, 2);
        QVERIFY(p->isVisible());
        ClickPosizione(q.x(), q.y());
        QVERIFY2(!p->isVisible(), qPrintable(QString("%1,%2").arg(q.x()).arg(q.y())));
        QCOMPARE(b->Gr.Row, q.x());
        QCOMPARE(b->Gr.Col, q.y());
    }
    QCOMPARE(b->modifica.NumMosse(), 0);
}

void Form1Test::toolbarChiudeLaPalette() {
    Apri(Schema5);
    // "Stampa" asks for a printer: the dialog is cancelled here.
    QTimer annulla;
    connect(&annulla, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    annulla.start(10);
    for (const char* chiave : {"Undo", "UndoAll", "Stampa", "Salva"}) {
        ClickCella(1, 2);
        QVERIFY(form->Frame1()->isVisible());
        form->ClickToolbar(chiave);
        QVERIFY2(!form->Frame1()->isVisible(), chiave);
    }
    QCOMPARE(TestoCella(1, 2), std::string(""));
    // The other menu entries leave it open; the levels menu closes it.
    for (const char* voce : {"MnuAiuto", "mnuHTML", "mnuInformazioni"}) {
        ClickCella(1, 2);
        form->findChild<QAction*>(voce)->trigger();
        QVERIFY2(form->Frame1()->isVisible(), voce);
    }
    annulla.stop();
    ClickCella(1, 2);
    ConForm2([](Form2* d) { d->reject(); });
    QVERIFY(!form->Frame1()->isVisible());
}

void Form1Test::livelliEDimensioniValoriIniziali() {
    ConForm2([this](Form2* d) {
        QCOMPARE(d->windowTitle(), QString("Livelli e dimensioni"));
        QCOMPARE(d->pos(), form->pos());
        const struct {
            const char* nome;
            QString scelto;
            int voci;
            QString prima, ultima;
        } liste[] = {
            {"cmbSizeSc", "5", 5, "5", "9"},
            {"cmbCelleIniziali", "2", 21, "0", "20"},
            {"cmbMaxCercaVincoli", "10", 8, "1", "40"},
            {"CmbCiclo1", "2", 11, "0", "10"},
            {"cmbCiclo2", "2", 11, "0", "10"},
            {"cmbSoglia", "11", 36, "5", "40"},
        };
        for (const auto& l : liste) {
            auto* c = d->findChild<QComboBox*>(l.nome);
            QVERIFY2(c, l.nome);
            QCOMPARE(c->currentText(), l.scelto);
            QCOMPARE(c->count(), l.voci);
            QCOMPARE(c->itemText(0), l.prima);
            QCOMPARE(c->itemText(c->count() - 1), l.ultima);
            QVERIFY(!c->isEditable());
        }
        QCOMPARE(d->findChild<QComboBox*>("cmbMaxCercaVincoli")->itemText(3), QString("10"));
        auto* uscita = d->findChild<QCheckBox*>("ChKOutputSchema");
        auto* mult = d->findChild<QCheckBox*>("chkMult");
        auto* swf = d->findChild<QCheckBox*>("ChkSwf");
        QCOMPARE(uscita->text(), QString("Salva tutti gli schemi"));
        QCOMPARE(mult->text(), QString("Attiva Doppi Tripli Nascosti"));
        QCOMPARE(swf->text(), QString("Attiva Sworfish "));
        QVERIFY(!uscita->isChecked());
        QVERIFY(mult->isChecked());
        QVERIFY(swf->isChecked());
        QCOMPARE(d->findChild<QPushButton*>("CmdOk")->text(), QString("OK"));
        for (const char* etichetta : {"Dimensione Schema", "Celle Iniziali", "Profondità analisi",
                                      "Cicli primari", "Cicli secondari", "Soglia Cicli"}) {
            bool trovata = false;
            for (QLabel* l : d->findChildren<QLabel*>())
                trovata = trovata || l->text() == QString::fromUtf8(etichetta);
            QVERIFY2(trovata, etichetta);
        }
    });
}

void Form1Test::livelliEDimensioniOkEAnnulla() {
    // Values outside the lists select the first item, and OK stores it.
    b->imp.MaxCercaVincoli = 7;
    b->imp.Soglia = 4;
    b->imp.AttivaMultipli = 5;
    ConForm2([](Form2* d) {
        QCOMPARE(d->findChild<QComboBox*>("cmbMaxCercaVincoli")->currentText(), QString("1"));
        QCOMPARE(d->findChild<QComboBox*>("cmbSoglia")->currentText(), QString("5"));
        QVERIFY(!d->findChild<QCheckBox*>("chkMult")->isChecked());
        QVERIFY(!d->findChild<QCheckBox*>("ChkSwf")->isChecked());
        d->findChild<QComboBox*>("cmbSizeSc")->setCurrentText("8");
        d->findChild<QComboBox*>("cmbCelleIniziali")->setCurrentText("13");
        d->findChild<QComboBox*>("CmbCiclo1")->setCurrentText("0");
        d->findChild<QComboBox*>("cmbCiclo2")->setCurrentText("10");
        d->findChild<QCheckBox*>("ChKOutputSchema")->setChecked(true);
        d->findChild<QCheckBox*>("ChkSwf")->setChecked(true);
        QTest::mouseClick(d->findChild<QPushButton*>("CmdOk"), Qt::LeftButton);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(b->schema.Sizesc, 8);
    QCOMPARE(b->imp.CelleIniziali, 13);
    QCOMPARE(b->imp.MaxCercaVincoli, 1);
    QCOMPARE(b->imp.MaxCiclo1, 0);
    QCOMPARE(b->imp.MaxCiclo2, 10);
    QCOMPARE(b->imp.Soglia, 5);
    QVERIFY(b->imp.OutputSchema);
    QCOMPARE(b->imp.AttivaMultipli, 2);

    // Closed without OK: nothing stored.
    ConForm2([](Form2* d) {
        QCOMPARE(d->findChild<QComboBox*>("cmbSizeSc")->currentText(), QString("8"));
        d->findChild<QComboBox*>("cmbSizeSc")->setCurrentText("6");
        d->findChild<QCheckBox*>("chkMult")->setChecked(true);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(b->schema.Sizesc, 8);
    QCOMPARE(b->imp.AttivaMultipli, 2);
}

void Form1Test::tecnicheSpenteDalDialogo() {
    Apri(Schema7);
    ConForm2([](Form2* d) {
        d->findChild<QCheckBox*>("chkMult")->setChecked(false);
        d->findChild<QCheckBox*>("ChkSwf")->setChecked(false);
        d->findChild<QComboBox*>("cmbSizeSc")->setCurrentText("7");
        d->CmdOk_Click();
    });
    QCOMPARE(b->imp.AttivaMultipli, 0);
    form->ClickToolbar("Risolvi");
    QCOMPARE(form->Pannello("p1")->text(), QString("0 0 0"));
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 7; ++c) QCOMPARE(TestoCella(r, c), b->schema.tblSoluzione[r][c]);
}

void Form1Test::salvaScriveIlFile() {
    QTemporaryDir cartella;
    Apri(Schema5);
    form->ClickToolbar("Risolvi");
    const std::string proposta = b->file.NomeFile;
    const QString dove = cartella.filePath("uscita.txt");
    form->ClickToolbar("Salva");  // cancelled
    QVERIFY(!QFile::exists(dove));
    fin->fileDaSalvare.push_back(dove.toStdString());
    form->ClickToolbar("Salva");
    QCOMPARE(fin->proposteSalva.size(), size_t(2));
    QCOMPARE(fin->proposteSalva[1], proposta);
    QVERIFY(QFile::exists(dove));
    QVERIFY(b->file.Salvato);
    // What was written loads back as the same schema.
    const Tabella dati = b->schema.tblSchema;
    b->file.NomeFileAperto = dove.toStdString();
    QVERIFY(CaricaSchema(*b));
    QVERIFY(b->schema.tblSchema == dati);
}

void Form1Test::dimensioneCambiataDopoLApertura() {
    // The size is a setting for new schemas: the open schema keeps its own size, and "Risolvi"
    // solves the whole of it.
    Apri("bench/schemi/9k_1.txt");
    ConForm2([](Form2* d) {
        d->findChild<QComboBox*>("cmbSizeSc")->setCurrentText("5");
        d->CmdOk_Click();
    });
    QCOMPARE(b->schema.Sizesc, 9);
    QCOMPARE(form->SizescImpostato(), 5);
    QCOMPARE(b->Gr.Rows(), 20);
    form->ClickToolbar("Risolvi");
    QVERIFY(b->ris.Risolto);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) QCOMPARE(TestoCella(r, c), b->schema.tblSoluzione[r][c]);
    QVERIFY(form->Pannello("p1")->text() != QString("0 0 0"));
    // The dialog shows the setting again, not the open schema's size.
    ConForm2([](Form2* d) { QCOMPARE(d->findChild<QComboBox*>("cmbSizeSc")->currentText(), QString("5")); });
    QCOMPARE(b->schema.Sizesc, 9);
    form->ClickToolbar("Mostra");
    form->ClickToolbar("UndoAll");
    QVERIFY(form->Griglia()->isVisible());
}

void Form1Test::maiMassimizzata() {
    Apri(Schema5);
    const QSize prima = form->size();
    form->showMaximized();
    QCoreApplication::processEvents();
    QVERIFY(!form->isMaximized());
    QCOMPARE(form->size(), prima);
}

void Form1Test::uscitaChiude() {
    QSignalSpy chiusa(form.get(), &Form1::Chiusa);
    QTest::mouseClick(Bottone("Uscita"), Qt::LeftButton);
    QCOMPARE(chiusa.count(), 1);
    QVERIFY(!form->isVisible());
}

void Form1Test::schermata() {
    const QByteArray dove = qgetenv("KELVARO_SCHERMATA");
    if (dove.isEmpty()) QSKIP("KELVARO_SCHERMATA not set");
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove).chopped(4) + "_avvio.png"));
    Apri(Schema7);
    QTest::qWait(50);
    ClickCella(2, 3);
    QVERIFY(form->Frame1()->isVisible());
    QTest::qWait(100);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove)));
    // Beside it: the solved schema and the levels dialog.
    const QString base = QString::fromLocal8Bit(dove).chopped(4);
    form->ClickToolbar("Risolvi");
    QTest::qWait(50);
    QVERIFY(form->grab().save(base + "_risolto.png"));
    ConForm2([&](Form2* d) {
        QTest::qWait(50);
        QVERIFY(d->grab().save(base + "_livelli.png"));
    });
    // A 9 x 9 schema with the palette on the bottom-right cell.
    Apri("bench/schemi/9k_1.txt");
    int r = 9, c = 9;
    while (b->schema.tblSchema[r][c] != "0") --c;
    ClickCella(r, c);
    QVERIFY(form->Frame1()->isVisible());
    QTest::qWait(50);
    QVERIFY(form->grab().save(base + "_nove.png"));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
