#include "ui/griglia_widget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "display/gioco.h"
#include "display/visualizza.h"
#include "pittura/cifre_piccole.h"
#include "pittura/pittura.h"

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
    setFocusPolicy(Qt::StrongFocus);
    setVisible(false);
}

double GrigliaWidget::Ppx() const {
    return PixelPerTwipX(this) * scala_;
}

double GrigliaWidget::Ppy() const {
    return PixelPerTwipY(this) * scala_;
}

void GrigliaWidget::ImpostaEvidenza(const Evidenza& e) {
    evidenza_ = e;
    update();
}

void GrigliaWidget::ImpostaScala(double scala) {
    scala = std::max(ScalaMinimaGriglia, scala);
    if (scala == scala_) return;
    scala_ = scala;
    setFixedSize(sizeHint());
    update();
}

QSize GrigliaWidget::sizeHint() const {
    return QSize(static_cast<int>(b_.Gr.Width * Ppx() + 0.5), static_cast<int>(b_.Gr.Height * Ppy() + 0.5));
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
    const double px = Ppx(), py = Ppy();
    return QRectF(x * px, y * py, g.ColWidth(j) * px, g.RowHeight(i) * py).toAlignedRect();
}

bool GrigliaWidget::Posizione(const QPointF& punto, int& riga, int& colonna) const {
    return PosizioneDaPunto(b_.Gr, punto.x() / Ppx(), punto.y() / Ppy(), riga, colonna);
}

bool GrigliaWidget::PosizioneModificabile(int riga, int colonna) const {
    if (riga < 1 || colonna < 1 || riga % 2 == 0 || colonna % 2 == 0) return false;
    const int r = (riga + 1) / 2, c = (colonna + 1) / 2;
    const int n = b_.schema.Sizesc;
    if (r > n || c > n) return false;
    return !EDato(b_.schema.tblSchema[r][c]);
}

void GrigliaWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The player's mistakes in red and a hint's cells on a copy: the model keeps the design's
    // colours.
    Griglia vista = GrigliaDaMostrare(b_);
    auto colora = [&](const std::vector<std::pair<int, int>>& celle, long colore) {
        for (const auto& [r, c] : celle)
            if (vista.Contiene(RigaGriglia(r), ColonnaGriglia(c)))
                vista.Cella(RigaGriglia(r), ColonnaGriglia(c)).CellBackColor = colore;
    };
    const Modifica& m = b_.modifica;
    if (m.InGioco) {
        // The digit of the cursor's cell, wherever else it stands: on plain white cells only, so
        // mistakes and a hint's colours keep theirs.
        const int n = b_.schema.Sizesc;
        const int scelta = CifraMostrata(b_, m.RigaCursore, m.ColonnaCursore);
        for (int r = 1; scelta > 0 && r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const int i = RigaGriglia(r), j = ColonnaGriglia(c);
                if (vista.Contiene(i, j) && CifraMostrata(b_, r, c) == scelta &&
                    vista.Cella(i, j).CellBackColor == ColoreBianco)
                    vista.Cella(i, j).CellBackColor = ColoreStessaCifra;
            }
        // A broken sign stays red, marked or not.
        for (const auto& [i, j] : m.SegniUsati)
            if (vista.Contiene(i, j) && vista.Cella(i, j).CellForeColor != ColoreErrore)
                vista.Cella(i, j).CellForeColor = ColoreSegnoUsato;
    }
    colora(evidenza_.Gialle, ColoreDaRgb(255, 240, 150));
    colora(evidenza_.Verdi, ColoreDaRgb(170, 235, 170));
    colora(evidenza_.Rosse, ColoreDaRgb(255, 190, 190));
    DipingiGriglia(p, vista, Ppx(), Ppy());
    if (m.InGioco) {
        const int n = b_.schema.Sizesc;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (m.Note[r][c] && CifraMostrata(b_, r, c) == 0 && kelvaro::CellaModificabile(b_, r, c))
                    DisegnaCifrePiccole(p, RettangoloPosizione(RigaGriglia(r), ColonnaGriglia(c)),
                                        m.Note[r][c], QColor(70, 70, 150));
        // The keyboard cursor: a thick frame, orange while digits go into the notes.
        const QRect cella = RettangoloPosizione(RigaGriglia(m.RigaCursore), ColonnaGriglia(m.ColonnaCursore));
        if (!cella.isEmpty()) {
            p.setRenderHint(QPainter::Antialiasing);
            QPen pen(m.ModoNote ? QColor(230, 130, 0) : QColor(30, 90, 230));
            const double spessore = std::max(2.0, cella.width() * 0.07);
            pen.setWidthF(spessore);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const double d = spessore / 2;
            p.drawRect(QRectF(cella).adjusted(d, d, -d, -d));
            if (m.ModoNote) {
                // A small pencil tip outside the cell's top right corner, in the gap between cells
                // (the signs sit mid-side, never there): the notes mode is on, no note is covered.
                const double lato = std::max(4.0, 240 * Ppx() * 0.6);
                const QPointF punta(cella.right() + spessore * 0.5, cella.top() - spessore * 0.5 + 1);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(230, 130, 0));
                p.drawPolygon(QPolygonF({punta, punta + QPointF(lato, 0), punta + QPointF(0, -lato)}));
            }
        }
    }
    // A soft ring on the editable cell under the pointer: it says "click here to write".
    if (rigaSopra_ >= 0 && PosizioneModificabile(rigaSopra_, colonnaSopra_)) {
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
    if (e->button() == Qt::RightButton && rect().contains(e->position().toPoint())) emit ClickDestro();
}

void GrigliaWidget::keyPressEvent(QKeyEvent* e) {
    if (GestoreTasti && GestoreTasti(e)) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void GrigliaWidget::mouseMoveEvent(QMouseEvent* e) {
    int riga, colonna;
    if (!Posizione(e->position(), riga, colonna)) riga = colonna = -1;
    if (riga == rigaSopra_ && colonna == colonnaSopra_) return;
    rigaSopra_ = riga;
    colonnaSopra_ = colonna;
    // Signs take a click too while playing: it marks them as used.
    const bool segno =
        b_.modifica.InGioco && b_.Gr.Contiene(riga, colonna) && ESegno(b_.Gr.Cella(riga, colonna));
    setCursor(PosizioneModificabile(riga, colonna) || segno ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void GrigliaWidget::leaveEvent(QEvent*) {
    rigaSopra_ = colonnaSopra_ = -1;
    unsetCursor();
    update();
}

}  // namespace kelvaro::ui
