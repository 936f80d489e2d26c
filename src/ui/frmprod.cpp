#include "ui/frmprod.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>

#include "files/scrittura.h"

namespace kelvaro::ui {

namespace {

// Messages of an unattended run: a message box when there is a screen to show it on, stderr
// otherwise (a box nobody can close would stop the run for good). Progress goes to stderr only
// without a screen, where the caption cannot be seen.
class FinestreProduzione : public FinestreSenzaSchermo {
public:
    explicit FinestreProduzione(QWidget* w) : w_(w) {}

    static bool SenzaSchermo() {
        const QString p = QGuiApplication::platformName();
        return p == QLatin1String("offscreen") || p == QLatin1String("minimal");
    }
    void Messaggio(const std::string& testo, const std::string& dettaglio) override {
        if (SenzaSchermo()) return FinestreSenzaSchermo::Messaggio(testo, dettaglio);
        QString t = QString::fromStdString(testo);
        if (!dettaglio.empty()) t += QStringLiteral("\n\n") + QString::fromStdString(dettaglio);
        QMessageBox::information(w_, QCoreApplication::applicationName(), t);
    }
    void Avanzamento(const std::string& testo) override {
        if (SenzaSchermo()) FinestreSenzaSchermo::Avanzamento(testo);
    }

private:
    QWidget* w_;
};

}  // namespace

QString TestoDurata(double secondi) {
    const long s = static_cast<long>(secondi + 0.5);
    if (s < 60) return QStringLiteral("%1 s").arg(s);
    if (s < 3600) return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
    return QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s / 60 % 60, 2, 10, QChar('0'));
}

FrmProd::FrmProd(Banco& b, QWidget* parent) : QDialog(parent), b_(b) {
    setObjectName(QStringLiteral("FrmProd"));
    setWindowTitle(QStringLiteral("FRmProd"));
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetNoConstraint);  // the window keeps the size it is given
    regola_ = new QLabel(this);
    regola_->setObjectName(QStringLiteral("LblRegola"));
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("BarraProduzione"));
    barra_->setRange(0, 1);
    barra_->setValue(0);
    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("LblStato"));
    elenco_ = new QListWidget(this);
    elenco_->setObjectName(QStringLiteral("LstScritti"));
    elenco_->setFocusPolicy(Qt::NoFocus);  // Esc must reach the window
    chiudi_ = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi_->setFocusPolicy(Qt::NoFocus);
    chiudi_->setEnabled(false);
    connect(chiudi_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    l->addWidget(regola_);
    l->addWidget(barra_);
    l->addWidget(stato_);
    l->addWidget(elenco_, 1);
    l->addWidget(chiudi_, 0, Qt::AlignRight);
    resize(520, 360);
    finestre_ = std::make_unique<FinestreProduzione>(this);
    b_.ImpostaFinestre(finestre_.get());
    PrimaAttivazione = true;  // the window's load
}

FrmProd::~FrmProd() {
    b_.ImpostaFinestre(nullptr);
}

void FrmProd::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The run starts once the window is up, as on its first activation.
    if (PrimaAttivazione) QMetaObject::invokeMethod(this, &FrmProd::PrimaVolta, Qt::QueuedConnection);
}

void FrmProd::PrimaVolta() {
    if (!PrimaAttivazione) return;
    PrimaAttivazione = false;
    EseguiGeneraAuto();
    if (ChiudiAllaFine) {
        done(QDialog::Accepted);
        return;
    }
    chiudi_->setEnabled(true);
}

void FrmProd::AggiornaStato(int scritti, int totale) {
    barra_->setRange(0, std::max(totale, 1));
    barra_->setValue(scritti);
    const double trascorsi = tempo_.elapsed() / 1000.0;
    QString t = QStringLiteral("Schemi scritti: %1 di %2 - tempo trascorso: %3")
                    .arg(scritti)
                    .arg(totale)
                    .arg(TestoDurata(trascorsi));
    if (scritti > 0 && scritti < totale)
        t += QStringLiteral(" - tempo rimanente stimato: %1")
                 .arg(TestoDurata(trascorsi / scritti * (totale - scritti)));
    stato_->setText(t);
}

void FrmProd::EseguiGeneraAuto() {
    Interrompi = 0;
    inCorso_ = true;
    tempo_.start();
    EventiProduzione eventi;
    AggiornaStato(0, SchemiDaProdurre(b_.conf));
    eventi.Didascalia = [this](const std::string& t) {
        const QString testo = QString::fromStdString(t);
        setWindowTitle(testo);
        const int k = b_.conf.RegolaCorrente;
        const Regola& r = b_.conf.Regole[k];
        QString richiesta;
        if (!r.RICHIEDE.empty())
            richiesta = QStringLiteral(", richiede %1")
                            .arg(QString::fromStdString(NomeRichiesta(*LeggiRichiesta(r.RICHIEDE))));
        regola_->setText(QStringLiteral("Regola %1 di %2: %3x%3 in %4%5")
                             .arg(k)
                             .arg(b_.conf.NumRegole)
                             .arg(r.SIZESC)
                             .arg(QString::fromStdString(CartellaRegola(b_, r.DIR)))
                             .arg(richiesta));
        b_.finestre().Avanzamento(t);
        emit DidascaliaCambiata(testo);
    };
    eventi.Cedi = [this] {
        repaint();
        QCoreApplication::processEvents();
        return Interrompi == 1;
    };
    eventi.Scritto = [this](const SchemaScritto& s, int scritti, int totale) {
        const QString riga =
            QStringLiteral("%1   %2x%2   livello %3   %4 byte")
                .arg(QString::fromStdString(std::filesystem::path(s.File).filename().string()))
                .arg(s.Dimensione)
                .arg(s.Livello)
                .arg(s.Byte);
        elenco_->addItem(riga);
        elenco_->scrollToBottom();
        AggiornaStato(scritti, totale);
        emit SchemaScrittoInElenco(riga);
    };
    esito_ = kelvaro::EseguiGeneraAuto(b_, eventi);
    inCorso_ = false;
    AggiornaStato(esito_.Salvati, esito_.Totale);
    // The summary: on the output of an unattended run, at the end of the list, and as CSV in
    // each folder written.
    const std::string riepilogo = RiepilogoTesto(esito_.Scritti);
    if (ChiudiAllaFine || FinestreProduzione::SenzaSchermo()) std::fputs(riepilogo.c_str(), stdout);
    for (const std::string& f : ScriviRiepiloghi(b_, esito_.Scritti))
        elenco_->addItem(QStringLiteral("Riepilogo: %1").arg(QString::fromStdString(f)));
    if (esito_.Interrotto) stato_->setText(stato_->text() + QStringLiteral(" - interrotto"));
}

void FrmProd::keyPressEvent(QKeyEvent* e) {
    // Esc stops the run; it must not close the dialog by itself as QDialog would.
    if (e->key() == Qt::Key_Escape || e->text() == QString(QChar(27))) {
        if (inCorso_ || PrimaAttivazione) {
            Interrompi = 1;
            e->accept();
            return;
        }
        QDialog::keyPressEvent(e);  // after the run, Esc closes the window
        return;
    }
    e->ignore();
}

void FrmProd::closeEvent(QCloseEvent* e) {
    // Closing the window while it works is taken as Esc: the run ends at the next schema.
    if (inCorso_) {
        Interrompi = 1;
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace kelvaro::ui
