#pragma once
// "Log soluzione": the window in which the step-by-step solve shows each step's sentences and
// waits for the user. A fresh window for every showing: empty log, all three buttons, stored
// layout, then the placement PosizionaFormLog computed beside the main window.
#include <QDialog>
#include <QPushButton>
#include <QRect>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;
class QGroupBox;

namespace kelvaro {
class LogSoluzione;
class Griglia;
}  // namespace kelvaro

namespace kelvaro::ui {

// Where the log window and its parts go (pixels); computed by PosizionaFormLog.
struct PosizioneFormLog {
    bool Valida = false;
    QPoint Angolo;          // outer top-left corner of the window, screen coordinates
    int AltezzaClient = 0;  // client height: the same outer height as the main window
    int GmTop = 0;          // Gm level with the main grid
    int GmAltezza = 0;
};

// The lines one step wrote, kept so that the window can show the steps before the current one.
struct RighePasso {
    int Passo = 0;
    std::vector<std::string> Righe;
};

// Where the solve stands when the window shows.
struct AvanzamentoLog {
    int Passo = 0;   // steps carried out so far
    int Totale = 0;  // steps of the whole solve, 0 while not known
    const std::vector<RighePasso>* Precedenti = nullptr;
};

// "Passo k di n", or "Passo k" while the total is not known (or the solve went past it).
QString TestoPasso(int passo, int totale);

// A push button that draws its small picture above the caption, as the log buttons are laid out.
class PulsanteFigura : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    // Fills the log grid with the lines (row 0 stays the hidden header) and, for this showing,
    // hides "Aggiorna situazione" when asked.
    void CaricaLog(const LogSoluzione& log, bool nascondiAggiorna);
    // The step counter and the list of the earlier steps' lines (the most recent in view).
    void CaricaAvanzamento(const AvanzamentoLog& av);
    // Moves and sizes the window and its grid as PosizionaFormLog decided.
    void Posiziona(const PosizioneFormLog& pos);
    // The button's answer: 1 continue, 2 interrupt, 3 update; 0 while none was pressed.
    int Comando() const { return comando_; }
    // "Fino alla fine" was pressed: the answer is 1 and the solve goes on without pauses.
    bool FinoAllaFine() const { return finoAllaFine_; }

    // Creates the window, shows it modally and returns ComandoLog. Closing it without a button
    // counts as continue (1): the solver treats it like "Continua log". finoAllaFine, when
    // given, tells whether the user asked to run to the end.
    static int Mostra(QWidget* principale, const LogSoluzione& log, bool nascondiAggiorna,
                      const PosizioneFormLog& pos, const AvanzamentoLog& av = {},
                      bool* finoAllaFine = nullptr);

    QTableWidget* Gm = nullptr;
    QGroupBox* FrmMess = nullptr;
    QPushButton* CmdContinuaLog = nullptr;
    QPushButton* CmdAggiorna = nullptr;
    QPushButton* CmdInterrompi = nullptr;
    // Beside the log: the earlier steps, and under them the counter and the run-to-end button.
    QTableWidget* LstPrecedenti = nullptr;
    QGroupBox* FrmFine = nullptr;
    QLabel* LblPasso = nullptr;
    QPushButton* CmdFine = nullptr;

private:
    void Rispondi(int comando);
    int Twips(double twips) const;

    int comando_ = 0;
    bool finoAllaFine_ = false;
};

// Places the main window at the left edge of its screen and returns where the log window goes:
// beside the main window (left = main width + 10 twips), same top and height, with Gm level with
// the grid widget grigliaGr and the buttons' frame 1 mm under Gm. Makes (0, 0) the current
// position of Gr when given.
PosizioneFormLog PosizionaFormLog(QWidget& principale, const QWidget* grigliaGr, Griglia* Gr = nullptr);

}  // namespace kelvaro::ui
