#pragma once
// The main window's grid `Gr`: paints the display grid model of the workbench and reports
// mouse-up (current position) and clicks.
#include <QWidget>

#include "banco.h"

namespace kelvaro::ui {

// Screen conversion: twips to pixels at the screen's resolution.
double PixelPerTwipX(const QWidget* w);
double PixelPerTwipY(const QWidget* w);

class GrigliaWidget : public QWidget {
    Q_OBJECT
public:
    explicit GrigliaWidget(Banco& b, QWidget* parent = nullptr);

    // Follows the model: outer size, visibility, repaint.
    void Aggiorna();
    // Pixel rectangle of the grid position (i, j), in widget coordinates.
    QRect RettangoloPosizione(int i, int j) const;

    QSize sizeHint() const override;

signals:
    // A left click released over the grid (after the current position was set).
    void Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    bool Posizione(const QPointF& punto, int& riga, int& colonna) const;
    bool CellaModificabile(int riga, int colonna) const;

    Banco& b_;
    bool premuto_ = false;
    int rigaSopra_ = -1;
    int colonnaSopra_ = -1;
};

}  // namespace kelvaro::ui
