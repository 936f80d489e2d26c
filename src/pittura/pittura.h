#pragma once
// The one painting routine of the display grid, for the screen and for the printer.
#include <QColor>
#include <QPainter>
#include <string>

#include "display/griglia.h"

namespace kelvaro::ui {

// Blank border around the positions, inside the grid control's outer size (twips): the 100 twips
// the outer size adds to the positions, split evenly.
constexpr double MargineGriglia = 50;

// Platform colour (blue-green-red order) to a Qt colour.
QColor ColoreQt(long colore);

// Paints gr with its top-left corner at the painter's origin: background over the outer size,
// every position with its background, text, font and alignment, the signs as drawn arrows.
// pixelPerTwip converts the grid's twips (and its font points, 20 twips each) to device pixels.
void DipingiGriglia(QPainter& p, const Griglia& gr, double pixelPerTwipX, double pixelPerTwipY);

// Position under a point given in twips from the grid's top-left corner; false outside every
// row or column.
bool PosizioneDaPunto(const Griglia& gr, double xTwips, double yTwips, int& riga, int& colonna);

}  // namespace kelvaro::ui
