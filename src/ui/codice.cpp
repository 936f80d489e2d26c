#include "ui/codice.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QStatusBar>

#include "files/codice.h"
#include "files/progresso.h"
#include "ui/form1.h"

namespace kelvaro::ui {

ComandiCodice::ComandiCodice(Form1* form) : QObject(form), form_(form), b_(form->banco()) {
    apri_ = new QAction(QStringLiteral("Apri codice..."), form);
    apri_->setObjectName(QStringLiteral("MnuApriCodice"));
    apri_->setToolTip(QStringLiteral("Apre lo schema di un codice di Unequal (5:0,0D,...)"));
    connect(apri_, &QAction::triggered, this, &ComandiCodice::ChiediCodice);
    copia_ = new QAction(QStringLiteral("Copia codice"), form);
    copia_->setObjectName(QStringLiteral("MnuCopiaCodice"));
    copia_->setToolTip(QStringLiteral("Copia negli appunti il codice dello schema, per Unequal"));
    connect(copia_, &QAction::triggered, this, &ComandiCodice::CopiaCodice);

    // Under "Apri..." in the File menu; at its end when the menu has no such entry.
    QMenu* file = form->findChild<QMenu*>(QStringLiteral("MnuFile"));
    if (!file) return;
    const QList<QAction*> voci = file->actions();
    QAction* prima = nullptr;
    for (int k = 0; k + 1 < voci.size(); ++k)
        if (voci[k]->objectName() == QLatin1String("MnuApri")) prima = voci[k + 1];
    file->insertAction(prima, apri_);
    file->insertAction(prima, copia_);
}

void ComandiCodice::ChiediCodice() {
    form_->NascondiPalette();
    bool ok = false;
    const QString codice = QInputDialog::getText(
        form_, QStringLiteral("Apri codice"),
        QStringLiteral("Codice dello schema, come lo mostra Unequal (per esempio 5:0,0D,0,3R,...):"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    ApriCodice(codice);
}

bool ComandiCodice::ApriCodice(const QString& codice) {
    std::string motivo;
    const std::optional<Schema> s = SchemaDaCodice(codice.toStdString(), motivo);
    if (!s) {
        b_.finestre().Messaggio("Impossibile aprire il codice", motivo);
        return false;
    }
    // Only a code that opens puts the hand work on the grid at stake.
    if (!ConfermaAbbandono(b_)) return false;
    // As after "Nuovo": the schema shown with its givens, no moves, no file yet.
    form_->MostraSchemaNonSalvato(*s, "");
    form_->statusBar()->showMessage(QStringLiteral("Schema aperto dal codice (non salvato)"), 8000);
    return true;
}

void ComandiCodice::CopiaCodice() {
    form_->NascondiPalette();
    if (!b_.schema.Caricato) {
        form_->statusBar()->showMessage(QStringLiteral("Nessuno schema da copiare: aprire prima uno schema."),
                                        5000);
        return;
    }
    std::string motivo;
    const std::optional<std::string> codice = ScriviCodice(b_.schema, motivo);
    if (!codice) {
        b_.finestre().Messaggio("Impossibile scrivere il codice dello schema", motivo);
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(*codice));
    form_->statusBar()->showMessage(
        QStringLiteral("Codice copiato negli appunti: %1").arg(QString::fromStdString(*codice)), 8000);
}

}  // namespace kelvaro::ui
