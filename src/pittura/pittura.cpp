#include "pittura/pittura.h"

#include <QFont>
#include <QPainterPath>
#include <QPen>

#include "display/visualizza.h"
#include "pittura/cifre_piccole.h"

namespace kelvaro::ui {

namespace {

const QColor ColoreBordo(128, 128, 200);       // outline of the board
const QColor ColoreBordoCella(150, 150, 215);  // thin edge of a white cell

// A chevron pointing at the smaller cell: "<" and ">" between columns, "∧" and "∨" between rows.
void DipingiSegno(QPainter& p, const QRectF& r, const CellaGriglia& c, double pptX, double pptY) {
    const auto codice = static_cast<unsigned char>(c.Testo[0]);
    // Sized by the position's font: 12 pt gives arms about 150 twips long.
    const double scala = c.FontSize / 12.0;
    const double mezzaL = 75 * scala * pptX;   // half depth along the pointing direction
    const double mezzaA = 110 * scala * pptY;  // half spread across it
    const QPointF o = r.center();
    QPainterPath path;
    switch (codice) {
        case SegnoMinDes:  // "<": points at the left cell
            path.moveTo(o.x() + mezzaL, o.y() - mezzaA);
            path.lineTo(o.x() - mezzaL, o.y());
            path.lineTo(o.x() + mezzaL, o.y() + mezzaA);
            break;
        case SegnoMagDes:  // ">": points at the right cell
            path.moveTo(o.x() - mezzaL, o.y() - mezzaA);
            path.lineTo(o.x() + mezzaL, o.y());
            path.lineTo(o.x() - mezzaL, o.y() + mezzaA);
            break;
        case SegnoMinGiu: {  // "∧": points at the upper cell
            const double dx = mezzaA * pptX / pptY, dy = mezzaL * pptY / pptX;
            path.moveTo(o.x() - dx, o.y() + dy);
            path.lineTo(o.x(), o.y() - dy);
            path.lineTo(o.x() + dx, o.y() + dy);
            break;
        }
        default: {  // "∨": points at the lower cell
            const double dx = mezzaA * pptX / pptY, dy = mezzaL * pptY / pptX;
            path.moveTo(o.x() - dx, o.y() - dy);
            path.lineTo(o.x(), o.y() + dy);
            path.lineTo(o.x() + dx, o.y() - dy);
            break;
        }
    }
    QPen pen(ColoreQt(c.CellForeColor));
    pen.setWidthF(std::max(1.5, 28 * scala * pptX));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void DipingiTesto(QPainter& p, const QRectF& r, const CellaGriglia& c, double pptY) {
    const QString testo = QString::fromStdString(c.Testo);
    QFont f(QString::fromStdString(c.FontName));
    f.setStyleHint(QFont::SansSerif);
    // Points are 20 twips: the same size on the screen and on paper.
    f.setPixelSize(std::max(1, static_cast<int>(c.FontSize * 20 * pptY + 0.5)));
    p.setFont(f);
    p.setPen(ColoreQt(c.CellForeColor));
    int allinea = Qt::AlignVCenter;
    switch (c.CellAlignment) {
        case Allineamento::CentroCentro:
            allinea |= Qt::AlignHCenter;
            break;
        case Allineamento::SinistraCentro:
            allinea |= Qt::AlignLeft;
            break;
        case Allineamento::Generale: {
            bool numero = false;
            testo.trimmed().toDouble(&numero);
            allinea |= numero ? Qt::AlignRight : Qt::AlignLeft;
            break;
        }
    }
    p.drawText(r, allinea | Qt::TextSingleLine, testo);
}

// A frame drawn just inside r, `spessore` device pixels wide.
void RiquadroInterno(QPainter& p, const QRectF& r, const QColor& colore, double spessore) {
    QPen pen(colore);
    pen.setWidthF(spessore);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double m = spessore / 2;
    p.drawRect(r.adjusted(m, m, -m, -m));
}

}  // namespace

QColor ColoreQt(long colore) {
    return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                  static_cast<int>((colore >> 16) & 0xFF));
}

void DipingiGriglia(QPainter& p, const Griglia& gr, double pptX, double pptY) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF esterno(0, 0, gr.Width * pptX, gr.Height * pptY);
    p.fillRect(esterno, ColoreQt(ColoreLavanda));

    // Column and row edges in device pixels, from cumulative twips so nothing drifts.
    std::vector<double> xs(gr.Cols() + 1), ys(gr.Rows() + 1);
    double t = MargineGriglia;
    for (int j = 0; j < gr.Cols(); ++j) {
        xs[j] = t * pptX;
        t += gr.ColWidth(j);
    }
    xs[gr.Cols()] = t * pptX;
    t = MargineGriglia;
    for (int i = 0; i < gr.Rows(); ++i) {
        ys[i] = t * pptY;
        t += gr.RowHeight(i);
    }
    ys[gr.Rows()] = t * pptY;

    for (int i = 0; i < gr.Rows(); ++i) {
        if (gr.RowHeight(i) <= 0) continue;
        for (int j = 0; j < gr.Cols(); ++j) {
            if (gr.ColWidth(j) <= 0) continue;
            const QRectF r(QPointF(xs[j], ys[i]), QPointF(xs[j + 1], ys[i + 1]));
            const CellaGriglia& c = gr.Cella(i, j);
            const QColor sfondo = ColoreQt(c.CellBackColor);
            p.fillRect(r, sfondo);
            // Cells (the white positions and the solver's coloured ones) get a fine edge.
            if (c.CellBackColor != ColoreLavanda)
                RiquadroInterno(p, r, ColoreBordoCella, std::max(1.0, 12 * pptX));
            if (c.Testo.empty()) continue;
            MascheraCifre candidati = 0;
            if (ESegno(c))
                DipingiSegno(p, r, c, pptX, pptY);
            else if (c.FontSize < 16 && MascheraDaTesto(c.Testo, candidati))
                // Candidates (a cell not yet decided): the 3 x 3 layout of small digits.
                DisegnaCifrePiccole(p, r, candidati, ColoreQt(c.CellForeColor));
            else
                DipingiTesto(p, r, c, pptY);
        }
    }

    RiquadroInterno(p, esterno, ColoreBordo, std::max(1.0, 15 * pptX));
    p.restore();
}

bool PosizioneDaPunto(const Griglia& gr, double x, double y, int& riga, int& colonna) {
    riga = colonna = -1;
    double t = MargineGriglia;
    for (int i = 0; i < gr.Rows(); ++i) {
        if (y >= t && y < t + gr.RowHeight(i)) riga = i;
        t += gr.RowHeight(i);
    }
    t = MargineGriglia;
    for (int j = 0; j < gr.Cols(); ++j) {
        if (x >= t && x < t + gr.ColWidth(j)) colonna = j;
        t += gr.ColWidth(j);
    }
    return riga >= 0 && colonna >= 0;
}

}  // namespace kelvaro::ui
