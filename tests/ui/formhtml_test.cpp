// The publishing dialog: its lists, its three buttons and what they write.
#include "ui/formhtml.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "supporto/finestre_finte.h"
#include "ui/form1.h"

using namespace kelvaro;
using kelvaro::ui::FormHTML;

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& nome) {
    return std::string(KELVARO_FIXTURES) + "/" + nome;
}

QByteArray Leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Voci(QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
}

}  // namespace

class TestFormHTML : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    test::FinestreFinte finte;
    Banco b;

    QString Percorso(const QString& relativo) const { return dir.path() + "/" + relativo; }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        const fs::path base = dir.path().toStdString();
        for (const auto& e : fs::directory_iterator(base)) fs::remove_all(e.path());
        fs::copy(Fixture("web/template"), base / "template", fs::copy_options::recursive);
        fs::copy(Fixture("web/schemi"), base / "schemixwebsite", fs::copy_options::recursive);
        // The pictures the pages link to.
        fs::copy(std::string(KELVARO_SORGENTI) + "/resources/assets", base / "assets",
                 fs::copy_options::recursive);
        fs::create_directory(base / "perwebsiteprove");
        fs::create_directory(base / "perwebsite");
        // A second index template and a script that is no page template.
        fs::copy_file(base / "template/indice.html", base / "template/INDICE_B.html");
        b.CartellaProgramma = base.string();
        b.conf.FileSchema = "schema.html";
        b.conf.FileIndice = "INDICE.HTML";
        finte.messaggi.clear();
        b.ImpostaFinestre(&finte);
    }

    void controlliENomi() {
        FormHTML f(b);
        QCOMPARE(f.windowTitle(), QString("Form5"));
        QCOMPARE(f.LstSche->objectName(), QString("LstSche"));
        QCOMPARE(f.LstInd->objectName(), QString("LstInd"));
        QCOMPARE(f.cmdGeneraKelvaro->objectName(), QString("cmdGeneraKelvaro"));
        QCOMPARE(f.cmdGeneraKelvaro->text(), QString("Genera Kelvaro"));
        QCOMPARE(f.cmdGenerahtml->objectName(), QString("cmdGenerahtml"));
        QCOMPARE(f.cmdGenerahtml->text(), QString("GeneraHTML"));
        QCOMPARE(f.CmdStringi->objectName(), QString("CmdStringi"));
        QCOMPARE(f.CmdStringi->text(), QString("Stringi"));
        QVERIFY(f.findChild<QLabel*>("lblSche") != nullptr);
        QVERIFY(f.findChild<QLabel*>("lblInd") != nullptr);
        QVERIFY(f.lblStato->text().isEmpty());
    }

    void listeCaricate() {
        FormHTML f(b);
        // The script is left out; the names are compared in upper case.
        QCOMPARE(Voci(f.LstSche), QStringList({"schema.html"}));
        QCOMPARE(f.LstSche->currentItem()->text(), QString("schema.html"));
        QCOMPARE(Voci(f.LstInd), QStringList({"INDICE_B.html", "indice.html"}));
        QCOMPARE(f.LstInd->currentItem()->text(), QString("indice.html"));

        b.conf.FileIndice = "indice.html";  // lower case matches nothing: the first is selected
        FormHTML g(b);
        QCOMPARE(g.LstInd->currentItem()->text(), QString("INDICE_B.html"));
    }

    void generaHtmlPubblica() {
        FormHTML f(b);
        f.LstInd->setCurrentRow(1);
        QTest::mouseClick(f.cmdGenerahtml, Qt::LeftButton);
        QCOMPARE(b.conf.FileSchema, std::string("schema.html"));
        QCOMPARE(b.conf.FileIndice, std::string("indice.html"));
        // The broken schema file is reported by the loader and skipped.
        QCOMPARE(finte.messaggi.size(), size_t(1));
        QCOMPARE(QString::fromStdString(finte.messaggi[0]),
                 "File inesistente o dati errati|" + Percorso("schemixwebsite/d_rotto.txt"));
        QVERIFY(QFile::exists(Percorso("perwebsiteprove/Futoshiki_a_facile.html")));
        QVERIFY(!QFile::exists(Percorso("perwebsiteprove/Futoshiki_d_rotto.html")));
        const QByteArray indice = Leggi(Percorso("perwebsiteprove/futoshiki_090101.html"));
        QVERIFY(indice.contains("<li><a href='Futoshiki_c_difficile.html'>5x5 Livello 311</a></li>\r\n"));
        QCOMPARE(f.lblStato->text(), "Scritte 3 pagine di schema e l'indice " +
                                         Percorso("perwebsiteprove/futoshiki_090101.html") +
                                         ". 1 file non caricato è stato saltato.");
        // A schema taken away: its page goes with the next publishing, and the dialog says so.
        QVERIFY(QFile::remove(Percorso("schemixwebsite/a_facile.txt")));
        QTest::mouseClick(f.cmdGenerahtml, Qt::LeftButton);
        QVERIFY(!QFile::exists(Percorso("perwebsiteprove/Futoshiki_a_facile.html")));
        QVERIFY2(f.lblStato->text().endsWith(
                     QStringLiteral(" Rimossa 1 pagina di uno schema non più pubblicato.")),
                 qPrintable(f.lblStato->text()));
    }

    void generaKelvaroEStringi() {
        FormHTML f(b);
        QTest::mouseClick(f.cmdGeneraKelvaro, Qt::LeftButton);
        QCOMPARE(f.lblStato->text(),
                 "Scritta la pagina principale " + Percorso("perwebsite/Futoshiki.html") + ".");
        QVERIFY(Leggi(Percorso("perwebsite/Futoshiki.html"))
                    .startsWith("<html>\r\n  <p>01 Gennaio 2009</p>\r\n"));

        QTest::mouseClick(f.CmdStringi, Qt::LeftButton);
        QCOMPARE(f.lblStato->text(),
                 "Script compattato in " + Percorso("perwebsiteprove/schemaFutoshiki.js") + ".");
        QVERIFY(Leggi(Percorso("perwebsiteprove/schemaFutoshiki.js"))
                    .startsWith("function a100111(cella) {\r\n"));
        QVERIFY(finte.messaggi.empty());
    }

    void senzaModelli() {
        fs::remove_all(dir.path().toStdString() + "/template");
        FormHTML f(b);
        QCOMPARE(f.LstSche->count(), 0);
        QCOMPARE(f.LstInd->count(), 0);
        QVERIFY(f.lblStato->text().startsWith("Nessun modello adatto in "));
        QTest::mouseClick(f.cmdGenerahtml, Qt::LeftButton);
        QCOMPARE(finte.messaggi.size(), size_t(1));
        QCOMPARE(QString::fromStdString(finte.messaggi[0]),
                 QString("Nessun modello scelto per la pagina dello schema|"));
        QCOMPARE(f.lblStato->text(), QString("Pubblicazione non riuscita."));
        QVERIFY(QDir(Percorso("perwebsiteprove")).isEmpty());

        QTest::mouseClick(f.CmdStringi, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(finte.messaggi.back()),
                 "Modello non trovato|" + Percorso("template/schemaFutoshiki.js"));
        QCOMPARE(f.lblStato->text(), QString("Script non compattato."));
    }

    // With KELVARO_SCHERMATA naming a file, saves a picture of the dialog after publishing.
    void schermata() {
        const QString file = qEnvironmentVariable("KELVARO_SCHERMATA");
        if (file.isEmpty()) QSKIP("KELVARO_SCHERMATA non impostato");
        FormHTML f(b);
        f.show();
        QTest::mouseClick(f.cmdGenerahtml, Qt::LeftButton);
        QVERIFY(f.grab().save(file));
    }

    void apertoDalMenuHTML() {
        ui::Form1 form(b);
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<FormHTML*>(QApplication::activeModalWidget());
            QVERIFY(f != nullptr);
            visto = f->windowTitle() == "Form5" && f->parentWidget() == &form;
            f->reject();
        });
        form.findChild<QAction*>("mnuHTML")->trigger();
        QVERIFY(visto);
    }

    void mostraModaleEChiudi() {
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<FormHTML*>(QApplication::activeModalWidget());
            QVERIFY(f != nullptr);
            visto = f->isModal() && f->isVisible();
            QTest::mouseClick(f->cmdChiudi, Qt::LeftButton);
        });
        QCOMPARE(ui::MostraFormHTML(nullptr, b), int(QDialog::Accepted));
        QVERIFY(visto);
    }
};

QTEST_MAIN(TestFormHTML)
#include "formhtml_test.moc"
