#pragma once
// "Livelli e dimensioni": six lists and three check boxes over the public settings; OK stores
// them, any other way of closing stores nothing.
#include <QDialog>

#include "banco.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace kelvaro::ui {

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(Banco& b, QWidget* parent = nullptr);

    QComboBox* cmbSizeSc = nullptr;
    QComboBox* cmbCelleIniziali = nullptr;
    QComboBox* cmbMaxCercaVincoli = nullptr;
    QComboBox* CmbCiclo1 = nullptr;
    QComboBox* cmbCiclo2 = nullptr;
    QComboBox* cmbSoglia = nullptr;
    QCheckBox* ChKOutputSchema = nullptr;
    QCheckBox* chkMult = nullptr;
    QCheckBox* ChkSwf = nullptr;
    QPushButton* CmdOk = nullptr;

public slots:
    void CmdOk_Click();

private:
    void InizializzaCmbSizesc();
    void InizializzaCelleIniziali();
    void InizializzaMaxcercavincoli();
    void InizializzaCiclo1();
    void InizializzaCiclo2();
    void InizializzaSoglia();

    Banco& b_;
};

// Fills a list with the items in order and selects the one whose value is `valore`, else the first.
void RiempiLista(QComboBox* lista, const QStringList& voci, int valore);
// The number a list shows, rounded to the nearest whole number and kept within a Byte.
int ValoreLista(const QComboBox* lista);

}  // namespace kelvaro::ui
