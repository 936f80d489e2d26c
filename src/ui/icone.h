#pragma once
// Toolbar pictures and the window icon, drawn as vectors so they stay sharp at every size.
#include <QIcon>
#include <QString>

class QPainter;

namespace kelvaro::ui {

// The picture of an image-list key ("Apri", "Salva", "Risolvi", "Mostra", "UndoAll", "Undo",
// "Stampa", "Uscita"); an empty icon for other keys.
QIcon IconaToolbar(const QString& chiave);
// An icon drawn by disegno on a 24 x 24 canvas, sharp at every size.
QIcon IconaDaDisegno(void (*disegno)(QPainter&));
// The program's icon: a small board with a sign; the secondary windows take it from Form1.
QIcon IconaProgramma();

}  // namespace kelvaro::ui
