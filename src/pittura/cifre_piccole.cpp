#include "pittura/cifre_piccole.h"

#include <QFont>
#include <algorithm>

namespace kelvaro::ui {

bool MascheraDaTesto(const std::string& testo, MascheraCifre& maschera) {
    maschera = 0;
    if (testo.empty()) return false;
    for (char ch : testo) {
        if (ch < '1' || ch > '9') return false;
        const MascheraCifre bit = 1u << (ch - '0');
        if (maschera & bit) return false;
        maschera |= bit;
    }
    return true;
}

QRectF RettangoloCifraPiccola(const QRectF& cella, int d) {
    // A margin of a twentieth keeps the digits off the cell's edge and its solver colour border.
    const double mx = cella.width() / 20, my = cella.height() / 20;
    const QRectF dentro = cella.adjusted(mx, my, -mx, -my);
    const double w = dentro.width() / 3, h = dentro.height() / 3;
    const int riga = (d - 1) / 3, colonna = (d - 1) % 3;
    return QRectF(dentro.left() + colonna * w, dentro.top() + riga * h, w, h);
}

void DisegnaCifrePiccole(QPainter& p, const QRectF& cella, MascheraCifre maschera, const QColor& colore) {
    if (maschera == 0 || cella.isEmpty()) return;
    const double slot = std::min(cella.width(), cella.height()) * 0.9 / 3;
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    // The digit's body fills most of its slot: about 12 px in a 9 x 9 cell on a 96 dpi screen.
    f.setPixelSize(std::max(1, static_cast<int>(slot * 0.82 + 0.5)));
    p.save();
    p.setFont(f);
    p.setPen(colore);
    for (int d = 1; d <= 9; ++d) {
        if (!(maschera & (1u << d))) continue;
        p.drawText(RettangoloCifraPiccola(cella, d), Qt::AlignCenter | Qt::TextSingleLine,
                   QString::number(d));
    }
    p.restore();
}

}  // namespace kelvaro::ui
