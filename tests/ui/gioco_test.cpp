// Playing on the real main window: keys, right clicks, notes, marks, undo and redo, the questions
// before hand work is lost, progress beside the schema, opening a file at start, a larger window.
#include "display/gioco.h"

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <deque>
#include <filesystem>

#include "app/aiutino.h"
#include "display/visualizza.h"
#include "files/progresso.h"
#include "ui/finestra_principale.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/formhtml.h"
#include "ui/griglia_widget.h"
#include "ui/palette.h"
#include "ui/traduzioni.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Answers questions from a script (No when it runs out) and keeps what was asked and said.
class FinestreGioco : public FinestreQt {
public:
    using FinestreQt::FinestreQt;
    std::deque<int> risposte;
    std::deque<std::string> fileDaAprire;
    std::vector<std::string> domande;
    std::vector<std::string> messaggi;
    std::vector<std::string> proposteSalva;

    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
    int ChiediSiNo(const std::string& testo) override { return Rispondi(testo); }
    int ChiediSiNoAnnulla(const std::string& testo) override { return Rispondi(testo); }
    std::string Apri() override {
        if (fileDaAprire.empty()) return "";
        std::string f = fileDaAprire.front();
        fileDaAprire.pop_front();
        return f;
    }
    std::string Salva(const std::string& proposta) override {
        proposteSalva.push_back(proposta);
        return "";
    }
    int MostraFinestraLog(const LogSoluzione&, bool) override { return 1; }

private:
    int Rispondi(const std::string& testo) {
        domande.push_back(testo);
        if (risposte.empty()) return RispostaNo;
        const int r = risposte.front();
        risposte.pop_front();
        return r;
    }
};

std::string Sorgente(const char* nome) {
    return std::string(KELVARO_SORGENTI) + "/" + nome;
}

const char* Schema5 = "resources/schemixwebsite/2_Cinque_Facile.txt";
const char* Schema7 = "bench/schemi/7k_1.txt";
const char* Schema9 = "bench/schemi/9k_1.txt";
const char* Schema4 = "resources/schemixwebsite/1_Quattro_Facile.txt";

bool Rosso(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool Scuro(QRgb c) {
    return qRed(c) < 160 && qGreen(c) < 160 && qBlue(c) < 200 && !(qBlue(c) > 180 && qRed(c) < 60);
}

}  // namespace

class GiocoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    std::unique_ptr<Form1> form;
    FinestreGioco* fin = nullptr;
    QTemporaryDir dir;

    GrigliaWidget* G() { return form->Griglia(); }
    void Tasto(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(G(), k, m); }
    void Apri(const std::string& percorso) {
        fin->fileDaAprire.push_back(percorso);
        form->ClickToolbar("Apri");
    }
    std::string Testo(int r, int c) { return b->Gr.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo; }
    QPoint Centro(int i, int j) { return G()->RettangoloPosizione(i, j).center(); }
    void Cursore(int r, int c) {
        b->modifica.RigaCursore = r;
        b->modifica.ColonnaCursore = c;
    }
    // First empty editable cell in reading order.
    std::pair<int, int> Vuota(int daRiga = 1) {
        const int n = b->schema.Sizesc;
        for (int r = daRiga; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (b->schema.tblSchema[r][c] == "0" && Testo(r, c).empty()) return {r, c};
        return {0, 0};
    }
    int Pixel(int i, int j, bool (*prova)(QRgb)) {
        const QImage img = G()->grab().toImage();
        const double sx = double(img.width()) / G()->width(), sy = double(img.height()) / G()->height();
        const QRect r = G()->RettangoloPosizione(i, j).adjusted(4, 4, -4, -4);
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (prova(img.pixel(int(x * sx), int(y * sy)))) ++n;
        return n;
    }
    QString Copia(const char* nome) {
        const QString dove = dir.filePath(QFileInfo(nome).fileName());
        QFile::remove(dove);
        QFile::remove(dove + ".partita");
        QFile::copy(QString::fromStdString(Sorgente(nome)), dove);
        return dove;
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        QVERIFY(test::ApriFinestraPrincipale(b, form, fin));
    }
    void cleanup() {
        form.reset();
        b.reset();
    }

    void apreIlFileDallaRigaDiComando();
    void tastieraMuoveScriveCancella();
    void paletteDaTastiera();
    void noteConNEClickDestro();
    void validiRiempieLeNote();
    void erroriInRossoERisoltoUnaVolta();
    void annullaERipetiDaTastiera();
    void domandePrimaDiPerdereIlLavoro();
    void partitaSalvataERipresa();
    void partitaIlleggibileDettaNellaBarra();
    void pubblicareNonToccaLoSchema();
    void salvaProponeIlNomeDelloSchema();
    void pannelloContatoriSpiegato();
    void traduzioniItaliane();
    void maiPiuStrettaDellaToolbar();
    void grigliaCresceConLaFinestra();
    void grigliaSiRestringeSuSchermiPiccoli();
    void menuFileTastiERipeti();
    void segnoDelleNoteFuoriDallaCella();
    void aiutinoMostraPoiEsegue();
    void aiutinoCorreggeLeNoteSbagliate();
    void schermata();
};

void GiocoTest::apreIlFileDallaRigaDiComando() {
    const QString file = Copia(Schema7);
    QVERIFY(form->ApriFile(file));
    QCOMPARE(form->windowTitle(), QString("Kelvaro - 7k_1.txt"));
    QCOMPARE(b->schema.Sizesc, 7);
    QVERIFY(G()->isVisible());
    QVERIFY(G()->hasFocus());
    QCOMPARE(b->modifica.RigaCursore, 1);
    QCOMPARE(b->modifica.ColonnaCursore, 1);
    // The keys work at once: right to the first empty cell of row 1, then a digit.
    int c = 1;
    while (b->schema.tblSchema[1][c] != "0") ++c;
    for (int k = 1; k < c; ++k) Tasto(Qt::Key_Right);
    Tasto(Qt::Key_4);
    QCOMPARE(Testo(1, c), std::string("4"));
    // A file that does not load leaves the window as it was.
    QVERIFY(!form->ApriFile(dir.filePath("manca.txt")));
    QCOMPARE(form->windowTitle(), QString("Kelvaro - 7k_1.txt"));
    QCOMPARE(fin->messaggi.size(), size_t(1));
}

void GiocoTest::tastieraMuoveScriveCancella() {
    Apri(Sorgente(Schema7));
    G()->setFocus();
    QCOMPARE(b->modifica.RigaCursore, 1);
    // Arrows wrap round the edges.
    Tasto(Qt::Key_Left);
    QCOMPARE(b->modifica.ColonnaCursore, 7);
    Tasto(Qt::Key_Up);
    QCOMPARE(b->modifica.RigaCursore, 7);
    Tasto(Qt::Key_Down);
    Tasto(Qt::Key_Right);
    QCOMPARE(b->modifica.RigaCursore, 1);
    QCOMPARE(b->modifica.ColonnaCursore, 1);
    // A given is untouchable: R1C1 of this schema is one.
    QCOMPARE(b->schema.tblSchema[1][1], std::string("2"));
    Tasto(Qt::Key_5);
    Tasto(Qt::Key_Delete);
    QCOMPARE(Testo(1, 1), std::string("2"));
    QCOMPARE(b->modifica.NumMosse(), 0);
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_6);
    QCOMPARE(Testo(r, c), std::string("6"));
    Tasto(Qt::Key_8);  // above N: nothing
    QCOMPARE(Testo(r, c), std::string("6"));
    QVERIFY(form->Pulsante("Undo")->isEnabled());
    for (Qt::Key cancella : {Qt::Key_0, Qt::Key_Delete, Qt::Key_Backspace}) {
        Tasto(Qt::Key_3);
        QCOMPARE(Testo(r, c), std::string("3"));
        Tasto(cancella);
        QCOMPARE(Testo(r, c), std::string(""));
    }
    // Keypad digits write too.
    Tasto(Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(Testo(r, c), std::string("2"));
    // A click moves the cursor to the clicked cell.
    const auto [r2, c2] = Vuota(r + 1);
    QTest::mouseClick(G(), Qt::LeftButton, {}, Centro(RigaGriglia(r2), ColonnaGriglia(c2)));
    QCOMPARE(b->modifica.RigaCursore, r2);
    QCOMPARE(b->modifica.ColonnaCursore, c2);
}

void GiocoTest::paletteDaTastiera() {
    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    for (Qt::Key apri : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
        Tasto(apri);
        QVERIFY(form->Frame1()->isVisible());
        Tasto(Qt::Key_Escape);
        QVERIFY(!form->Frame1()->isVisible());
    }
    Tasto(Qt::Key_Return);
    QTest::mouseClick(form->Frame1()->findChild<QLabel*>("Label1_5"), Qt::LeftButton);
    QCOMPARE(Testo(r, c), std::string("5"));
    // On a given the palette stays closed.
    Cursore(1, 1);
    Tasto(Qt::Key_Return);
    QVERIFY(!form->Frame1()->isVisible());
}

void GiocoTest::noteConNEClickDestro() {
    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_N);
    QVERIFY(b->modifica.ModoNote);
    QVERIFY(form->findChild<QAction*>("mnuNote")->isChecked());
    QVERIFY(!form->Pannello("p4")->text().isEmpty());
    Tasto(Qt::Key_1);
    Tasto(Qt::Key_5);
    Tasto(Qt::Key_7);
    QCOMPARE(b->modifica.Note[r][c], uint16_t((1 << 1) | (1 << 5) | (1 << 7)));
    QCOMPARE(Testo(r, c), std::string(""));
    Tasto(Qt::Key_5);
    QCOMPARE(b->modifica.Note[r][c], uint16_t((1 << 1) | (1 << 7)));
    // Drawn small inside the cell: dark ink, no big blue digit.
    QVERIFY(Pixel(RigaGriglia(r), ColonnaGriglia(c), Scuro) > 10);
    // Back to digits: N again; a left click also leaves the notes.
    Tasto(Qt::Key_N);
    QVERIFY(!b->modifica.ModoNote);

    // A right click on another empty cell: cursor there, notes on.
    const auto [r2, c2] = Vuota(r + 1);
    QTest::mouseClick(G(), Qt::RightButton, {}, Centro(RigaGriglia(r2), ColonnaGriglia(c2)));
    QVERIFY(b->modifica.ModoNote);
    QCOMPARE(b->modifica.RigaCursore, r2);
    QVERIFY(!form->Frame1()->isVisible());
    Tasto(Qt::Key_7);
    QCOMPARE(b->modifica.Note[r2][c2], uint16_t(1 << 7));
    // Right click again on it: notes off.
    QTest::mouseClick(G(), Qt::RightButton, {}, Centro(RigaGriglia(r2), ColonnaGriglia(c2)));
    QVERIFY(!b->modifica.ModoNote);

    // A 7 placed in the first cell's row clears the 7 from the notes of that row and column.
    int cc = 1;
    while (cc == c || b->schema.tblSchema[r][cc] != "0" || !Testo(r, cc).empty()) ++cc;
    Cursore(r, cc);
    Tasto(Qt::Key_7);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(1 << 1));
    if (c2 == cc) QCOMPARE(b->modifica.Note[r2][c2], uint16_t(0));
    // Undo brings it back.
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b->modifica.Note[r][c], uint16_t((1 << 1) | (1 << 7)));
    // Notes through the palette in notes mode; clearing an empty cell clears its notes.
    Cursore(r, c);
    Tasto(Qt::Key_N);
    Tasto(Qt::Key_Return);
    QVERIFY(form->Frame1()->isVisible());
    QTest::mouseClick(form->Frame1()->findChild<QLabel*>("Label1_3"), Qt::LeftButton);
    QCOMPARE(b->modifica.Note[r][c], uint16_t((1 << 1) | (1 << 3) | (1 << 7)));
    QCOMPARE(Testo(r, c), std::string(""));
    Tasto(Qt::Key_Delete);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
}

void GiocoTest::validiRiempieLeNote() {
    Apri(Sorgente(Schema7));
    QAction* validi = form->findChild<QAction*>("mnuValidi");
    QVERIFY(validi);
    QVERIFY(!validi->icon().isNull());
    validi->trigger();
    const int n = 7;
    int conNote = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (b->schema.tblSchema[r][c] != "0") {
                QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
                continue;
            }
            QCOMPARE(b->modifica.Note[r][c], CifreAmmesse(*b, r, c));
            // The solution's digit is always among them.
            QVERIFY(b->modifica.Note[r][c] & (1u << std::stoi(b->schema.tblSoluzione[r][c])));
            ++conNote;
        }
    QVERIFY(conNote > 0);
    // One move: one undo empties them all.
    QCOMPARE(b->modifica.NumMosse(), 1);
    form->ClickToolbar("Undo");
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
}

void GiocoTest::erroriInRossoERisoltoUnaVolta() {
    Apri(Sorgente(Schema5));
    const int n = 5;
    // A digit repeating a given of its row.
    int rg = 0, cg = 0, cv = 0;
    for (int r = 1; r <= n && !rg; ++r)
        for (int c = 1; c <= n && !rg; ++c)
            if (b->schema.tblSchema[r][c] != "0")
                for (int k = 1; k <= n; ++k)
                    if (b->schema.tblSchema[r][k] == "0") rg = r, cg = c, cv = k;
    QVERIFY(rg);
    Cursore(rg, cv);
    QTest::keyClick(G(), char('0' + std::stoi(b->schema.tblSchema[rg][cg])));
    QVERIFY(Pixel(RigaGriglia(rg), ColonnaGriglia(cv), Rosso) > 10);
    QCOMPARE(Pixel(RigaGriglia(rg), ColonnaGriglia(cg), Rosso), 0);  // the given stays black
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Pixel(RigaGriglia(rg), ColonnaGriglia(cv), Rosso), 0);
    QVERIFY(CercaErrori(*b).Vuote());

    // Fill the solution by keys, one sign's two cells swapped first: the sign turns red.
    QVERIFY(!b->schema.Vincoli.empty());
    int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
    for (const std::string& v : b->schema.Vincoli) {
        const int a = v[0] - '0', bb = v[1] - '0', cc = v[2] - '0', d = v[3] - '0';
        if (b->schema.tblSchema[a][bb] == "0" && b->schema.tblSchema[cc][d] == "0") {
            r1 = a, c1 = bb, r2 = cc, c2 = d;
            break;
        }
    }
    QVERIFY(r1);
    Cursore(r1, c1);
    QTest::keyClick(G(), b->schema.tblSoluzione[r2][c2][0]);
    Cursore(r2, c2);
    QTest::keyClick(G(), b->schema.tblSoluzione[r1][c1][0]);
    const int is = r1 == r2 ? RigaGriglia(r1) : 2 * std::min(r1, r2);
    const int js = r1 == r2 ? 2 * std::min(c1, c2) : ColonnaGriglia(c1);
    QVERIFY(Pixel(is, js, Rosso) > 5);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (b->schema.tblSchema[r][c] == "0") {
                Cursore(r, c);
                QTest::keyClick(G(), b->schema.tblSoluzione[r][c][0]);
            }
    QCOMPARE(Pixel(is, js, Rosso), 0);
    QVERIFY(GrigliaRisolta(*b));
    QCOMPARE(fin->messaggi.size(), size_t(1));
    QVERIFY(QString::fromStdString(fin->messaggi[0]).contains("risolto"));
    QCOMPARE(form->Pannello("p4")->text(), QString("Schema risolto!"));
    // Once: undoing and redoing the last move says nothing more.
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(form->Pannello("p4")->text().isEmpty());
    Tasto(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(fin->messaggi.size(), size_t(1));
    QCOMPARE(form->Pannello("p4")->text(), QString("Schema risolto!"));
}

void GiocoTest::annullaERipetiDaTastiera() {
    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_1);
    Tasto(Qt::Key_2);
    Tasto(Qt::Key_N);
    Tasto(Qt::Key_Delete);  // the cell holds a digit: clears it
    Tasto(Qt::Key_4);       // a note
    QCOMPARE(b->modifica.NumMosse(), 4);
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Testo(r, c), std::string("2"));
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Testo(r, c), std::string("1"));
    QVERIFY(form->findChild<QAction*>("mnuRipeti")->isEnabled());
    Tasto(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Testo(r, c), std::string("2"));
    Tasto(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Testo(r, c), std::string(""));
    form->findChild<QAction*>("mnuRipeti")->trigger();
    QCOMPARE(b->modifica.Note[r][c], uint16_t(1 << 4));
    QVERIFY(!form->findChild<QAction*>("mnuRipeti")->isEnabled());
    // The toolbar's "Ricomincia" goes back to the start as one move; Ctrl+Z brings the game back.
    form->ClickToolbar("UndoAll");
    QCOMPARE(Testo(r, c), std::string(""));
    QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
    QVERIFY(form->Pulsante("Undo")->isEnabled());
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(1 << 4));
    Tasto(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
}

void GiocoTest::domandePrimaDiPerdereIlLavoro() {
    const QString file = Copia(Schema7);
    QVERIFY(form->ApriFile(file));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_3);
    // Cancel keeps everything: close box, Esci, Apri, Risolvi, Mostra.
    QSignalSpy chiusa(form.get(), &Form1::Chiusa);
    fin->risposte = {RispostaAnnulla, RispostaAnnulla, RispostaAnnulla, RispostaAnnulla, RispostaAnnulla};
    form->close();
    form->ClickToolbar("Uscita");
    fin->fileDaAprire.push_back(Sorgente(Schema5));
    form->ClickToolbar("Apri");
    form->ClickToolbar("Risolvi");
    form->ClickToolbar("Mostra");
    QCOMPARE(fin->domande.size(), size_t(5));
    QCOMPARE(chiusa.count(), 0);
    QVERIFY(form->isVisible());
    QCOMPARE(b->schema.Sizesc, 7);
    QCOMPARE(Testo(r, c), std::string("3"));
    QVERIFY(form->Pannello("p1")->text().isEmpty());
    QVERIFY(!QFile::exists(file + ".partita"));
    for (const std::string& d : fin->domande) QVERIFY(QString::fromStdString(d).contains("mano"));
    // No: "Risolvi" goes on and nothing is written.
    fin->risposte = {RispostaNo};
    form->ClickToolbar("Risolvi");
    QCOMPARE(fin->domande.size(), size_t(6));
    QVERIFY(b->ris.Risolto);
    QVERIFY(!QFile::exists(file + ".partita"));
    // After a solve nothing is left to lose: the window closes without a question.
    form->ClickToolbar("Uscita");
    QCOMPARE(fin->domande.size(), size_t(6));
    QCOMPARE(chiusa.count(), 1);
}

void GiocoTest::partitaSalvataERipresa() {
    const QString file = Copia(Schema7);
    QVERIFY(form->ApriFile(file));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_3);
    const auto [r2, c2] = Vuota(r + 1);
    Cursore(r2, c2);
    Tasto(Qt::Key_N);
    Tasto(Qt::Key_1);
    Tasto(Qt::Key_6);
    const QByteArray schemaPrima = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    // Yes on opening another schema: the progress goes beside the file.
    fin->risposte = {RispostaSi};
    Apri(Sorgente(Schema5));
    QCOMPARE(b->schema.Sizesc, 5);
    QVERIFY(QFile::exists(file + ".partita"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), schemaPrima);  // the schema file is untouched
    // Reopened: digits and notes are back, with nothing to undo and no question to lose them.
    Apri(file.toStdString());
    QCOMPARE(b->schema.Sizesc, 7);
    QCOMPARE(Testo(r, c), std::string("3"));
    QCOMPARE(b->modifica.Note[r2][c2], uint16_t((1 << 1) | (1 << 6)));
    QCOMPARE(b->modifica.NumMosse(), 0);
    QVERIFY(Pixel(RigaGriglia(r2), ColonnaGriglia(c2), Scuro) > 10);
    const size_t domande = fin->domande.size();
    form->ClickToolbar("Mostra");
    QCOMPARE(fin->domande.size(), domande);
    // The walk ended on the solved grid; "Ricomincia" plays again from the givens.
    form->ClickToolbar("UndoAll");
    // Ctrl+S saves by hand.
    Cursore(r, c);
    Tasto(Qt::Key_5);
    form->findChild<QAction*>("mnuSalvaPartita")->trigger();
    b->modifica.NonSalvata = true;
    fin->risposte = {RispostaNo};
    Apri(file.toStdString());
    QCOMPARE(Testo(r, c), std::string("5"));
    QCOMPARE(b->modifica.Note[r2][c2], uint16_t(0));
}

void GiocoTest::partitaIlleggibileDettaNellaBarra() {
    const QString file = Copia(Schema7);
    const QString partita = file + ".partita";
    QCOMPARE(::mkfifo(QFile::encodeName(partita).constData(), 0600), 0);
    QVERIFY(form->ApriFile(file));
    QCOMPARE(b->schema.Sizesc, 7);
    QCOMPARE(b->modifica.NumMosse(), 0);
    QVERIFY(fin->messaggi.empty());
    QCOMPARE(form->statusBar()->currentMessage(),
             QStringLiteral("Partita salvata non ripresa: %1 (non è un file normale)").arg(partita));
    QFile::remove(partita);
}

void GiocoTest::pubblicareNonToccaLoSchema() {
    // A publishing folder of its own.
    namespace fs = std::filesystem;
    const fs::path base = dir.filePath("sito").toStdString();
    fs::remove_all(base);
    fs::create_directories(base);
    fs::copy(std::string(KELVARO_FIXTURES) + "/web/template", base / "template", fs::copy_options::recursive);
    fs::copy(std::string(KELVARO_FIXTURES) + "/web/schemi", base / "schemixwebsite",
             fs::copy_options::recursive);
    fs::copy(std::string(KELVARO_SORGENTI) + "/resources/assets", base / "assets",
             fs::copy_options::recursive);
    fs::create_directory(base / "perwebsiteprove");
    fs::create_directory(base / "perwebsite");
    b->CartellaProgramma = base.string();
    b->conf.FileSchema = "schema.html";
    b->conf.FileIndice = "INDICE.HTML";

    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_4);
    const Tabella dati = b->schema.tblSchema;
    const std::string nome = b->file.NomeFile;
    const int righe = b->Gr.Rows();
    bool pubblicato = false;
    QTimer::singleShot(0, this, [&] {
        auto* d = qobject_cast<FormHTML*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->cmdGenerahtml_Click();
        pubblicato = QString(d->lblStato->text()).startsWith("Scritt");
        d->accept();
    });
    form->findChild<QAction*>("mnuHTML")->trigger();
    QVERIFY(pubblicato);
    QVERIFY(fs::exists(base / "perwebsiteprove" / "Futoshiki_a_facile.html"));
    QCOMPARE(b->schema.Sizesc, 7);
    QVERIFY(b->schema.tblSchema == dati);
    QCOMPARE(b->Gr.Rows(), righe);
    QCOMPARE(Testo(r, c), std::string("4"));
    QCOMPARE(b->file.NomeFile, nome);
    for (int i = 0; i < b->Gr.Rows(); ++i)
        for (int j = 0; j < b->Gr.Cols(); ++j) {
            const long sfondo = b->Gr.Cella(i, j).CellBackColor;
            QVERIFY(sfondo == ColoreBianco || sfondo == ColoreLavanda);
        }
    // Play goes on where it was.
    QVERIFY(b->modifica.InGioco);
    QCOMPARE(b->modifica.NumMosse(), 1);
}

void GiocoTest::salvaProponeIlNomeDelloSchema() {
    Apri(Sorgente(Schema7));
    form->ClickToolbar("Risolvi");
    const std::string automatico = b->file.NomeFile;
    Apri(Sorgente(Schema5));
    form->ClickToolbar("Salva");
    QCOMPARE(fin->proposteSalva.size(), size_t(1));
    QCOMPARE(fin->proposteSalva[0], std::string("2_Cinque_Facile.txt"));
    QVERIFY(fin->proposteSalva[0] != automatico);
    // After a solve, the design's automatic name for this schema.
    form->ClickToolbar("Risolvi");
    form->ClickToolbar("Salva");
    QVERIFY(QString::fromStdString(fin->proposteSalva[1]).startsWith("5_"));
}

void GiocoTest::pannelloContatoriSpiegato() {
    Apri(Sorgente(Schema7));
    form->ClickToolbar("Risolvi");
    QCOMPARE(form->Pannello("p1")->text(), QString("1 1 0"));
    QCOMPARE(form->Pannello("p2")->text(), QString("tecniche, sottoinsiemi, Swordfish"));
    QVERIFY(form->Pannello("p1")->toolTip().contains("Swordfish"));
    // On the narrowest window, a 4 x 4, nothing in the status bar is cut off once the difficulty
    // has been judged; an empty panel takes no room.
    Apri(Sorgente(Schema4));
    form->ClickToolbar("Risolvi");
    QLabel* difficolta = form->statusBar()->findChild<QLabel*>("Difficolta");
    QTRY_VERIFY(!difficolta->text().endsWith(QStringLiteral("...")));
    QCoreApplication::processEvents();
    QVERIFY(!form->Pannello("p4")->isVisible());
    for (QLabel* l : {form->Pannello("p1"), form->Pannello("p2"), difficolta})
        QVERIFY2(
            l->isVisible() && l->width() >= l->sizeHint().width(),
            qPrintable(QString("%1: %2 < %3").arg(l->text()).arg(l->width()).arg(l->sizeHint().width())));
}

void GiocoTest::traduzioniItaliane() {
    QVERIFY(CaricaTraduzioniQt(*QCoreApplication::instance()));
    QMessageBox m(QMessageBox::Question, "Kelvaro", "?",
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(m.button(QMessageBox::Cancel)->text().remove('&'), QString("Annulla"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QString("&Apri"));
}

void GiocoTest::maiPiuStrettaDellaToolbar() {
    Apri(Sorgente(Schema4));
    QCOMPARE(b->schema.Sizesc, 4);
    QCoreApplication::processEvents();
    QVERIFY2(form->width() >= form->Toolbar()->sizeHint().width(),
             qPrintable(QString("%1 < %2").arg(form->width()).arg(form->Toolbar()->sizeHint().width())));
    QVERIFY(form->Toolbar()->widgetForAction(form->Pulsante("Uscita"))->isVisible());
    QVERIFY(form->Toolbar()->widgetForAction(form->Pulsante("Stampa"))->isVisible());
    form->resize(100, form->height());
    QCoreApplication::processEvents();
    QVERIFY(form->width() >= form->Toolbar()->sizeHint().width());
}

void GiocoTest::grigliaCresceConLaFinestra() {
    Apri(Sorgente(Schema7));
    const QSize progetto = G()->size();
    const QSize finestra = form->size();
    const QRect cella = G()->RettangoloPosizione(1, 1);
    form->resize(finestra.width() * 2, finestra.height() * 2);
    QTRY_VERIFY(G()->width() > progetto.width() * 3 / 2);
    QVERIFY(G()->height() > progetto.height() * 3 / 2);
    QVERIFY(G()->RettangoloPosizione(1, 1).width() > cella.width() * 3 / 2);
    // Clicks and the palette follow the larger cells.
    const auto [r, c] = Vuota();
    QTest::mouseClick(G(), Qt::LeftButton, {}, Centro(RigaGriglia(r), ColonnaGriglia(c)));
    QVERIFY(form->Frame1()->isVisible());
    QCOMPARE(b->modifica.RigaCursore, r);
    QCOMPARE(b->modifica.ColonnaCursore, c);
    QTest::mouseClick(form->Frame1()->findChild<QLabel*>("Label1_2"), Qt::LeftButton);
    QCOMPARE(Testo(r, c), std::string("2"));
    // Back to the stored size: the stored grid.
    form->resize(finestra);
    QTRY_COMPARE(G()->size(), progetto);
}

// A window squeezed to 760 x 480 (a 1024 x 700 screen, or 1920 x 1000 at scale factor 2 less a
// title bar) shows every cell of every size, the hint's sentence included, at a smaller but
// readable scale; the window refuses to go smaller than that scale.
void GiocoTest::grigliaSiRestringeSuSchermiPiccoli() {
    for (const char* nome : {Schema4, Schema7, Schema9}) {
        b->modifica.NonSalvata = false;
        Apri(Sorgente(nome));
        QCoreApplication::processEvents();
        const int n = b->schema.Sizesc;
        const int cellaPiena = G()->RettangoloPosizione(1, 1).width();
        Tasto(Qt::Key_H);
        form->resize(760, 480);
        QCoreApplication::processEvents();
        QTRY_VERIFY2(form->width() <= 760 && form->height() <= 480,
                     qPrintable(QString("%1: %2 x %3").arg(nome).arg(form->width()).arg(form->height())));
        const QRect finestra = form->rect();
        const QRect griglia(G()->mapTo(form.get(), QPoint(0, 0)), G()->size());
        const QRect ultima = G()->RettangoloPosizione(2 * n - 1, 2 * n - 1).translated(griglia.topLeft());
        const int sopraLaBarra = form->statusBar()->mapTo(form.get(), QPoint(0, 0)).y();
        QVERIFY2(finestra.contains(ultima) && ultima.bottom() < sopraLaBarra, nome);
        QLabel* pannello = form->PannelloAiutino();
        QVERIFY(pannello->isVisible());
        const QRect frase(pannello->mapTo(form.get(), QPoint(0, 0)), pannello->size());
        QVERIFY2(frase.bottom() < sopraLaBarra && frase.top() >= 0, nome);
        // Smaller than the stored size only as far as legible cells.
        form->resize(100, 100);
        QCoreApplication::processEvents();
        QVERIFY2(G()->Scala() >= ScalaMinimaGriglia, nome);
        // The 9 x 9 gives way; a 4 x 4 is already narrower than the toolbar.
        if (n == 9) QVERIFY2(G()->RettangoloPosizione(1, 1).width() < cellaPiena, nome);
        const QRect stretta(G()->mapTo(form.get(), QPoint(0, 0)), G()->size());
        QVERIFY2(form->rect().contains(stretta), nome);
    }
}

// What a player looks for: the file commands in the File menu with their keys, M for "Validi",
// a redo button beside the undo ones.
void GiocoTest::menuFileTastiERipeti() {
    struct Voce {
        const char* nome;
        QKeySequence tasto;
    } voci[] = {
        {"MnuApri", QKeySequence::Open},
        {"MnuSalva", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"MnuStampa", QKeySequence::Print},
        {"MnuEsci", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    QMenu* file = form->findChild<QMenu*>("MnuFile");
    QVERIFY(file);
    for (const Voce& v : voci) {
        QAction* a = form->findChild<QAction*>(v.nome);
        QVERIFY2(a && file->actions().contains(a), v.nome);
        QCOMPARE(a->shortcut(), v.tasto);
    }
    QVERIFY(form->findChild<QAction*>("mnuValidi")->text().endsWith(QStringLiteral("\tM")));
    // The menu's Apri is the toolbar's.
    fin->fileDaAprire.push_back(Sorgente(Schema7));
    form->findChild<QAction*>("MnuApri")->trigger();
    QCOMPARE(b->schema.Sizesc, 7);
    // M fills the notes, as one move.
    Tasto(Qt::Key_M);
    QCOMPARE(b->modifica.NumMosse(), 1);
    const auto [r, c] = Vuota();
    QVERIFY(b->modifica.Note[r][c] != 0);
    // The redo button follows the redo list.
    QAction* ripeti = form->findChild<QAction*>("mnuRipeti");
    QWidget* pulsante = form->findChild<QWidget*>("PulsanteRipeti");
    QVERIFY(pulsante && pulsante->isVisible());
    QVERIFY(!pulsante->isEnabled());
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b->modifica.Note[r][c], uint16_t(0));
    QVERIFY(pulsante->isEnabled() && ripeti->isEnabled());
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QVERIFY(b->modifica.Note[r][c] != 0);
    QVERIFY(!pulsante->isEnabled());
}

// The notes mode's mark sits outside the cursor's cell: inside the frame nothing orange covers a
// note (the 3 is in the top right corner, where the mark used to be).
void GiocoTest::segnoDelleNoteFuoriDallaCella() {
    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    Cursore(r, c);
    Tasto(Qt::Key_N);
    QTest::keyClick(G(), '3');
    QCOMPARE(b->modifica.Note[r][c], uint16_t(1 << 3));
    const QImage img = G()->grab().toImage();
    const double sx = double(img.width()) / G()->width(), sy = double(img.height()) / G()->height();
    const QRect cella = G()->RettangoloPosizione(RigaGriglia(r), ColonnaGriglia(c));
    const int bordo = int(std::max(2.0, cella.width() * 0.07)) + 2;
    auto arancio = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 90 && qGreen(p) < 170 && qBlue(p) < 80; };
    int dentro = 0, fuori = 0;
    for (int y = cella.top() - bordo * 3; y <= cella.bottom(); ++y)
        for (int x = cella.left(); x <= cella.right() + bordo * 3; ++x) {
            if (x < 0 || y < 0 || x >= G()->width() || y >= G()->height()) continue;
            if (!arancio(img.pixel(int(x * sx), int(y * sy)))) continue;
            if (cella.adjusted(bordo, bordo, -bordo, -bordo).contains(x, y))
                ++dentro;
            else if (!cella.contains(x, y))
                ++fuori;
        }
    QCOMPARE(dentro, 0);
    QVERIFY(fuori > 3);  // the mark is there, beside the corner
}

void GiocoTest::aiutinoMostraPoiEsegue() {
    Apri(Sorgente(Schema7));
    QAction* menu = form->findChild<QAction*>("mnuAiutino");
    QVERIFY(menu);
    QVERIFY(!menu->icon().isNull());
    QVERIFY(!form->Pulsante("Aiutino")->icon().isNull());
    QLabel* pannello = form->PannelloAiutino();
    QVERIFY(!pannello->isVisible());
    const Suggerimento atteso = ChiediAiutino(*b);
    // First press: the sentence beside the grid, no dialog, the grid untouched.
    Tasto(Qt::Key_H);
    QVERIFY(pannello->isVisible());
    QCOMPARE(pannello->text(), QString::fromStdString(TestoAiutino(atteso)));
    QVERIFY(fin->messaggi.empty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(b->modifica.NumMosse(), 0);
    QCOMPARE(G()->EvidenzaAttuale().Vuota(), atteso.CelleDecise.empty() && atteso.CelleMotivo.empty() &&
                                                 atteso.Tolti.empty() && atteso.CelleErrate.empty() &&
                                                 atteso.CellaProva.Riga < 1);
    // Second press (the toolbar's button): carried out as one move when there is a step.
    form->ClickToolbar("Aiutino");
    if (atteso.esito == Suggerimento::Esito::Passo) {
        QCOMPARE(b->modifica.NumMosse(), 1);
        QVERIFY(!pannello->isVisible());
        Tasto(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b->modifica.NumMosse(), 0);
    } else {
        QCOMPARE(b->modifica.NumMosse(), 0);
    }
    // A wrong digit written by hand: the hint points it out in red.
    const auto [r, c] = Vuota();
    Cursore(r, c);
    const int giusta = std::stoi(b->schema.tblSoluzione[r][c]);
    QTest::keyClick(G(), char('0' + (giusta % 7) + 1));
    QVERIFY(!pannello->isVisible());
    const Suggerimento sbaglio = ChiediAiutino(*b);
    menu->trigger();
    QVERIFY(pannello->isVisible());
    if (sbaglio.esito == Suggerimento::Esito::Errore) {
        QVERIFY(std::find(G()->EvidenzaAttuale().Rosse.begin(), G()->EvidenzaAttuale().Rosse.end(),
                          std::make_pair(r, c)) != G()->EvidenzaAttuale().Rosse.end());
        QVERIFY(pannello->text().contains(QString::fromStdString(DesCella(r, c))));
    }
    // Any move, or a solve, closes the hint.
    form->ClickToolbar("Risolvi");
    QVERIFY(!pannello->isVisible());
    QVERIFY(G()->EvidenzaAttuale().Vuota());
}

// Notes that leave out the right digit: the hint says so, the second press puts the digit back
// as one undoable move, and the next press goes on with a step.
void GiocoTest::aiutinoCorreggeLeNoteSbagliate() {
    Apri(Sorgente(Schema7));
    const auto [r, c] = Vuota();
    const int giusta = std::stoi(b->schema.tblSoluzione[r][c]);
    Cursore(r, c);
    Tasto(Qt::Key_N);
    for (int d = 1; d <= 7; ++d)
        if (d != giusta) QTest::keyClick(G(), char('0' + d));
    Tasto(Qt::Key_N);
    const int mosse = b->modifica.NumMosse();
    QLabel* pannello = form->PannelloAiutino();
    Tasto(Qt::Key_H);
    QCOMPARE(pannello->text(),
             QStringLiteral("Le note di %1 escludono la cifra giusta. (H di nuovo per correggerle)")
                 .arg(QString::fromStdString(DesCella(r, c))));
    Tasto(Qt::Key_H);
    QCOMPARE(b->modifica.NumMosse(), mosse + 1);
    QVERIFY(b->modifica.Note[r][c] >> giusta & 1);
    QCOMPARE(Testo(r, c), std::string(""));
    Tasto(Qt::Key_H);
    QVERIFY(pannello->isVisible());
    QVERIFY(!pannello->text().contains(QStringLiteral("escludono")));
    Tasto(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!(b->modifica.Note[r][c] >> giusta & 1));
}

void GiocoTest::schermata() {
    const QByteArray dove = qgetenv("KELVARO_SCHERMATA_GIOCO");
    if (dove.isEmpty()) QSKIP("KELVARO_SCHERMATA_GIOCO not set");
    QVERIFY(form->ApriFile(Copia(Schema9)));
    form->findChild<QAction*>("mnuValidi")->trigger();
    // Some solution digits by hand, one repeated digit and one broken sign.
    int scritte = 0;
    for (int r = 1; r <= 9 && scritte < 14; ++r)
        for (int c = 1; c <= 9 && scritte < 14; c += 2)
            if (b->schema.tblSchema[r][c] == "0") {
                Cursore(r, c);
                QTest::keyClick(G(), b->schema.tblSoluzione[r][c][0]);
                ++scritte;
            }
    for (const std::string& v : b->schema.Vincoli) {
        const int a = v[0] - '0', bb = v[1] - '0', cc = v[2] - '0', d = v[3] - '0';
        if (a > 4 && b->schema.tblSchema[a][bb] == "0" && b->schema.tblSchema[cc][d] == "0" &&
            Testo(a, bb).empty() && Testo(cc, d).empty()) {
            Cursore(a, bb);
            QTest::keyClick(G(), '2');
            Cursore(cc, d);
            QTest::keyClick(G(), '7');
            break;
        }
    }
    auto [r, c] = Vuota(8);
    Cursore(r, c);
    QTest::keyClick(G(), b->schema.tblSoluzione[r][(c % 9) + 1][0] == '0' ? '1' : '9');
    auto [rc, cc] = Vuota(6);
    Cursore(rc, cc);
    Tasto(Qt::Key_N);
    QTest::qWait(50);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove)));
    // Beside it: the same game with a hint shown.
    Tasto(Qt::Key_N);
    Tasto(Qt::Key_H);
    QTest::qWait(50);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove).chopped(4) + "_aiutino.png"));
    // The smallest window: a 4 x 4 solved, its counters in the status bar.
    b->modifica.NonSalvata = false;
    QVERIFY(form->ApriFile(Copia(Schema4)));
    Tasto(Qt::Key_N);
    QTest::qWait(50);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove).chopped(4) + "_note4.png"));
    form->ClickToolbar("Risolvi");
    QTest::qWait(50);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove).chopped(4) + "_risolto4.png"));
}

QTEST_MAIN(GiocoTest)
#include "gioco_test.moc"
