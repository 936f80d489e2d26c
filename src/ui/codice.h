#pragma once
// Puzzle codes in the window: "Apri codice..." opens the schema of a code pasted in (one of
// Unequal's game IDs), "Copia codice" puts the current schema's code on the clipboard. Both sit
// in the "File" menu, under "Apri...".
#include <QObject>
#include <QString>

#include "banco.h"

class QAction;

namespace kelvaro::ui {

class Form1;

class ComandiCodice : public QObject {
    Q_OBJECT
public:
    explicit ComandiCodice(Form1* form);

    QAction* AzioneApriCodice() const { return apri_; }
    QAction* AzioneCopiaCodice() const { return copia_; }

public slots:
    // Asks for the code, then opens it.
    void ChiediCodice();
    // Opens the schema of a code, unsaved, as "Nuovo" shows a new one. A code that is not well
    // formed, or has no solution or more than one, changes nothing and says why. True when the
    // schema is in the window.
    bool ApriCodice(const QString& codice);
    void CopiaCodice();

private:
    Form1* form_;
    Banco& b_;
    QAction* apri_ = nullptr;
    QAction* copia_ = nullptr;
};

}  // namespace kelvaro::ui
