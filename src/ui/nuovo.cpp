#include "ui/nuovo.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>
#include <filesystem>

#include "app/ini.h"
#include "files/progresso.h"
#include "pittura/libretto.h"
#include "production/produzione.h"
#include "ui/form1.h"
#include "ui/frmprod.h"
#include "ui/icone.h"

namespace kelvaro::ui {

ComandiAutore::ComandiAutore(Form1* form) : QObject(form), form_(form), b_(form->banco()) {
    nuovo_ = new QAction(IconaToolbar(QStringLiteral("Nuovo")), QStringLiteral("Nuovo"), form);
    nuovo_->setObjectName(QStringLiteral("Nuovo"));
    nuovo_->setToolTip(QStringLiteral("Nuovo schema con i livelli e le dimensioni scelti"));
    nuovo_->setShortcut(QKeySequence::New);
    connect(nuovo_, &QAction::triggered, this, &ComandiAutore::Nuovo);
    ferma_ = new QAction(QStringLiteral("Ferma la generazione"), form);
    ferma_->setObjectName(QStringLiteral("FermaNuovo"));
    ferma_->setEnabled(false);
    connect(ferma_, &QAction::triggered, this, &ComandiAutore::Ferma);

    // A toolbar of its own on a row under the stored one, which keeps its buttons and its width.
    auto* barraNuovo = new QToolBar(QStringLiteral("Nuovo"), form);
    barraNuovo->setObjectName(QStringLiteral("tlbNuovo"));
    barraNuovo->setMovable(false);
    barraNuovo->setIconSize(QSize(22, 22));
    barraNuovo->addAction(nuovo_);
    difficolta_ = new QComboBox(barraNuovo);
    difficolta_->setObjectName(QStringLiteral("DifficoltaNuovo"));
    difficolta_->setToolTip(QStringLiteral("Difficoltà del prossimo schema nuovo"));
    difficolta_->addItem(QStringLiteral("Qualsiasi difficoltà"), -1);
    for (Difficolta d : {Difficolta::Facile, Difficolta::Medio, Difficolta::Difficile, Difficolta::Esperto})
        difficolta_->addItem(QString::fromUtf8(NomeDifficolta(d)), static_cast<int>(d));
    barraNuovo->addWidget(difficolta_);
    // Redo beside them: the stored toolbar above has room for its own buttons only.
    if (QAction* ripeti = form->findChild<QAction*>(QStringLiteral("mnuRipeti"))) {
        barraNuovo->addSeparator();
        barraNuovo->addAction(ripeti);
        if (QWidget* w = barraNuovo->widgetForAction(ripeti))
            w->setObjectName(QStringLiteral("PulsanteRipeti"));
    }
    form->addToolBarBreak(Qt::TopToolBarArea);
    form->addToolBar(Qt::TopToolBarArea, barraNuovo);

    QMenu* file = new QMenu(QStringLiteral("&File"), form);
    file->setObjectName(QStringLiteral("MnuFile"));
    // The toolbar's file commands, with their keys shown beside them.
    auto comando = [form, file](const char* nome, const QString& testo, const QKeySequence& tasto,
                                const char* chiave) {
        auto* a = new QAction(IconaToolbar(QString::fromLatin1(chiave)), testo, file);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tasto);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, form,
                [form, chiave] { form->ClickToolbar(QString::fromLatin1(chiave)); });
        return a;
    };
    file->addAction(nuovo_);
    file->addAction(comando("MnuApri", QStringLiteral("Apri..."), QKeySequence::Open, "Apri"));
    file->addAction(comando("MnuSalva", QStringLiteral("Salva schema..."),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "Salva"));
    file->addAction(comando("MnuStampa", QStringLiteral("Stampa..."), QKeySequence::Print, "Stampa"));
    file->addAction(ferma_);
    file->addSeparator();
    QAction* prod = file->addAction(QStringLiteral("Produzione dalle regole di Kelvaro.ini..."));
    prod->setObjectName(QStringLiteral("MnuProduzione"));
    connect(prod, &QAction::triggered, this, &ComandiAutore::Produzione);
    QAction* libretto = file->addAction(QStringLiteral("Libretto PDF di una cartella..."));
    libretto->setObjectName(QStringLiteral("MnuLibretto"));
    connect(libretto, &QAction::triggered, this, &ComandiAutore::Libretto);
    file->addSeparator();
    file->addAction(comando("MnuEsci", QStringLiteral("Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), "Uscita"));
    QMenuBar* mb = form->menuBar();
    mb->insertMenu(mb->actions().isEmpty() ? nullptr : mb->actions().first(), file);

    barra_ = new QProgressBar(form);
    barra_->setObjectName(QStringLiteral("BarraNuovo"));
    barra_->setRange(0, 0);  // busy: the step gives no fraction
    barra_->setMaximumWidth(120);
    barra_->setFormat(QStringLiteral("Generazione..."));
    pulsanteFerma_ = new QToolButton(form);
    pulsanteFerma_->setDefaultAction(ferma_);
    form->statusBar()->addPermanentWidget(barra_);
    form->statusBar()->addPermanentWidget(pulsanteFerma_);
    MostraInCorso(false);
    connect(&osservatore_, &QFutureWatcherBase::finished, this, [this] { Ricevi(turno_); });
}

ComandiAutore::~ComandiAutore() = default;

void ComandiAutore::MostraInCorso(bool si) {
    inCorso_ = si;
    nuovo_->setEnabled(!si);
    ferma_->setEnabled(si);
    barra_->setVisible(si);
    pulsanteFerma_->setVisible(si);
}

void ComandiAutore::Nuovo() {
    if (inCorso_) return;
    form_->NascondiPalette();
    if (!ConfermaAbbandono(b_)) return;
    ++turno_;
    MostraInCorso(true);
    form_->statusBar()->showMessage(
        QStringLiteral("Generazione di uno schema %1x%1...").arg(form_->SizescImpostato()));
    // Copies of what the step needs: the worker never touches the window's workbench.
    const Impostazioni imp = b_.imp;
    // The size the levels dialog chose (an open schema keeps its own).
    const int n = form_->SizescImpostato();
    const int scelta = difficolta_->currentData().toInt();
    const std::optional<Difficolta> difficolta =
        scelta < 0 ? std::nullopt : std::optional<Difficolta>(static_cast<Difficolta>(scelta));
    osservatore_.setFuture(
        QtConcurrent::run([imp, n, difficolta] { return GeneraInMemoria(imp, n, difficolta); }));
}

void ComandiAutore::Ferma() {
    if (!inCorso_) return;
    ++turno_;  // what the worker still returns belongs to no one
    MostraInCorso(false);
    form_->statusBar()->showMessage(QStringLiteral("Generazione interrotta"), 4000);
    emit NuovoFinito(false);
}

void ComandiAutore::Ricevi(int turno) {
    if (!inCorso_ || turno != turno_) return;
    MostraInCorso(false);
    const std::optional<SchemaGenerato> r = osservatore_.result();
    if (!r) {
        form_->statusBar()->clearMessage();
        const QString d = difficolta_->currentData().toInt() < 0 ? QString() : difficolta_->currentText();
        b_.finestre().Messaggio(
            d.isEmpty()
                ? std::string("Nessuno schema generato con i livelli e le dimensioni scelti")
                : QStringLiteral("Nessuno schema %1 generato in %2 tentativi con la dimensione scelta")
                      .arg(d)
                      .arg(TentativiPerSchema)
                      .toStdString());
        emit NuovoFinito(false);
        return;
    }
    // As after an open: the new schema shown with its givens, no moves, nothing saved yet.
    form_->MostraSchemaNonSalvato(r->schema, r->NomeFile);
    form_->statusBar()->showMessage(
        QStringLiteral("Nuovo schema: %1 (non salvato)").arg(QString::fromStdString(r->NomeFile)));
    emit NuovoFinito(true);
}

void ComandiAutore::Produzione() {
    form_->NascondiPalette();
    // A workbench of its own: the run stores each rule's settings, which must not become the
    // window's, nor replace the schema on show.
    Banco prod;
    prod.CartellaProgramma = b_.CartellaProgramma;
    prod.imp.GeneraAuto = true;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PercorsoIni(prod), ec)) {
        b_.finestre().Messaggio("File delle regole non trovato", PercorsoIni(prod));
        return;
    }
    LeggiRegoleIni(prod);
    FrmProd w(prod, form_);
    w.ChiudiAllaFine = false;
    w.exec();
}

void ComandiAutore::Libretto() {
    form_->NascondiPalette();
    const QString cartella =
        QFileDialog::getExistingDirectory(form_, QStringLiteral("Cartella degli schemi del libretto"));
    if (cartella.isEmpty()) return;
    bool ok = false;
    const QStringList scelte = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                                QStringLiteral("6")};
    const QString perPagina = QInputDialog::getItem(
        form_, QStringLiteral("Libretto"), QStringLiteral("Schemi per pagina"), scelte, 2, false, &ok);
    if (!ok) return;
    const QString pdf = QFileDialog::getSaveFileName(form_, QStringLiteral("Salva il libretto"),
                                                     cartella + QStringLiteral("/libretto.pdf"),
                                                     QStringLiteral("PDF (*.pdf)"));
    if (pdf.isEmpty()) return;
    OpzioniLibretto o;
    o.PerPagina = perPagina.toInt();
    o.Soluzioni =
        QMessageBox::question(form_, QStringLiteral("Libretto"),
                              QStringLiteral("Aggiungere le soluzioni in fondo?")) == QMessageBox::Yes;
    const EsitoLibretto e = CreaLibretto(cartella, pdf, o);
    if (!e.Errore.isEmpty())
        b_.finestre().Messaggio(e.Errore.toStdString());
    else
        form_->statusBar()->showMessage(QStringLiteral("Libretto scritto: %1 schemi, %2 pagine in %3")
                                            .arg(e.Schemi)
                                            .arg(e.Pagine)
                                            .arg(pdf),
                                        8000);
}

}  // namespace kelvaro::ui
