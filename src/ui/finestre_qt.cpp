#include "ui/finestre_qt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "display/soluzione_banco.h"
#include "model/casuale.h"
#include "solver/risolvi.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"

namespace kelvaro::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Italian captions on the standard buttons (no Qt translation is shipped with the program).
void Italiano(QMessageBox& m) {
    if (auto* b = m.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Sì"));
    if (auto* b = m.button(QMessageBox::No)) b->setText(QStringLiteral("&No"));
    if (auto* b = m.button(QMessageBox::Cancel)) b->setText(QStringLiteral("&Annulla"));
    if (auto* b = m.button(QMessageBox::Ok)) b->setText(QStringLiteral("OK"));
}

std::string Percorso(const QString& s) {
    return QFile::encodeName(s).toStdString();
}

}  // namespace

FinestreQt::FinestreQt(Form1& form) : form_(form) {}

QString FinestreQt::FiltroFile() {
    return QStringLiteral("File Futoshiki (*.txt *.xml *.TXT *.XML)");
}

void FinestreQt::Messaggio(const std::string& testo, const std::string& dettaglio) {
    QMessageBox m(QMessageBox::Information, QStringLiteral("Kelvaro"), Q(testo), QMessageBox::Ok, &form_);
    if (!dettaglio.empty()) m.setInformativeText(Q(dettaglio));
    Italiano(m);
    m.exec();
}

int FinestreQt::ChiediSiNo(const std::string& testo) {
    QMessageBox m(QMessageBox::Question, QStringLiteral("Kelvaro"), Q(testo),
                  QMessageBox::Yes | QMessageBox::No, &form_);
    Italiano(m);
    return m.exec() == QMessageBox::Yes ? RispostaSi : RispostaNo;
}

int FinestreQt::ChiediSiNoAnnulla(const std::string& testo) {
    QMessageBox m(QMessageBox::Question, QStringLiteral("Kelvaro"), Q(testo),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &form_);
    Italiano(m);
    switch (m.exec()) {
        case QMessageBox::Yes:
            return RispostaSi;
        case QMessageBox::No:
            return RispostaNo;
        default:
            return RispostaAnnulla;
    }
}

QString FinestreQt::CartellaIniziale() const {
    if (!ultimaCartella_.isEmpty()) return ultimaCartella_;
    const QString schemi = Q(form_.banco().CartellaProgramma) + QStringLiteral("/schemixwebsite");
    return QDir(schemi).exists() ? schemi : Q(form_.banco().CartellaProgramma);
}

void FinestreQt::RicordaCartella(const QString& file) {
    ultimaCartella_ = QFileInfo(file).absolutePath();
}

std::string FinestreQt::Apri() {
    const QString f =
        QFileDialog::getOpenFileName(&form_, QStringLiteral("Apri schema"), CartellaIniziale(), FiltroFile());
    if (f.isEmpty()) return "";
    RicordaCartella(f);
    return Percorso(f);
}

std::string FinestreQt::Salva(const std::string& nomeProposto) {
    // Qt's save dialog asks before overwriting an existing file.
    const QString proposta = QDir(CartellaIniziale()).filePath(QFileInfo(Q(nomeProposto)).fileName());
    const QString f =
        QFileDialog::getSaveFileName(&form_, QStringLiteral("Salva schema"), proposta, FiltroFile());
    if (f.isEmpty()) return "";
    RicordaCartella(f);
    return Percorso(f);
}

int ContaPassiSoluzione(const Banco& b) {
    Banco prova;
    prova.schema = b.schema;
    prova.imp = b.imp;
    prova.ris.MaxLivello = b.ris.MaxLivello;
    prova.ris.LimitePassi = b.ris.LimitePassi;
    prova.ris.MostraLog = false;
    prova.storia.RegistraStoria = false;
    // The same draws as the solve it counts for.
    prova.ris.Sequenza = b.ris.Sequenza;
    const uint32_t stato = StatoCasuale();
    RisolviSchema(prova);
    RipristinaCasuale(stato);
    return prova.ris.PassoCorrente;
}

void FinestreQt::IniziaLog() {
    precedenti_.clear();
    finoAllaFine_ = false;
    totalePassi_ = ContaPassiSoluzione(form_.banco());
}

int FinestreQt::MostraFinestraLog(const LogSoluzione& log, bool nascondiAggiorna) {
    const Risolutore& ris = form_.banco().ris;
    // The first showing of every solve comes before its first step.
    if (ris.PassoCorrente == 0) IniziaLog();
    if (finoAllaFine_) return 1;

    // The step's colours are in the grid model: on screen before the window waits.
    if (GrigliaWidget* g = form_.Griglia()) g->repaint();
    bool fine = false;
    const int comando = Form3::Mostra(&form_, log, nascondiAggiorna, posizioneLog_,
                                      AvanzamentoLog{ris.PassoCorrente, totalePassi_, &precedenti_}, &fine);
    // A step's own showing (the pauses on "Situazione aggiornata" carry no step).
    if (!nascondiAggiorna) precedenti_.push_back(RighePasso{ris.PassoCorrente, log.Righe()});
    finoAllaFine_ = fine;
    return comando;
}

void FinestreQt::PosizionaFormLog() {
    posizioneLog_ = ui::PosizionaFormLog(form_, form_.Griglia(), &form_.banco().Gr);
}

int FinestreQt::LeftPrincipale() {
    return static_cast<int>(form_.x() / PixelPerTwipX(&form_) + 0.5);
}

void FinestreQt::SpostaPrincipale(int left) {
    form_.move(static_cast<int>(left * PixelPerTwipX(&form_) + 0.5), form_.y());
}

void FinestreQt::AggiornaGriglia() {
    form_.AggiornaGriglia();
}

void FinestreQt::Stato(const std::string& testo) {
    form_.statusBar()->showMessage(Q(testo), 15000);
}

}  // namespace kelvaro::ui
