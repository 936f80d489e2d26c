#include "ui/palette.h"

#include <QEnterEvent>
#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QPainter>

#include "ui/griglia_widget.h"

namespace kelvaro::ui {

namespace {

struct Posto {
    const char* didascalia;
    int left, top, width, height;
};

// Stored layout (twips, relative to the frame): digits clockwise from the top-left corner.
const Posto Posti[11] = {
    {"1", 0, 0, 350, 350},       {"2", 355, 0, 350, 345},      {"3", 720, 0, 345, 345},
    {"4", 1080, 0, 350, 350},    {"5", 1080, 360, 350, 350},   {"6", 1080, 720, 350, 350},
    {"7", 1080, 1080, 350, 350}, {"8", 720, 1080, 350, 350},   {"9", 360, 1080, 350, 350},
    {"0", 0, 1080, 350, 350},    {"     X", 0, 360, 350, 700},
};

const QColor GialloTasto(255, 255, 128);

}  // namespace

TastoLabel::TastoLabel(const QString& didascalia, bool tasto, QWidget* parent)
    : QLabel(didascalia, parent), tasto_(tasto) {
    setAlignment(Qt::AlignCenter);
    QFont f(tasto ? QStringLiteral("MS Sans Serif") : QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9.75);
    f.setBold(true);
    setFont(f);
    if (tasto) setCursor(Qt::PointingHandCursor);
}

void TastoLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (tasto_) {
        QColor fondo = GialloTasto;
        if (premuto_ && sopra_)
            fondo = QColor(235, 225, 90);
        else if (sopra_)
            fondo = QColor(255, 248, 175);
        p.setPen(QPen(QColor(200, 190, 90), 1));
        p.setBrush(fondo);
        p.drawRoundedRect(r, 3, 3);
    } else {
        p.setPen(QPen(QColor(205, 205, 235), 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
    }
    p.setFont(font());
    // The stored captions pad with blanks; the key shows its sign alone, centred.
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, text().trimmed());
}

void TastoLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        premuto_ = true;
        update();
    }
}

void TastoLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = premuto_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premuto_ = false;
    update();
    if (click) emit Premuto();
}

void TastoLabel::enterEvent(QEnterEvent*) {
    sopra_ = true;
    update();
}

void TastoLabel::leaveEvent(QEvent*) {
    sopra_ = false;
    update();
}

Palette::Palette(QWidget* parent) : QFrame(parent) {
    setObjectName("Frame1");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFrameShape(QFrame::NoFrame);
    const double px = PixelPerTwipX(parent), py = PixelPerTwipY(parent);
    auto rettangolo = [&](int l, int t, int w, int h) {
        return QRectF(l * px, t * py, w * px, h * py).toRect();
    };
    setFixedSize(rettangolo(0, 0, 1440, 1440).size());
    for (int k = 1; k <= 11; ++k) {
        const Posto& s = Posti[k - 1];
        auto* t = new TastoLabel(QString::fromLatin1(s.didascalia), true, this);
        t->setObjectName(QStringLiteral("Label1_%1").arg(k));
        t->setGeometry(rettangolo(s.left, s.top, s.width, s.height));
        t->setAccessibleName(k == 10   ? QStringLiteral("Cancella")
                             : k == 11 ? QStringLiteral("Chiudi")
                                       : s.didascalia);
        connect(t, &TastoLabel::Premuto, this, [this, k] { emit TastoPremuto(k); });
        tasti_[k - 1] = t;
    }
    centro_ = new TastoLabel(QString(), false, this);
    centro_->setObjectName("LabeV");
    centro_->setGeometry(rettangolo(360, 360, 700, 700));

    auto* ombra = new QGraphicsDropShadowEffect(this);
    ombra->setBlurRadius(14);
    ombra->setOffset(2, 3);
    ombra->setColor(QColor(40, 40, 90, 110));
    setGraphicsEffect(ombra);
    hide();
}

void Palette::paintEvent(QPaintEvent*) {
    // White card with a fine edge, so it stands out over the white cells.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(150, 150, 200));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Palette::MostraTasti(int n) {
    for (int k = 1; k <= 9; ++k) tasti_[k - 1]->setVisible(k <= n);
    tasti_[9]->setVisible(true);
    tasti_[10]->setVisible(true);
}

void Palette::ImpostaCentro(const QString& didascalia) {
    centro_->setText(didascalia);
}

}  // namespace kelvaro::ui
