#include "ui/form8.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace kelvaro::ui {

namespace {

int TwipsPer(const QWidget* w, double twips) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return static_cast<int>(std::lround(twips * (dpi > 0 ? dpi : 96) / 1440.0));
}

}  // namespace

Form8::Form8(QWidget* principale) : QDialog(principale) {
    setObjectName("Form8");
    setWindowTitle("Informzioni su Kelvaro");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    if (principale) setWindowIcon(principale->windowIcon());
    setFixedSize(TwipsPer(this, 7080), TwipsPer(this, 2910));

    Label1 = new QLabel("VERSIONE   1.0", this);
    Label1->setObjectName("Label1");
    Label1->setFont(QFont("Arial", 9));
    Label1->setGeometry(TwipsPer(this, 120), TwipsPer(this, 240), TwipsPer(this, 3375), TwipsPer(this, 255));

    // Below the stored controls, what the program is, with its icon.
    auto* icona = new QLabel(this);
    icona->setObjectName("Icona");
    icona->setGeometry(TwipsPer(this, 120), TwipsPer(this, 900), TwipsPer(this, 720), TwipsPer(this, 720));
    if (principale && !principale->windowIcon().isNull())
        icona->setPixmap(principale->windowIcon().pixmap(icona->size()));
    auto* descrizione =
        new QLabel(QStringLiteral("<b>Kelvaro</b><br>Banco di lavoro per gli schemi Futoshiki:<br>"
                                  "apertura, soluzione spiegata passo per passo, stampa,<br>pubblicazione "
                                  "web e produzione in serie."),
                   this);
    descrizione->setObjectName("Descrizione");
    descrizione->setFont(QFont("Arial", 9));
    descrizione->setGeometry(TwipsPer(this, 1020), TwipsPer(this, 840), TwipsPer(this, 5900),
                             TwipsPer(this, 1400));
    descrizione->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(TwipsPer(this, 6120), TwipsPer(this, 120), TwipsPer(this, 855),
                          TwipsPer(this, 495));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Centra();
}

void Form8::Centra() {
    const QWidget* p = parentWidget();
    if (!p) return;
    const QRect fuori = p->frameGeometry();
    // Own outer size: the client plus the same decorations the main window has.
    const int w = width() + (fuori.width() - p->width());
    const int h = height() + (fuori.height() - p->height());
    move(fuori.x() + (fuori.width() - w) / 2, fuori.y() + (fuori.height() - h) / 2);
}

void Form8::showEvent(QShowEvent* e) {
    Centra();
    QDialog::showEvent(e);
}

}  // namespace kelvaro::ui
