#pragma once
// Small digits in a 3 x 3 layout inside one cell, as on a phone keypad: digit d at row (d-1)/3,
// column (d-1)%3. The solver's candidates and the player's notes are drawn the same way, so a
// digit is always found at the same spot of the cell.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <string>

namespace kelvaro::ui {

// Bit d (1..9) set for each digit to draw.
using MascheraCifre = unsigned;

// Digits of a text such as "1245" as a mask; false unless the text is only digits 1..9, each
// at most once (so that a placed value, a sign or any other text is never taken for candidates).
bool MascheraDaTesto(const std::string& testo, MascheraCifre& maschera);

// Rectangle of digit d's slot inside the cell (the 3 x 3 layout, a thin margin inside the edge).
QRectF RettangoloCifraPiccola(const QRectF& cella, int d);

// Draws the digits of maschera, each centred in its slot, in colore, sized to the cell: readable
// at 9 x 9 on the screen and on paper alike.
void DisegnaCifrePiccole(QPainter& p, const QRectF& cella, MascheraCifre maschera, const QColor& colore);

}  // namespace kelvaro::ui
