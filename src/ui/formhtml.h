#pragma once
// FormHTML: the publishing dialog. Picks the page and index templates of template/ and starts
// the three publishing operations of the core by hand.
#include <QDialog>
#include <string>

#include "banco.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kelvaro::ui {

class FormHTML : public QDialog {
    Q_OBJECT
public:
    explicit FormHTML(Banco& b, QWidget* padre = nullptr);

    // Fills lista with the template names holding tipo, without the extensions in escludi, and
    // selects attuale (compared with the upper-case name) or else the first entry.
    void CaricaLista(QListWidget* lista, const std::string& tipo, const std::string& attuale,
                     const std::string& escludi);

    QListWidget* LstSche;
    QListWidget* LstInd;
    QPushButton* cmdGeneraKelvaro;
    QPushButton* cmdGenerahtml;
    QPushButton* CmdStringi;
    QPushButton* cmdChiudi;
    QLabel* lblStato;

public slots:
    void cmdGeneraKelvaro_Click();
    void cmdGenerahtml_Click();
    void CmdStringi_Click();

private:
    void Stato(const QString& testo, bool riuscito);
    Banco& b_;
};

// Shows the dialog modally over padre; returns when it is closed.
int MostraFormHTML(QWidget* padre, Banco& b);

}  // namespace kelvaro::ui
