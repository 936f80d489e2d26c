#include "ui/frmprod.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "production/produzione.h"

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

FrmProd::FrmProd(Banco& b, QWidget* parent) : QDialog(parent), b_(b) {
    setObjectName(QStringLiteral("FrmProd"));
    setWindowTitle(QStringLiteral("FRmProd"));
    resize(420, 60);
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
    done(QDialog::Accepted);
}

void FrmProd::EseguiGeneraAuto() {
    Interrompi = 0;
    inCorso_ = true;
    EventiProduzione eventi;
    eventi.Didascalia = [this](const std::string& t) {
        const QString testo = QString::fromStdString(t);
        setWindowTitle(testo);
        b_.finestre().Avanzamento(t);
        emit DidascaliaCambiata(testo);
    };
    eventi.Cedi = [this] {
        repaint();
        QCoreApplication::processEvents();
        return Interrompi == 1;
    };
    kelvaro::EseguiGeneraAuto(b_, eventi);
    inCorso_ = false;
}

void FrmProd::keyPressEvent(QKeyEvent* e) {
    // Esc stops the run; it must not close the dialog by itself as QDialog would.
    if (e->key() == Qt::Key_Escape || e->text() == QString(QChar(27))) {
        Interrompi = 1;
        e->accept();
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
