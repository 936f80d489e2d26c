// The shared table of hint positions (tests/fixtures/aiutino/posizioni.txt) answered by the
// window: each schema opened as a file in a fresh main window, the player's digits and notes
// typed on the grid, H pressed once; the step the window shows must be the table's answer, and
// its panel and marks must say that step.
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "app/aiutino.h"
#include "display/visualizza.h"
#include "supporto/posizioni.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// No question ever waits for an answer: a message box would stop the test.
class FinestreMute : public FinestreQt {
public:
    using FinestreQt::FinestreQt;
    std::vector<std::string> messaggi;
    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
    int ChiediSiNo(const std::string&) override { return RispostaNo; }
    int ChiediSiNoAnnulla(const std::string&) override { return RispostaNo; }
};

std::vector<std::pair<int, int>> Celle(const std::vector<CellaRC>& v) {
    std::vector<std::pair<int, int>> x;
    for (const CellaRC& c : v) x.push_back({c.Riga, c.Colonna});
    return x;
}

bool Contiene(const std::vector<std::pair<int, int>>& dove, const std::vector<std::pair<int, int>>& cosa) {
    for (const auto& c : cosa)
        if (std::find(dove.begin(), dove.end(), c) == dove.end()) return false;
    return true;
}

}  // namespace

class AiutinoTabellaTest : public QObject {
    Q_OBJECT

private slots:
    void tabellaDellePosizioni();
};

void AiutinoTabellaTest::tabellaDellePosizioni() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto casi = test::LeggiPosizioni(std::string(KELVARO_FIXTURES) + "/aiutino/posizioni.txt");
    QVERIFY(casi.size() >= 18);
    int provati = 0;
    for (const test::CasoPosizione& c : casi) {
        // Malformed requests are the page module's own business: a file that reads is a schema.
        if (!c.leggibile) continue;
        // The window always adds the master tier to the settings' techniques: where the table
        // answers "only a trial" without it, the window may well find a step.
        const int tecniche = std::stoi(c.tecniche);
        if (!(tecniche & 4) && c.atteso.find("\nprova: ") != std::string::npos) continue;
        // A given never changes in the window: no digit over a different given.
        bool scrivibile = true;
        for (size_t k = 0; k < c.dati.size(); ++k)
            if (c.dati[k] != '0' && c.voci[k] != '0' && c.voci[k] != c.dati[k]) scrivibile = false;
        if (!scrivibile) continue;

        const QString file = dir.filePath(QStringLiteral("caso%1.txt").arg(provati));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(c.FileSchema()));
        f.close();

        Banco b;
        b.CartellaProgramma = KELVARO_BIN;
        Form1 form(b);
        auto fin = std::make_unique<FinestreMute>(form);
        FinestreMute* messaggi = fin.get();
        form.ImpostaFinestre(std::move(fin));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(form.ApriFile(file), c.nome.c_str());
        b.imp.AttivaMultipli = tecniche & 3;
        GrigliaWidget* g = form.Griglia();
        auto cursore = [&](int r, int col) {
            b.modifica.RigaCursore = r;
            b.modifica.ColonnaCursore = col;
        };
        // The digits by hand first (a digit placed clears its row's and column's notes), then the notes.
        const int n = c.n;
        for (int k = 0; k < n * n; ++k)
            if (c.voci[k] != '0' && c.dati[k] == '0') {
                cursore(k / n + 1, k % n + 1);
                QTest::keyClick(g, c.voci[k]);
            }
        for (int k = 0; k < n * n; ++k)
            if (!c.note[k].empty()) {
                cursore(k / n + 1, k % n + 1);
                QTest::keyClick(g, Qt::Key_N);
                for (char d : c.note[k]) QTest::keyClick(g, d);
                QTest::keyClick(g, Qt::Key_N);
            }
        QTest::keyClick(g, Qt::Key_H);

        const Suggerimento& s = form.AiutinoMostrato();
        QCOMPARE(QString::fromStdString(TestoSuggerimento(s)), QString::fromStdString(c.atteso));
        QVERIFY2(form.PannelloAiutino()->isVisible(), c.nome.c_str());
        QCOMPARE(form.PannelloAiutino()->text(), QString::fromStdString(TestoAiutino(s)));
        const GrigliaWidget::Evidenza e = g->EvidenzaAttuale();
        QVERIFY2(Contiene(e.Rosse, Celle(s.CelleErrate)), c.nome.c_str());
        QVERIFY2(Contiene(e.Verdi, Celle(s.CelleDecise)), c.nome.c_str());
        QVERIFY2(Contiene(e.Verdi, Celle(s.CelleMotivo)), c.nome.c_str());
        QVERIFY2(messaggi->messaggi.empty(), c.nome.c_str());
        ++provati;
    }
    qInfo("casi della tabella provati nella finestra: %d", provati);
    QVERIFY(provati >= 13);
}

QTEST_MAIN(AiutinoTabellaTest)
#include "aiutino_tabella_test.moc"
