// Small digits in a 3 x 3 layout: which texts count as candidates, and where each digit lands.
#include "pittura/cifre_piccole.h"

#include <QImage>
#include <QtTest>

using namespace kelvaro::ui;

namespace {

// Ink (pixels darker than the white ground) inside a rectangle.
int Inchiostro(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 600) ++n;
        }
    return n;
}

}  // namespace

class TestCifrePiccole : public QObject {
    Q_OBJECT
private slots:
    void mascheraDaTesto_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<unsigned>("maschera");
        QTest::newRow("candidati") << "1245" << true << ((1u << 1) | (1u << 2) | (1u << 4) | (1u << 5));
        QTest::newRow("uno") << "7" << true << (1u << 7);
        QTest::newRow("tutti") << "123456789" << true << 0x3FEu;
        QTest::newRow("vuoto") << "" << false << 0u;
        QTest::newRow("zero") << "0" << false << 0u;
        QTest::newRow("ripetuto") << "112" << false << 0u;
        QTest::newRow("lettera") << "5a" << false << 0u;
        QTest::newRow("segno") << QString(QChar(134)) << false << 0u;
    }
    void mascheraDaTesto() {
        QFETCH(QString, testo);
        QFETCH(bool, valido);
        QFETCH(unsigned, maschera);
        MascheraCifre m = 99;
        QCOMPARE(MascheraDaTesto(testo.toLatin1().toStdString(), m), valido);
        if (valido) QCOMPARE(m, maschera);
    }

    // Each digit alone: ink in its own slot of the 3 x 3 layout and nowhere else.
    void ogniCifraAlSuoPosto() {
        const QRectF cella(10, 10, 45, 45);  // a 9 x 9 cell on a 96 dpi screen
        for (int d = 1; d <= 9; ++d) {
            QImage img(70, 70, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            DisegnaCifrePiccole(p, cella, 1u << d, Qt::blue);
            p.end();
            const QRectF slot = RettangoloCifraPiccola(cella, d);
            // Row (d-1)/3, column (d-1)%3.
            QCOMPARE(int((slot.center().x() - cella.left()) / (cella.width() / 3)), (d - 1) % 3);
            QCOMPARE(int((slot.center().y() - cella.top()) / (cella.height() / 3)), (d - 1) / 3);
            for (int e = 1; e <= 9; ++e) {
                const QRect r = RettangoloCifraPiccola(cella, e).toAlignedRect().adjusted(1, 1, -1, -1);
                if (e == d)
                    QVERIFY2(Inchiostro(img, r) > 5, qPrintable(QString::number(d)));
                else
                    QVERIFY2(Inchiostro(img, r) == 0, qPrintable(QString("%1 in %2").arg(d).arg(e)));
            }
            // Nothing outside the cell.
            QCOMPARE(Inchiostro(img, QRect(0, 0, 70, 70)), Inchiostro(img, cella.toAlignedRect()));
        }
    }

    void nienteSenzaCifre() {
        QImage img(50, 50, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        DisegnaCifrePiccole(p, QRectF(0, 0, 50, 50), 0, Qt::black);
        p.end();
        QCOMPARE(Inchiostro(img, img.rect()), 0);
    }
};

QTEST_MAIN(TestCifrePiccole)
#include "cifre_piccole_test.moc"
