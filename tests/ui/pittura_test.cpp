// The painting routine shared by the screen and the printer: platform colours, sign glyphs
// pointing at the smaller cell, texts in their colours, positions under a point.
#include "pittura/pittura.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "display/visualizza.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// One row of three positions (cell, sign, cell) laid out like a schema row, or one column.
Griglia Coppia(bool orizzontale) {
    Griglia g;
    g.SetRows(orizzontale ? 1 : 3);
    g.SetCols(orizzontale ? 3 : 1);
    for (int k = 0; k < 3; ++k) {
        const int misura = k == 1 ? 240 : 670;
        if (orizzontale) {
            g.SetColWidth(k, misura);
            g.SetRowHeight(0, 670);
        } else {
            g.SetRowHeight(k, misura);
            g.SetColWidth(0, 670);
        }
    }
    for (int i = 0; i < g.Rows(); ++i)
        for (int j = 0; j < g.Cols(); ++j) g.Cella(i, j).CellBackColor = ColoreLavanda;
    g.Width = (orizzontale ? 1580 : 670) + 100;
    g.Height = (orizzontale ? 670 : 1580) + 100;
    return g;
}

bool Scuro(QRgb c) {
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

}  // namespace

class PitturaTest : public QObject {
    Q_OBJECT

private slots:
    void coloriDellaPiattaforma_data() {
        QTest::addColumn<qlonglong>("piattaforma");
        QTest::addColumn<QColor>("colore");
        QTest::newRow("rosso") << 255LL << QColor(255, 0, 0);
        QTest::newRow("verde") << 65280LL << QColor(0, 255, 0);
        QTest::newRow("giallo") << 65535LL << QColor(255, 255, 0);
        QTest::newRow("blu") << qlonglong(ColoreBlu) << QColor(0, 0, 255);
        QTest::newRow("lavanda") << qlonglong(ColoreLavanda) << QColor(192, 192, 255);
        QTest::newRow("bianco") << qlonglong(ColoreBianco) << QColor(255, 255, 255);
    }
    void coloriDellaPiattaforma() {
        QFETCH(qlonglong, piattaforma);
        QFETCH(QColor, colore);
        QCOMPARE(ColoreQt(static_cast<long>(piattaforma)), colore);
    }

    // Each glyph's tip (the dark pixel furthest towards the smaller cell) lies on the middle line
    // of the sign position, and the opposite side is open.
    void segniPuntanoAllaCellaMinore_data() {
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("orizzontale");
        QTest::addColumn<int>("verso");  // -1: towards the first cell (left/upper), +1: the second
        QTest::newRow("minore a destra <") << int(SegnoMinDes) << true << -1;
        QTest::newRow("maggiore a destra >") << int(SegnoMagDes) << true << +1;
        QTest::newRow("minore sotto ∧") << int(SegnoMinGiu) << false << -1;
        QTest::newRow("maggiore sotto ∨") << int(SegnoMagGiu) << false << +1;
    }
    void segniPuntanoAllaCellaMinore() {
        QFETCH(int, codice);
        QFETCH(bool, orizzontale);
        QFETCH(int, verso);
        Griglia g = Coppia(orizzontale);
        CellaGriglia& s = orizzontale ? g.Cella(0, 1) : g.Cella(1, 0);
        s.Testo = std::string(1, static_cast<char>(codice));
        s.FontName = FontSegni;
        s.FontSize = 12;
        s.CellAlignment = Allineamento::CentroCentro;
        const double ppt = 4.0 / 15.0;  // 384 dpi: a large, clear picture
        QImage img(int(g.Width * ppt) + 1, int(g.Height * ppt) + 1, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DipingiGriglia(p, g, ppt, ppt);
        }
        // Along the pointing axis a = x (or y); across it b.
        auto pixel = [&](int a, int b) { return orizzontale ? img.pixel(a, b) : img.pixel(b, a); };
        const int lunghezzaA = orizzontale ? img.width() : img.height();
        const int lunghezzaB = orizzontale ? img.height() : img.width();
        const double mezzo = (MargineGriglia + 335) * ppt;
        const int margine = int((MargineGriglia + 20) * ppt);
        int punta = -1, apertura = -1;
        QList<int> lineePunta;
        for (int k = 0; k < lunghezzaA; ++k) {
            const int a = verso < 0 ? k : lunghezzaA - 1 - k;
            QList<int> scure;
            for (int b = margine; b < lunghezzaB - margine; ++b)
                if (Scuro(pixel(a, b))) scure << b;
            if (scure.isEmpty()) continue;
            if (punta < 0) {
                punta = a;
                lineePunta = scure;
            }
            apertura = a;
        }
        QVERIFY(punta >= 0);
        // The tip sits on the middle line ...
        double media = 0;
        for (int b : lineePunta) media += b;
        media /= lineePunta.size();
        QVERIFY2(qAbs(media - mezzo) < 4,
                 qPrintable(QString::number(media) + " vs " + QString::number(mezzo)));
        // ... and the far end is the open one: its dark pixels are two arms, away from the middle.
        QList<int> lineeApertura;
        for (int b = margine; b < lunghezzaB - margine; ++b)
            if (Scuro(pixel(apertura, b))) lineeApertura << b;
        QVERIFY(!lineeApertura.isEmpty());
        QVERIFY(lineeApertura.first() < mezzo - 10);
        QVERIFY(lineeApertura.last() > mezzo + 10);
        for (int b : lineeApertura) QVERIFY(qAbs(b - mezzo) > 10);
        // The glyph stays inside its 240-twip position.
        const double inizio = (MargineGriglia + 670) * ppt, fine = (MargineGriglia + 910) * ppt;
        QVERIFY(qMin(punta, apertura) > inizio && qMax(punta, apertura) < fine);
    }

    void testoNelColoreDellaCella() {
        Griglia g = Coppia(true);
        CellaGriglia& c = g.Cella(0, 0);
        c.Testo = "7";
        c.FontSize = 16;
        c.CellBackColor = ColoreVerde;
        c.CellForeColor = ColoreBlu;
        c.CellAlignment = Allineamento::CentroCentro;
        QImage img(400, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DipingiGriglia(p, g, 0.1, 0.1);
        }
        int verdi = 0, blu = 0;
        for (int y = 10; y < 70; ++y)
            for (int x = 10; x < 70; ++x) {
                const QRgb q = img.pixel(x, y);
                if (q == qRgb(0, 255, 0)) ++verdi;
                if (qBlue(q) > 200 && qRed(q) < 60 && qGreen(q) < 60) ++blu;
            }
        QVERIFY(verdi > 1500);
        QVERIFY(blu > 10);
        // The empty cell on the other side of the sign shows nothing but its background.
        for (int y = 12; y < 65; ++y)
            for (int x = 98; x < 155; ++x) QVERIFY(!Scuro(img.pixel(x, y)));
    }

    void posizioneDaPunto_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("colonna");
        QTest::newRow("prima cella") << 60.0 << 60.0 << 0 << 0;
        QTest::newRow("segno") << 50.0 + 670 + 10 << 300.0 << 0 << 1;
        QTest::newRow("ultima cella") << 50.0 + 1579 << 719.0 << 0 << 2;
        QTest::newRow("bordo sinistro") << 20.0 << 300.0 << -1 << -1;
        QTest::newRow("oltre il fondo") << 300.0 << 50.0 + 670 + 1 << -1 << -1;
    }
    void posizioneDaPunto() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, riga);
        QFETCH(int, colonna);
        const Griglia g = Coppia(true);
        int r, c;
        QCOMPARE(PosizioneDaPunto(g, x, y, r, c), riga >= 0);
        if (riga >= 0) {
            QCOMPARE(r, riga);
            QCOMPARE(c, colonna);
        }
    }
};

QTEST_MAIN(PitturaTest)
#include "pittura_test.moc"
