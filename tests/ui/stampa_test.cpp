// Printing the grid: on a PDF file (no printer needed), checked by rendering it with poppler.
#include "ui/stampa.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <vector>

#include "banco.h"
#include "display/modifica.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "ui/form1.h"

using namespace kelvaro;
using namespace kelvaro::ui;

namespace {

// Keeps the messages instead of showing them.
class FinestreMute : public FinestreSenzaSchermo {
public:
    std::vector<std::string> messaggi;
    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
};

// Twips from the grid's outer corner to the corner of cell (r, c): the 50-twip border, then
// the rows or columns before it (240 for even, 670 for odd positions).
double AngoloCella(int k) {
    return 50 + 240 + (k - 1) * (670 + 240);
}

struct Parola {
    QString testo;
    double x0, y0, x1, y1;  // points
};

// Words of the page with their boxes (points), as pdftotext -bbox lists them.
QList<Parola> Parole(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<Parola> parole;
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        parole << Parola{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()};
    }
    return parole;
}

QImage Rendi72(const QString& pdf, const QString& cartella) {
    QProcess p;
    p.start("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, cartella + "/pagina"});
    p.waitForFinished(30000);
    return QImage(cartella + "/pagina.png").convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestStampa : public QObject {
    Q_OBJECT
    std::unique_ptr<Banco> b;
    FinestreMute fin;
    QTemporaryDir dir;

    // The 5 x 5 fixture with two hand entries: 4 in R1C2 and 5 in R2C2.
    void CaricaConMosse() {
        b = std::make_unique<Banco>();
        b->ImpostaFinestre(&fin);
        b->file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_5x5.txt";
        QVERIFY(CaricaSchema(*b));
        for (auto [r, c, k] : {std::tuple{1, 2, 4}, std::tuple{2, 2, 5}}) {
            b->Gr.Row = RigaGriglia(r);
            b->Gr.Col = ColonnaGriglia(c);
            QVERIFY(ClickGriglia(*b).Mostra);
            TastoPalette(*b, k);
        }
        QCOMPARE(b->Gr.Cella(1, 3).Testo, std::string("4"));
    }

    void PdfSu(QPrinter& printer, const QString& file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(15, 20, 15, 20), QPageLayout::Millimeter);
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty() ||
            QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils (pdftoppm, pdftotext) not installed: scripts/setup.sh installs them");
        QVERIFY(dir.isValid());
    }
    void cleanup() {
        fin.messaggi.clear();
        b.reset();
    }

    void grigliaA1200TwipDalBordoStampabile() {
        CaricaConMosse();
        const QString file = dir.filePath("schema.pdf");
        QPrinter printer(QPrinter::HighResolution);
        PdfSu(printer, file);
        QString errore;
        QVERIFY(StampaSuPrinter(printer, b->Gr, &errore));
        QVERIFY(errore.isEmpty());

        // At 72 dpi a pixel is a point: the printable area's corner, then 1200 twips = 60 px.
        const QPointF area = printer.pageLayout().paintRectPoints().topLeft();
        const QImage img = Rendi72(file, dir.path());
        QVERIFY(!img.isNull());
        // With KELVARO_SCREENSHOT set, the printed page stays there, for a look by eye.
        if (const QByteArray c = qgetenv("KELVARO_SCREENSHOT"); !c.isEmpty()) {
            QFile::remove(QString(c) + "/stampa.pdf");
            QFile::copy(file, QString(c) + "/stampa.pdf");
        }
        QRect scuro;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 245) scuro |= QRect(x, y, 1, 1);
        QVERIFY(qAbs(scuro.left() - (area.x() + 60)) <= 1);
        QVERIFY(qAbs(scuro.top() - (area.y() + 60)) <= 1);
        // The outer size of a 5 x 5 grid: 4890 twips, 244.5 points.
        QVERIFY(qAbs(scuro.width() - 244.5) <= 2);
        QVERIFY(qAbs(scuro.height() - 244.5) <= 2);

        // Givens and hand entries, each inside its own cell.
        const QList<Parola> parole = Parole(file);
        struct Atteso {
            int r, c;
            const char* cifra;
        };
        for (const Atteso& a : {Atteso{1, 1, "3"}, Atteso{3, 3, "2"}, Atteso{5, 5, "1"}, Atteso{1, 2, "4"},
                                Atteso{2, 2, "5"}}) {
            const double x0 = area.x() + (1200 + AngoloCella(a.c)) / 20.0;
            const double y0 = area.y() + (1200 + AngoloCella(a.r)) / 20.0;
            const QRectF cella(x0, y0, 670 / 20.0, 670 / 20.0);
            bool trovato = false;
            for (const Parola& p : parole)
                if (p.testo == a.cifra && cella.contains(QPointF((p.x0 + p.x1) / 2, (p.y0 + p.y1) / 2)))
                    trovato = true;
            QVERIFY2(trovato, qPrintable(QString("%1 in R%2C%3").arg(a.cifra).arg(a.r).arg(a.c)));
        }
        QCOMPARE(parole.size(), 5);  // nothing else is written on the page

        // Colours as on the screen: hand entries blue, givens black, spacers lavender.
        auto Conta = [&](int r, int c, auto prova) {
            const int x0 = qRound(area.x() + (1200 + AngoloCella(c)) / 20.0),
                      y0 = qRound(area.y() + (1200 + AngoloCella(r)) / 20.0);
            int n = 0;
            for (int y = y0 + 3; y < y0 + 31; ++y)
                for (int x = x0 + 3; x < x0 + 31; ++x) n += prova(img.pixel(x, y)) ? 1 : 0;
            return n;
        };
        auto blu = [](QRgb p) { return qBlue(p) > 180 && qRed(p) < 120 && qGreen(p) < 120; };
        auto nero = [](QRgb p) { return qBlue(p) < 110 && qRed(p) < 110 && qGreen(p) < 110; };
        QVERIFY(Conta(1, 2, blu) > 5);
        QCOMPARE(Conta(1, 2, nero), 0);
        QVERIFY(Conta(1, 1, nero) > 5);
        QCOMPARE(Conta(1, 1, blu), 0);
        const QRgb spaziatore =
            img.pixel(qRound(area.x() + 60 + (50 + 120) / 20.0), qRound(area.y() + 60 + (50 + 120) / 20.0));
        QCOMPARE(QColor(spaziatore), QColor(192, 192, 255));
    }

    void grigliaAncoraVuotaSiStampa() {
        Griglia vuota;
        const QString file = dir.filePath("vuota.pdf");
        QPrinter printer(QPrinter::HighResolution);
        PdfSu(printer, file);
        QVERIFY(StampaSuPrinter(printer, vuota));
        QVERIFY(QFile(file).size() > 0);
    }

    void fileNonScrivibileDaLErrore() {
        Griglia g;
        QPrinter printer(QPrinter::HighResolution);
        PdfSu(printer, dir.filePath("manca/schema.pdf"));
        QString errore;
        QVERIFY(!StampaSuPrinter(printer, g, &errore));
        QVERIFY2(errore.contains(dir.filePath("manca/schema.pdf")), qPrintable(errore));
    }

    // The dialog: cancel prints nothing and says nothing; confirming prints to the PDF file
    // (with no printer installed the dialog offers printing to a file).
    void dialogoAnnullatoOConfermato_data() {
        QTest::addColumn<bool>("conferma");
        QTest::newRow("annulla") << false;
        QTest::newRow("conferma") << true;
    }
    void dialogoAnnullatoOConfermato() {
        QFETCH(bool, conferma);
        if (conferma && !QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: confirming would print on it");
        CaricaConMosse();
        const int riga = b->Gr.Row, colonna = b->Gr.Col;
        const QString file = dir.filePath(conferma ? "dialogo.pdf" : "annullato.pdf");
        QPrinter printer(QPrinter::HighResolution);
        PdfSu(printer, file);
        bool dialogoVisto = false;
        QTimer t;
        connect(&t, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            dialogoVisto = true;
            conferma ? d->accept() : d->reject();
        });
        t.start(10);
        QCOMPARE(StampaSchema(nullptr, *b, printer), conferma);
        t.stop();
        QVERIFY(dialogoVisto);
        QVERIFY(fin.messaggi.empty());
        QCOMPARE(QFile::exists(file), conferma);
        QCOMPARE(b->Gr.Cella(1, 3).Testo, std::string("4"));
        if (conferma) {
            QCOMPARE(Parole(file).size(), 5);
            // As the copy into the print window did: the last position is the current one.
            QCOMPARE(b->Gr.Row, b->Gr.Rows() - 1);
            QCOMPARE(b->Gr.Col, b->Gr.Cols() - 1);
        } else {
            QCOMPARE(b->Gr.Row, riga);
            QCOMPARE(b->Gr.Col, colonna);
        }
    }

    // The toolbar command with no printer installed: the dialog offers the PDF file named after
    // the schema, and confirming writes it.
    void comandoStampaSenzaStampante() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        const QByteArray casa = qgetenv("HOME");
        qputenv("HOME", dir.path().toLocal8Bit());
        Banco banco;
        banco.CartellaProgramma = KELVARO_BIN;
        Form1 form(banco);
        form.show();
        banco.file.NomeFileAperto = KELVARO_SORGENTI "/tests/fixtures/log_5x5.txt";
        QVERIFY(CaricaSchema(banco));
        const QString atteso = FilePdfProposto(banco);
        QVERIFY(atteso.startsWith(dir.path()));
        QVERIFY(atteso.endsWith("/log_5x5.pdf"));
        QTimer t;
        connect(&t, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
        });
        t.start(10);
        form.ClickToolbar("Stampa");
        t.stop();
        qputenv("HOME", casa);
        QVERIFY(QFile::exists(atteso));
        QCOMPARE(Parole(atteso).size(), 3);  // the three givens
    }

    void pdfPropostoPortaIlNomeDelloSchema() {
        Banco banco;
        QVERIFY(FilePdfProposto(banco).endsWith("/Kelvaro.pdf"));
        banco.file.NomeFileAperto = "/qualche/cartella/7k_1.txt";
        QVERIFY(FilePdfProposto(banco).endsWith("/7k_1.pdf"));
    }
};

QTEST_MAIN(TestStampa)
#include "stampa_test.moc"
