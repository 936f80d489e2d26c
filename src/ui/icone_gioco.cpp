#include "ui/icone_gioco.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/icone.h"

namespace kelvaro::ui {

namespace {

// "Validi": a cell holding its small candidate digits, with a tick.
void DisegnoValidi(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 170), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 17, 17));
    QFont f(QStringLiteral("Sans"));
    f.setPixelSize(5);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 40, 140));
    for (int d = 1; d <= 9; d += 2)
        p.drawText(QRectF(3 + ((d - 1) % 3) * 5.5, 3 + ((d - 1) / 3) * 5.5, 5.5, 5.5), Qt::AlignCenter,
                   QString::number(d));
    QPen spunta(QColor(30, 150, 60), 2.4);
    spunta.setCapStyle(Qt::RoundCap);
    p.setPen(spunta);
    p.drawLine(QPointF(13, 17), QPointF(16.5, 21));
    p.drawLine(QPointF(16.5, 21), QPointF(22, 12.5));
}

// "Ripeti": the undo arrow turned the other way.
void DisegnoRipeti(QPainter& p) {
    QPen pen(QColor(40, 90, 180), 2.4);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath arco;
    arco.moveTo(6, 18);
    arco.cubicTo(3, 10, 10, 5, 18, 9);
    p.drawPath(arco);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 180));
    p.drawPolygon(QPolygonF({QPointF(21, 5), QPointF(21.5, 13.5), QPointF(13.5, 11)}));
}

// "Aiutino": a small lit bulb.
void DisegnoAiutino(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 130, 120));
    p.drawEllipse(QPointF(12, 9.5), 9.5, 9.5);
    p.setPen(QPen(QColor(150, 110, 20), 1.3));
    p.setBrush(QColor(250, 205, 60));
    QPainterPath bulbo;
    bulbo.moveTo(9, 16);
    bulbo.cubicTo(3, 11, 6, 3, 12, 3);
    bulbo.cubicTo(18, 3, 21, 11, 15, 16);
    bulbo.closeSubpath();
    p.drawPath(bulbo);
    p.setPen(QPen(QColor(90, 90, 110), 1.5));
    p.setBrush(QColor(170, 170, 185));
    p.drawRect(QRectF(9, 16.5, 6, 3.2));
    p.drawLine(QPointF(10, 21.5), QPointF(14, 21.5));
}

}  // namespace

QIcon IconaGioco(const QString& chiave) {
    if (chiave == QLatin1String("Validi")) return IconaDaDisegno(DisegnoValidi);
    if (chiave == QLatin1String("Ripeti")) return IconaDaDisegno(DisegnoRipeti);
    if (chiave == QLatin1String("Aiutino")) return IconaDaDisegno(DisegnoAiutino);
    return {};
}

}  // namespace kelvaro::ui
