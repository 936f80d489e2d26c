// Start-up of the real program: the run mode picked from the whole argument string, the INI file
// looked for beside the executable only, and the unattended modes ending silently without it.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// Every file below a folder with its size: what "nothing written" is checked against.
std::map<std::string, uintmax_t> Contenuto(const fs::path& cartella) {
    std::map<std::string, uintmax_t> m;
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        m[fs::relative(e.path(), cartella).string()] = e.is_regular_file() ? e.file_size() : 0;
    return m;
}

}  // namespace

class AvvioTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    fs::path programma;  // a program directory: the executable and a copy of the resources
    fs::path altrove;    // a working directory that holds an INI file of its own

    QProcessEnvironment Ambiente(bool schermo) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (schermo) env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }
    void Avvia(QProcess& p, const QString& argomento, bool schermo) {
        p.setProcessEnvironment(Ambiente(schermo));
        p.setWorkingDirectory(QString::fromStdString(altrove.string()));
        p.setProgram(QString::fromStdString((programma / "kelvaro").string()));
        p.setArguments(argomento.isEmpty() ? QStringList() : QStringList{argomento});
        p.start();
        QVERIFY(p.waitForStarted(5000));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        programma = fs::path(dir.path().toStdString()) / "programma";
        altrove = fs::path(dir.path().toStdString()) / "altrove";
        fs::create_directories(altrove);
        fs::copy(fs::path(KELVARO_SORGENTI) / "resources", programma, fs::copy_options::recursive);
        fs::remove(programma / "Kelvaro.ini");
        fs::copy_file(fs::path(KELVARO_BIN) / "kelvaro", programma / "kelvaro");
        // An INI file in the current directory must not count.
        fs::copy_file(fs::path(KELVARO_SORGENTI) / "resources" / "Kelvaro.ini", altrove / "Kelvaro.ini");
    }

    void senzaIniFiniscoSubitoSenzaScrivere_data() {
        QTest::addColumn<QString>("argomento");
        QTest::newRow("prod") << "/prod";
        QTest::newRow("HTML") << "/HTML";
    }
    void senzaIniFiniscoSubitoSenzaScrivere() {
        QFETCH(QString, argomento);
        const auto prima = Contenuto(programma);
        const auto primaAltrove = Contenuto(altrove);
        QProcess p;
        QElapsedTimer t;
        t.start();
        Avvia(p, argomento, false);  // no display at all
        QVERIFY(p.waitForFinished(10000));
        QVERIFY(t.elapsed() < 5000);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QVERIFY(Contenuto(programma) == prima);
        QVERIFY(Contenuto(altrove) == primaAltrove);
    }

    void altreParoleApronoLaFinestra_data() {
        QTest::addColumn<QString>("argomento");
        QTest::newRow("vuoto") << "";
        QTest::newRow("html minuscolo") << "/html";
        QTest::newRow("Prod maiuscolo") << "/Prod";
        QTest::newRow("prod con spazio") << "/prod ";
        QTest::newRow("altro") << "schema.txt";
    }
    void altreParoleApronoLaFinestra() {
        QFETCH(QString, argomento);
        QProcess p;
        Avvia(p, argomento, true);
        QVERIFY2(!p.waitForFinished(1500), p.readAllStandardError().constData());
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        QVERIFY(p.waitForFinished(5000));
    }

    void finestraSenzaSchermoLoDice() {
        QProcess p;
        Avvia(p, "/html", false);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("nessuno schermo disponibile"));
    }

    // "--help" and "--version" answer at once, on standard output, without a display and
    // without touching the program directory.
    void aiutoEVersioneSenzaSchermo_data() {
        QTest::addColumn<QString>("argomento");
        QTest::addColumn<QString>("inizio");
        QTest::newRow("help") << "--help"
                              << "Uso: kelvaro [FILE]\n";
        QTest::newRow("version") << "--version"
                                 << "kelvaro ";
    }
    void aiutoEVersioneSenzaSchermo() {
        QFETCH(QString, argomento);
        QFETCH(QString, inizio);
        const auto prima = Contenuto(programma);
        QProcess p;
        Avvia(p, argomento, false);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(uscita.startsWith(inizio), qPrintable(uscita));
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QVERIFY(Contenuto(programma) == prima);
        if (argomento == "--help")
            QVERIFY2(uscita.contains("\nCartella del programma: " +
                                     QString::fromStdString(fs::canonical(programma).string()) + "\n"),
                     qPrintable(uscita));
    }

    void htmlConIniNonChiedeUnoSchermo() {
        fs::copy_file(fs::path(KELVARO_SORGENTI) / "resources" / "Kelvaro.ini", programma / "Kelvaro.ini");
        QProcess p;
        Avvia(p, "/HTML", false);
        const bool finito = p.waitForFinished(120000);
        fs::remove(programma / "Kelvaro.ini");
        QVERIFY(finito);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(AvvioTest)
#include "avvio_test.moc"
