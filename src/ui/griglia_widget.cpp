#include "ui/griglia_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "display/visualizza.h"
#include "ui/pittura.h"

namespace kelvaro::ui {

namespace {

QScreen* SchermoDi(const QWidget* w) {
    QScreen* s = w ? w->screen() : nullptr;
    return s ? s : QGuiApplication::primaryScreen();
}

}  // namespace

double PixelPerTwipX(const QWidget* w) {
    const QScreen* s = SchermoDi(w);
    return (s ? s->logicalDotsPerInchX() : 96.0) / 1440.0;
}

double PixelPerTwipY(const QWidget* w) {
    const QScreen* s = SchermoDi(w);
    return (s ? s->logicalDotsPerInchY() : 96.0) / 1440.0;
}

GrigliaWidget::GrigliaWidget(Banco& b, QWidget* parent) : QWidget(parent), b_(b) {
    setObjectName("Gr");
    setAccessibleName(QStringLiteral("Schema"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setVisible(false);
}

QSize GrigliaWidget::sizeHint() const {
    return QSize(static_cast<int>(b_.Gr.Width * PixelPerTwipX(this) + 0.5),
                 static_cast<int>(b_.Gr.Height * PixelPerTwipY(this) + 0.5));
}

void GrigliaWidget::Aggiorna() {
    setFixedSize(sizeHint());
    setVisible(b_.Gr.Visible);
    update();
}

QRect GrigliaWidget::RettangoloPosizione(int i, int j) const {
    const Griglia& g = b_.Gr;
    if (!g.Contiene(i, j)) return {};
    double x = MargineGriglia, y = MargineGriglia;
    for (int k = 0; k < j; ++k) x += g.ColWidth(k);
    for (int k = 0; k < i; ++k) y += g.RowHeight(k);
    const double px = PixelPerTwipX(this), py = PixelPerTwipY(this);
    return QRectF(x * px, y * py, g.ColWidth(j) * px, g.RowHeight(i) * py).toAlignedRect();
}

bool GrigliaWidget::Posizione(const QPointF& punto, int& riga, int& colonna) const {
    return PosizioneDaPunto(b_.Gr, punto.x() / PixelPerTwipX(this), punto.y() / PixelPerTwipY(this), riga,
                            colonna);
}

bool GrigliaWidget::CellaModificabile(int riga, int colonna) const {
    if (riga < 1 || colonna < 1 || riga % 2 == 0 || colonna % 2 == 0) return false;
    const int r = (riga + 1) / 2, c = (colonna + 1) / 2;
    const int n = b_.schema.Sizesc;
    if (r > n || c > n) return false;
    return b_.schema.tblSchema[r][c] == "0";
}

void GrigliaWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DipingiGriglia(p, b_.Gr, PixelPerTwipX(this), PixelPerTwipY(this));
    // A soft ring on the editable cell under the pointer: it says "click here to write".
    if (rigaSopra_ >= 0 && CellaModificabile(rigaSopra_, colonnaSopra_)) {
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor(70, 110, 220, 170));
        pen.setWidthF(2.0);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(RettangoloPosizione(rigaSopra_, colonnaSopra_)).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void GrigliaWidget::mousePressEvent(QMouseEvent* e) {
    premuto_ = e->button() == Qt::LeftButton;
}

void GrigliaWidget::mouseReleaseEvent(QMouseEvent* e) {
    int riga, colonna;
    // Any button: the position under the pointer becomes the current one.
    if (Posizione(e->position(), riga, colonna)) {
        b_.Gr.Row = riga;
        b_.Gr.Col = colonna;
    }
    const bool click = premuto_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premuto_ = false;
    if (click) emit Click();
}

void GrigliaWidget::mouseMoveEvent(QMouseEvent* e) {
    int riga, colonna;
    if (!Posizione(e->position(), riga, colonna)) riga = colonna = -1;
    if (riga == rigaSopra_ && colonna == colonnaSopra_) return;
    rigaSopra_ = riga;
    colonnaSopra_ = colonna;
    setCursor(CellaModificabile(riga, colonna) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void GrigliaWidget::leaveEvent(QEvent*) {
    rigaSopra_ = colonnaSopra_ = -1;
    unsetCursor();
    update();
}

}  // namespace kelvaro::ui
