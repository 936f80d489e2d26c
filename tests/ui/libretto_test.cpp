// The booklet: kelvaro-cli libretto without a display, its pages and texts, and its refusals.
#include "pittura/libretto.h"

#include <sys/stat.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Esito {
    int stato = -1;
    QString uscita, errori;
};

// Runs a program with no display at all (no DISPLAY, no platform chosen).
Esito Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    p.setProcessEnvironment(env);
    p.start(programma, argomenti);
    if (!p.waitForFinished(120000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Esito Cli(const QStringList& argomenti) {
    return Esegui(QStringLiteral(KELVARO_BIN "/kelvaro-cli"), argomenti);
}

int Pagine(const QString& pdf) {
    const Esito e = Esegui(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& riga : e.uscita.split('\n'))
        if (riga.startsWith(QStringLiteral("Pages:"))) return riga.mid(6).trimmed().toInt();
    return -1;
}

}  // namespace

class LibrettoTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString schemi_;  // ten schemas, 6 x 6 and 7 x 7
    QStringList nomi_;

private slots:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        schemi_ = tmp_.filePath(QStringLiteral("schemi"));
        QCOMPARE(Cli({"genera", "--dimensione", "6", "--numero", "6", "--cartella", schemi_}).stato, 0);
        QCOMPARE(Cli({"genera", "--dimensione", "7", "--numero", "4", "--cartella", schemi_}).stato, 0);
        nomi_ = QDir(schemi_).entryList({"*.TXT"}, QDir::Files, QDir::Name);
        QCOMPARE(nomi_.size(), 10);
    }

    void PagineSecondoIlFormato_data() {
        QTest::addColumn<QString>("perPagina");
        QTest::addColumn<bool>("soluzioni");
        QTest::addColumn<int>("pagine");
        // ten schemas; the solutions go twelve to a page
        QTest::newRow("4 con soluzioni") << "4" << true << 3 + 1;
        QTest::newRow("1") << "1" << false << 10;
        QTest::newRow("2") << "2" << false << 5;
        QTest::newRow("6 con soluzioni") << "6" << true << 2 + 1;
    }
    void PagineSecondoIlFormato() {
        QFETCH(QString, perPagina);
        QFETCH(bool, soluzioni);
        QFETCH(int, pagine);
        const QString pdf = tmp_.filePath(QStringLiteral("libretto_%1_%2.pdf").arg(perPagina).arg(soluzioni));
        QStringList arg{"libretto", "--per-pagina", perPagina};
        if (soluzioni) arg << "--soluzioni";
        arg << schemi_ << pdf;
        const Esito e = Cli(arg);
        QVERIFY2(e.stato == 0, qPrintable(e.errori));
        QCOMPARE(e.uscita, QStringLiteral("libretto: 10 schemi, %1 pagine in %2\n").arg(pagine).arg(pdf));
        QCOMPARE(Pagine(pdf), pagine);
    }

    void TestiDelLibretto() {
        const QString pdf = tmp_.filePath(QStringLiteral("testi.pdf"));
        QCOMPARE(Cli({"libretto", "--soluzioni", "--formato", "Letter", schemi_, pdf}).stato, 0);
        const Esito t = Esegui(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
        QCOMPARE(t.stato, 0);
        const QStringList pagine = t.uscita.split(QChar('\f'));
        // each name under its schema, then once more under its solution on the last page
        for (const QString& n : nomi_) {
            QCOMPARE(t.uscita.count(n), 2);
            QVERIFY2(pagine[3].contains(n), qPrintable(n));
        }
        QCOMPARE(t.uscita.count(QStringLiteral("6x6 - livello ")), 6);
        QCOMPARE(t.uscita.count(QStringLiteral("7x7 - livello ")), 4);
        QVERIFY(pagine[3].contains(QStringLiteral("Soluzioni")));
        // the level is the one of the automatic name: "6_0101_..." reads "livello 101"
        const QString livello = QString::number(nomi_.first().mid(2, 4).toInt());
        QVERIFY2(pagine[0].contains(QStringLiteral("6x6 - livello ") + livello), qPrintable(pagine[0]));
        // and after the level, the difficulty's name, under every schema but not under solutions
        static const QRegularExpression nome(
            QStringLiteral("x\\d - livello \\d+ - (Facile|Medio|Difficile|Esperto|Diabolico)\\b"));
        QCOMPARE(t.uscita.count(nome), 10);
        const Esito info = Esegui(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.uscita.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info.uscita));
    }

    void FileRottiSaltatiCartelleVuoteRifiutate() {
        QTemporaryDir d;
        QDir(d.path()).mkpath(QStringLiteral("misto"));
        const QString misto = d.filePath(QStringLiteral("misto"));
        QFile::copy(schemi_ + "/" + nomi_.first(), misto + "/buono.txt");
        QFile rotto(misto + "/rotto.txt");
        QVERIFY(rotto.open(QIODevice::WriteOnly));
        rotto.write("<FUTOSHIKI SIZE=\"12\">\r\n");
        rotto.close();
        const QString pdf = d.filePath(QStringLiteral("misto.pdf"));
        Esito e = Cli({"libretto", misto, pdf});
        QCOMPARE(e.stato, 0);
        QVERIFY2(e.errori.contains(QStringLiteral("rotto.txt: File inesistente o dati errati, saltato")),
                 qPrintable(e.errori));
        QCOMPARE(Pagine(pdf), 1);

        QDir(d.path()).mkpath(QStringLiteral("vuota"));
        const QString nessuno = d.filePath(QStringLiteral("nessuno.pdf"));
        e = Cli({"libretto", d.filePath(QStringLiteral("vuota")), nessuno});
        QCOMPARE(e.stato, 1);
        QVERIFY2(e.errori.contains(QStringLiteral("Nessuno schema nella cartella")), qPrintable(e.errori));
        QVERIFY(!QFile::exists(nessuno));

        // an unwritable destination leaves nothing behind and says which file
        e = Cli({"libretto", misto, d.filePath(QStringLiteral("manca/x.pdf"))});
        QCOMPARE(e.stato, 1);
        QVERIFY2(e.errori.contains(QStringLiteral("Impossibile scrivere il file ")), qPrintable(e.errori));

        // an existing name that is not a regular file is refused and stays what it was
        const QString fifo = d.filePath(QStringLiteral("fifo.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString dispositivo = d.filePath(QStringLiteral("dispositivo.pdf"));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), dispositivo));
        const QString cartella = d.filePath(QStringLiteral("cartella.pdf"));
        QVERIFY(QDir(d.path()).mkpath(QStringLiteral("cartella.pdf")));
        for (const QString& uscita : {fifo, dispositivo, cartella}) {
            const auto tipo = [&] {
                struct stat st {};
                return ::lstat(QFile::encodeName(uscita).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0u;
            };
            const auto prima = tipo();
            e = Cli({"libretto", misto, uscita});
            QCOMPARE(e.stato, 1);
            const QString atteso =
                QStringLiteral("errore: %1 esiste e non è un file normale: il libretto non lo sostituisce\n")
                    .arg(uscita);
            QVERIFY2(e.errori.contains(atteso), qPrintable(e.errori));
            QVERIFY(e.uscita.isEmpty());
            QCOMPARE(tipo(), prima);
        }
        QVERIFY(QDir(cartella).isEmpty());
        QVERIFY(QDir(d.path()).entryList({"*.tmp", ".*tmp"}, QDir::Files | QDir::Hidden).isEmpty());

        for (const QStringList& a : {QStringList{"libretto", "--per-pagina", "3", misto, pdf},
                                     QStringList{"libretto", "--formato", "A3", misto, pdf},
                                     QStringList{"libretto", misto}, QStringList{"libretto", "", pdf}})
            QCOMPARE(Cli(a).stato, 2);
    }
};

QTEST_MAIN(LibrettoTest)
#include "libretto_test.moc"
