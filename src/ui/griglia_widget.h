#pragma once
// The main window's grid `Gr`: paints the display grid model of the workbench and reports
// mouse-up (current position) and clicks.
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "banco.h"

namespace kelvaro::ui {

// The smallest scale of the grid: a 670-twip cell is still about 25 pixels, its digit legible.
constexpr double ScalaMinimaGriglia = 0.55;

// While playing: the background of the cells showing the cursor's digit, and the colour of a
// sign marked as used.
inline const long ColoreStessaCifra = ColoreDaRgb(214, 228, 255);
inline const long ColoreSegnoUsato = ColoreDaRgb(140, 140, 210);

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

    // Growth over the stored size when the window is made larger (1 = the stored size), or
    // shrinking, down to ScalaMinimaGriglia, when it is made smaller.
    void ImpostaScala(double scala);
    double Scala() const { return scala_; }
    // Device pixels per twip at the current scale.
    double Ppx() const;
    double Ppy() const;

    // Cells shown in a hint's colours until the next call: the step's own cells (green), those
    // losing candidates (yellow), wrong ones (red). Cell coordinates 1..N.
    struct Evidenza {
        std::vector<std::pair<int, int>> Verdi, Gialle, Rosse;
        bool Vuota() const { return Verdi.empty() && Gialle.empty() && Rosse.empty(); }
    };
    void ImpostaEvidenza(const Evidenza& e);
    const Evidenza& EvidenzaAttuale() const { return evidenza_; }

    // Keys pressed on the grid go here first; true = handled.
    std::function<bool(QKeyEvent*)> GestoreTasti;

signals:
    // A left click released over the grid (after the current position was set).
    void Click();
    // A right click released over the grid (after the current position was set).
    void ClickDestro();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool Posizione(const QPointF& punto, int& riga, int& colonna) const;
    bool PosizioneModificabile(int riga, int colonna) const;

    Banco& b_;
    bool premuto_ = false;
    int rigaSopra_ = -1;
    int colonnaSopra_ = -1;
    double scala_ = 1.0;
    Evidenza evidenza_;
};

}  // namespace kelvaro::ui
