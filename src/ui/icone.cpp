#include "ui/icone.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kelvaro::ui {

namespace {

const QColor Inchiostro(52, 62, 92);
const QColor Blu(45, 110, 210);
const QColor Verde(40, 150, 80);
const QColor Rosso(200, 60, 55);
const QColor Giallo(240, 190, 70);
const QColor Lavanda(192, 192, 255);

QPen Tratto(const QColor& c, double w = 1.6) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// Everything is drawn on a 24 x 24 design square.
void Apri(QPainter& p) {
    QPainterPath retro;
    retro.moveTo(3, 19);
    retro.lineTo(3, 6);
    retro.lineTo(9, 6);
    retro.lineTo(11, 8);
    retro.lineTo(19, 8);
    retro.lineTo(19, 11);
    p.setPen(Tratto(QColor(170, 120, 30)));
    p.setBrush(QColor(250, 210, 110));
    p.drawPath(retro);
    QPainterPath fronte;
    fronte.moveTo(3, 19);
    fronte.lineTo(6.5, 11);
    fronte.lineTo(22, 11);
    fronte.lineTo(18.5, 19);
    fronte.closeSubpath();
    p.setBrush(Giallo);
    p.drawPath(fronte);
}

void Salva(QPainter& p) {
    QPainterPath corpo;
    corpo.moveTo(4, 4);
    corpo.lineTo(17, 4);
    corpo.lineTo(20, 7);
    corpo.lineTo(20, 20);
    corpo.lineTo(4, 20);
    corpo.closeSubpath();
    p.setPen(Tratto(QColor(30, 70, 150)));
    p.setBrush(Blu);
    p.drawPath(corpo);
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(7, 4, 9, 5.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7, 12.5, 10, 7.5), 1, 1);
    p.setPen(Tratto(QColor(150, 165, 195), 1.2));
    p.drawLine(QPointF(9, 15), QPointF(15, 15));
    p.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
}

// A small board: the subject of the solve commands.
void Tavola(QPainter& p, const QRectF& r) {
    p.setPen(Tratto(QColor(120, 120, 190), 1.2));
    p.setBrush(Lavanda);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double lato = (r.width() - 4) / 2;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            p.drawRect(
                QRectF(r.left() + 1.3 + j * (lato + 1.4), r.top() + 1.3 + i * (lato + 1.4), lato, lato));
}

void Risolvi(QPainter& p) {
    Tavola(p, QRectF(2.5, 2.5, 14, 14));
    p.setPen(Tratto(Qt::white, 5));
    QPainterPath spunta;
    spunta.moveTo(9.5, 15);
    spunta.lineTo(14, 19.5);
    spunta.lineTo(21.5, 9.5);
    p.drawPath(spunta);
    p.setPen(Tratto(Verde, 2.8));
    p.drawPath(spunta);
}

void Mostra(QPainter& p) {
    p.setPen(Tratto(QColor(110, 115, 135), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 2.5, 14, 19), 1.5, 1.5);
    p.setPen(Tratto(QColor(120, 130, 160), 1.4));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(6.5, 7 + k * 3.5), QPointF(14.5 - (k % 2) * 3, 7 + k * 3.5));
    QPainterPath freccia;
    freccia.moveTo(13, 12.5);
    freccia.lineTo(22, 17.5);
    freccia.lineTo(13, 22.5);
    freccia.closeSubpath();
    p.setPen(Tratto(QColor(25, 110, 60), 1.2));
    p.setBrush(Verde);
    p.drawPath(freccia);
}

void FrecciaIndietro(QPainter& p, double dx, double dy, const QColor& c) {
    QPainterPath arco;
    arco.moveTo(6 + dx, 9 + dy);
    arco.lineTo(14 + dx, 9 + dy);
    arco.cubicTo(22 + dx, 9 + dy, 22 + dx, 20 + dy, 14 + dx, 20 + dy);
    arco.lineTo(9 + dx, 20 + dy);
    p.setPen(Tratto(c, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arco);
    QPainterPath punta;
    punta.moveTo(2 + dx, 9 + dy);
    punta.lineTo(8 + dx, 4 + dy);
    punta.lineTo(8 + dx, 14 + dy);
    punta.closeSubpath();
    p.setPen(Tratto(c, 1.0));
    p.setBrush(c);
    p.drawPath(punta);
}

void Undo(QPainter& p) {
    FrecciaIndietro(p, 0, 0, Blu);
}

void UndoAll(QPainter& p) {
    // Start again: a circular arrow round a blank grid, unlike the single step back of "Undo".
    p.setPen(Tratto(QColor(150, 155, 170), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 8, 8, 8));
    p.drawLine(QPointF(12, 8), QPointF(12, 16));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    const QColor arancio(225, 120, 40);
    p.setPen(Tratto(arancio, 2.4));
    p.setBrush(Qt::NoBrush);
    // Qt's angles: sixteenths of a degree, counter-clockwise from three o'clock.
    p.drawArc(QRectF(3, 3, 18, 18), 100 * 16, 290 * 16);
    QPainterPath punta;
    punta.moveTo(10.4, 0.8);
    punta.lineTo(15.6, 3.6);
    punta.lineTo(10.2, 6.8);
    punta.closeSubpath();
    p.setPen(Tratto(arancio, 1.0));
    p.setBrush(arancio);
    p.drawPath(punta);
}

void Stampa(QPainter& p) {
    p.setPen(Tratto(QColor(90, 95, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(QColor(120, 128, 148));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 14, 10, 7.5));
    p.setPen(Tratto(QColor(150, 155, 170), 1.1));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19.2), QPointF(14, 19.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 130));
    p.drawEllipse(QPointF(18.5, 11.3), 1.1, 1.1);
}

void Uscita(QPainter& p) {
    p.setPen(Tratto(QColor(110, 80, 60), 1.3));
    p.setBrush(QColor(190, 140, 95));
    p.drawRect(QRectF(3.5, 2.5, 10, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawEllipse(QPointF(11, 12.5), 1, 1);
    p.setPen(Tratto(Rosso, 2.6));
    p.drawLine(QPointF(12.5, 12), QPointF(21, 12));
    QPainterPath punta;
    punta.moveTo(22, 12);
    punta.lineTo(17.5, 8);
    punta.moveTo(22, 12);
    punta.lineTo(17.5, 16);
    p.drawPath(punta);
}

void Programma(QPainter& p) {
    p.setPen(Tratto(QColor(90, 90, 170), 1.2));
    p.setBrush(Lavanda);
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 6.5, 6.5));
    p.drawRect(QRectF(13.5, 4, 6.5, 6.5));
    p.drawRect(QRectF(4, 13.5, 6.5, 6.5));
    p.drawRect(QRectF(13.5, 13.5, 6.5, 6.5));
    p.setPen(Tratto(Inchiostro, 1.3));
    p.drawLine(QPointF(12.8, 6), QPointF(11.2, 7.25));
    p.drawLine(QPointF(11.2, 7.25), QPointF(12.8, 8.5));
    p.drawLine(QPointF(15.5, 11.2), QPointF(16.75, 12.8));
    p.drawLine(QPointF(16.75, 12.8), QPointF(18, 11.2));
    QFont f("Sans");
    f.setPixelSize(6);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Inchiostro);
    p.drawText(QRectF(4, 4, 6.5, 6.5), Qt::AlignCenter, "3");
    p.setPen(Blu);
    p.drawText(QRectF(13.5, 13.5, 6.5, 6.5), Qt::AlignCenter, "1");
}

// A blank sheet with a green plus: a new schema.
void Nuovo(QPainter& p) {
    QPainterPath foglio;
    foglio.moveTo(5, 3);
    foglio.lineTo(14, 3);
    foglio.lineTo(19, 8);
    foglio.lineTo(19, 21);
    foglio.lineTo(5, 21);
    foglio.closeSubpath();
    p.setPen(Tratto(Inchiostro));
    p.setBrush(Qt::white);
    p.drawPath(foglio);
    p.drawLine(QPointF(14, 3), QPointF(14, 8));
    p.drawLine(QPointF(14, 8), QPointF(19, 8));
    p.setPen(Tratto(Verde, 2.4));
    p.drawLine(QPointF(12, 11), QPointF(12, 18));
    p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
}

using Disegno = void (*)(QPainter&);

class MotoreIcona : public QIconEngine {
public:
    explicit MotoreIcona(Disegno d) : d_(d) {}
    void paint(QPainter* p, const QRect& r, QIcon::Mode modo, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(r.topLeft());
        p->scale(r.width() / 24.0, r.height() / 24.0);
        if (modo == QIcon::Disabled) p->setOpacity(0.35);
        d_(*p);
        p->restore();
    }
    QPixmap pixmap(const QSize& s, QIcon::Mode modo, QIcon::State stato) override {
        QPixmap pm(s);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), s), modo, stato);
        return pm;
    }
    QIconEngine* clone() const override { return new MotoreIcona(d_); }

private:
    Disegno d_;
};

}  // namespace

QIcon IconaToolbar(const QString& chiave) {
    static const struct {
        const char* chiave;
        Disegno disegno;
    } disegni[] = {{"Apri", Apri},     {"Salva", Salva},     {"Risolvi", Risolvi},
                   {"Mostra", Mostra}, {"UndoAll", UndoAll}, {"Undo", Undo},
                   {"Stampa", Stampa}, {"Uscita", Uscita},   {"Nuovo", Nuovo}};
    for (const auto& d : disegni)
        if (chiave == QLatin1String(d.chiave)) return QIcon(new MotoreIcona(d.disegno));
    return {};
}

QIcon IconaDaDisegno(void (*disegno)(QPainter&)) {
    return QIcon(new MotoreIcona(disegno));
}

QIcon IconaProgramma() {
    return QIcon(new MotoreIcona(Programma));
}

}  // namespace kelvaro::ui
