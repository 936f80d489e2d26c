#pragma once
// The number palette `Frame1`: eleven keys `Label1`(1..11) around the centre label `LabeV`,
// laid out in twips as stored and converted at the screen's resolution.
#include <QFrame>
#include <QLabel>
#include <array>

namespace kelvaro::ui {

// A palette label: keeps its stored caption as text(), paints it trimmed and centred, and
// reports a click.
class TastoLabel : public QLabel {
    Q_OBJECT
public:
    TastoLabel(const QString& didascalia, bool tasto, QWidget* parent);

signals:
    void Premuto();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    bool tasto_;
    bool sopra_ = false;
    bool premuto_ = false;
};

class Palette : public QFrame {
    Q_OBJECT
public:
    explicit Palette(QWidget* parent);

    // Keys 1..9 above the schema size are hidden; "0" and the close key always show.
    void MostraTasti(int n);
    void ImpostaCentro(const QString& didascalia);
    TastoLabel* Tasto(int k) const { return tasti_.at(k - 1); }
    QLabel* Centro() const { return centro_; }

signals:
    // Key index 1..11.
    void TastoPremuto(int k);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::array<TastoLabel*, 11> tasti_{};
    TastoLabel* centro_ = nullptr;
};

}  // namespace kelvaro::ui
