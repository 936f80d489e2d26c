#pragma once
// FrmProd: the batch production window of "/prod". No controls: its caption shows the progress,
// Esc stops the run at the next schema. The loop itself is the core's EseguiGeneraAuto.
#include <QDialog>
#include <memory>

#include "banco.h"
#include "display/finestre.h"

namespace kelvaro::ui {

class FrmProd : public QDialog {
    Q_OBJECT
public:
    explicit FrmProd(Banco& b, QWidget* parent = nullptr);
    ~FrmProd() override;

    bool PrimaAttivazione = true;
    int Interrompi = 0;

    // The production loop: one caption, one repaint and one round of pending events per schema.
    void EseguiGeneraAuto();

signals:
    // Every progress caption, in order (the window's title follows it).
    void DidascaliaCambiata(const QString& testo);

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void PrimaVolta();

    Banco& b_;
    std::unique_ptr<Finestre> finestre_;
    bool inCorso_ = false;
};

}  // namespace kelvaro::ui
