// The main window driven as a user would: toolbar, grid clicks, palette keys, the levels dialog.
// File dialogs and message boxes are answered by a scripted FinestreQt.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <deque>
#include <memory>

#include "display/visualizza.h"
#include "files/caricamento.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
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

private slots:
    void init() {
        b = std::make_unique<Banco>();
        b->CartellaProgramma = KELVARO_BIN;
        form = std::make_unique<Form1>(*b);
        auto f = std::make_unique<FinestreProva>(*form);
        fin = f.get();
        form->ImpostaFinestre(std::move(f));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        b.reset();
    }

    void schermata();
};

void Form1Test::schermata() {
    const QByteArray dove = qgetenv("KELVARO_SCHERMATA");
    if (dove.isEmpty()) QSKIP("KELVARO_SCHERMATA not set");
    Apri(Schema7);
    QTest::qWait(50);
    ClickCella(2, 3);
    QVERIFY(form->Frame1()->isVisible());
    QTest::qWait(100);
    QVERIFY(form->grab().save(QString::fromLocal8Bit(dove)));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
