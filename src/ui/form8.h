#pragma once
// "Informzioni su Kelvaro": the About window, centred over the main window.
#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvaro::ui {

class Form8 : public QDialog {
    Q_OBJECT
public:
    explicit Form8(QWidget* principale = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Centra();
};

}  // namespace kelvaro::ui
