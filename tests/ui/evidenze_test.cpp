// What the grid shows beside the digits while playing: the cursor's digit wherever else it
// stands, and the signs the player marked as used.
#include <QApplication>
#include <QtTest>

#include "display/gioco.h"
#include "display/modifica.h"
#include "display/visualizza.h"
#include "ui/finestra_principale.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"
#include "ui/palette.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Opens what the test asks and answers every question with No.
class FinestreEvidenze : public FinestreQt {
public:
    using FinestreQt::FinestreQt;
    std::string daAprire;
    std::string Apri() override { return std::exchange(daAprire, ""); }
    int ChiediSiNo(const std::string&) override { return RispostaNo; }
    int ChiediSiNoAnnulla(const std::string&) override { return RispostaNo; }
    void Messaggio(const std::string&, const std::string&) override {}
};

std::string Sorgente(const char* nome) {
    return std::string(KELVARO_SORGENTI) + "/" + nome;
}

QRgb Rgb(long colore) {
    // The model's colours are 0x00BBGGRR.
    return qRgb(int(colore & 0xFF), int(colore >> 8 & 0xFF), int(colore >> 16 & 0xFF)) & 0xFFFFFF;
}

}  // namespace

class EvidenzeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Banco> b;
    std::unique_ptr<Form1> form;
    FinestreEvidenze* fin = nullptr;

    GrigliaWidget* G() { return form->Griglia(); }
    void Apri(const char* nome) {
        fin->daAprire = Sorgente(nome);
        form->ClickToolbar("Apri");
        QVERIFY(b->modifica.InGioco);
    }
    // The background just inside a cell's top left corner, away from its digit and its frame.
    QRgb Sfondo(int r, int c) {
        const QImage img = G()->grab().toImage();
        const double sx = double(img.width()) / G()->width();
        const QRect q = G()->RettangoloPosizione(RigaGriglia(r), ColonnaGriglia(c));
        return img.pixel(int((q.left() + q.width() / 6) * sx), int((q.top() + q.height() / 6) * sx)) &
               0xFFFFFF;
    }
    QImage Area(int i, int j) {
        const QImage img = G()->grab().toImage();
        const double sx = double(img.width()) / G()->width();
        const QRect q = G()->RettangoloPosizione(i, j);
        return img.copy(
            QRect(int(q.left() * sx), int(q.top() * sx), int(q.width() * sx), int(q.height() * sx)));
    }

private slots:
    void init() { QVERIFY(test::ApriFinestraPrincipale(b, form, fin)); }
    void cleanup() {
        form.reset();
        b.reset();
    }

    // With the cursor on a 5, every other 5 (given or the player's) is tinted; other digits,
    // empty cells and a wrong digit's red stay as they were.
    void cifraDelCursoreOvunque() {
        Apri("resources/schemixwebsite/6_Nove_Difficile.txt");
        const int n = b->schema.Sizesc;
        // A digit given at least twice, and an empty cell.
        int d = 0, r0 = 0, c0 = 0, vr = 0, vc = 0;
        for (int cifra = 1; cifra <= n && !d; ++cifra) {
            int volte = 0;
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c)
                    if (CifraMostrata(*b, r, c) == cifra && ++volte == 1) r0 = r, c0 = c;
            if (volte >= 2) d = cifra;
        }
        for (int r = 1; r <= n && !vr; ++r)
            for (int c = 1; c <= n && !vr; ++c)
                if (CifraMostrata(*b, r, c) == 0) vr = r, vc = c;
        QVERIFY(d > 0 && vr > 0);
        const QRgb bianco = Sfondo(vr, vc);
        b->modifica.RigaCursore = r0;
        b->modifica.ColonnaCursore = c0;
        G()->update();
        int tinte = 0, altre = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                if (r == r0 && c == c0) continue;
                const int v = CifraMostrata(*b, r, c);
                if (v == d) {
                    QCOMPARE(Sfondo(r, c), Rgb(ColoreStessaCifra));
                    ++tinte;
                } else if (v != 0 && altre++ < 3) {
                    QCOMPARE(Sfondo(r, c), bianco);
                }
            }
        QVERIFY(tinte >= 1);
        QCOMPARE(Sfondo(vr, vc), bianco);
        // A hand digit joins in; on an empty cell the tint goes.
        QVERIFY(ScriviCella(*b, vr, vc, d));
        G()->update();
        QVERIFY(Sfondo(vr, vc) != bianco);
        b->modifica.RigaCursore = vr;
        b->modifica.ColonnaCursore = vc;
        QVERIFY(ScriviCella(*b, vr, vc, 10));
        G()->update();
        QCOMPARE(Sfondo(r0, c0), bianco);
    }

    // A click on a sign fades it and opens no palette; a second click brings it back. The mark is
    // not a move: undo leaves it, another schema starts without it.
    void segnoSegnatoComeUsato() {
        Apri("bench/schemi/7k_1.txt");
        int si = -1, sj = -1;
        for (int i = 0; i < b->Gr.Rows() && si < 0; ++i)
            for (int j = 0; j < b->Gr.Cols() && si < 0; ++j)
                if (ESegno(b->Gr.Cella(i, j))) si = i, sj = j;
        QVERIFY(si >= 0);
        const QImage prima = Area(si, sj);
        const int mosse = b->modifica.NumMosse();
        QTest::mouseClick(G(), Qt::LeftButton, {}, G()->RettangoloPosizione(si, sj).center());
        QVERIFY(SegnoUsato(*b, si, sj));
        QVERIFY(!form->Frame1()->isVisible());
        const QImage usato = Area(si, sj);
        QVERIFY(usato != prima);
        // The faded sign is lighter: no pixel as dark as a sign in use (the cells' edges are
        // lighter still).
        auto scuri = [](const QImage& img) {
            int k = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 110) ++k;
            return k;
        };
        QCOMPARE(scuri(usato), 0);
        if (qEnvironmentVariableIsSet("KELVARO_SCHERMATA_EVIDENZE"))
            G()->grab().save(qEnvironmentVariable("KELVARO_SCHERMATA_EVIDENZE"));
        QCOMPARE(b->modifica.NumMosse(), mosse);
        // A digit written and undone leaves the mark.
        int r = 0, c = 0;
        for (int rr = 1; rr <= b->schema.Sizesc && !r; ++rr)
            for (int cc = 1; cc <= b->schema.Sizesc && !r; ++cc)
                if (CifraMostrata(*b, rr, cc) == 0) r = rr, c = cc;
        QVERIFY(ScriviCella(*b, r, c, 1));
        AnnullaMossa(*b);
        QVERIFY(SegnoUsato(*b, si, sj));
        QTest::mouseClick(G(), Qt::LeftButton, {}, G()->RettangoloPosizione(si, sj).center());
        QVERIFY(!SegnoUsato(*b, si, sj));
        QCOMPARE(Area(si, sj), prima);
        // Marked again, then another schema: no mark survives it.
        QTest::mouseClick(G(), Qt::LeftButton, {}, G()->RettangoloPosizione(si, sj).center());
        QVERIFY(SegnoUsato(*b, si, sj));
        Apri("bench/schemi/9k_1.txt");
        QVERIFY(b->modifica.SegniUsati.empty());
        // A click on a cell still opens the palette.
        QTest::mouseClick(G(), Qt::LeftButton, {},
                          G()->RettangoloPosizione(RigaGriglia(r), ColonnaGriglia(c)).center());
        QCOMPARE(CommutaSegnoUsato(*b, RigaGriglia(r), ColonnaGriglia(c)), false);
    }
};

QTEST_MAIN(EvidenzeTest)
#include "evidenze_test.moc"
