#pragma once
// FrmProd: the batch production window of "/prod" (and of the main window's "Produzione"). Its
// caption shows the progress as designed; below it a progress bar, the schemas written of the
// total with the elapsed time and an estimate of what is left, the current rule, and the list of
// the files written. Esc stops the run at the next schema. The loop itself is the core's
// EseguiGeneraAuto.
#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "banco.h"
#include "display/finestre.h"
#include "production/produzione.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace kelvaro::ui {

class FrmProd : public QDialog {
    Q_OBJECT
public:
    explicit FrmProd(Banco& b, QWidget* parent = nullptr);
    ~FrmProd() override;

    bool PrimaAttivazione = true;
    int Interrompi = 0;
    // "/prod" closes the window when the run ends; from the main window it stays open, with
    // the summary, until the user closes it.
    bool ChiudiAllaFine = true;

    // The production loop: one caption, one repaint and one round of pending events per schema.
    void EseguiGeneraAuto();

    const EsitoProduzione& Esito() const { return esito_; }
    QProgressBar* Barra() const { return barra_; }
    QListWidget* Elenco() const { return elenco_; }
    QLabel* Stato() const { return stato_; }
    QLabel* RegolaInCorso() const { return regola_; }

signals:
    // Every progress caption, in order (the window's title follows it).
    void DidascaliaCambiata(const QString& testo);
    // A schema file has been written (the list has its line).
    void SchemaScrittoInElenco(const QString& riga);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void PrimaVolta();
    void AggiornaStato(int scritti, int totale);

    Banco& b_;
    std::unique_ptr<Finestre> finestre_;
    bool inCorso_ = false;
    EsitoProduzione esito_;
    QElapsedTimer tempo_;
    QProgressBar* barra_;
    QLabel* regola_;
    QLabel* stato_;
    QListWidget* elenco_;
    QPushButton* chiudi_;
};

// Testo of a duration for the window: "42 s", "3 min 05 s", "1 h 02 min".
QString TestoDurata(double secondi);

}  // namespace kelvaro::ui
