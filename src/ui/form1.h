#pragma once
// The main window: toolbar, menus, the grid, the number palette and the status bar. It drives
// the workbench through the core procedures; the core reaches it back through FinestreQt.
#include <QMainWindow>
#include <QString>
#include <memory>

#include "banco.h"
#include "solver/suggerimento.h"

class QAction;
class QKeyEvent;
class QLabel;
class QToolBar;

namespace kelvaro::ui {

class FinestreQt;
class GrigliaWidget;
class Palette;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // The load step runs here: position, settings' defaults, reference date, toolbar.
    explicit Form1(Banco& b, QWidget* parent = nullptr);
    ~Form1() override;

    Banco& banco() { return b_; }
    GrigliaWidget* Griglia() const { return gr_; }
    Palette* Frame1() const { return frame1_; }
    QToolBar* Toolbar() const { return tlb1_; }
    // Toolbar entry by key ("Apri", "Salva", "s0", ...).
    QAction* Pulsante(const QString& chiave) const;
    QLabel* Pannello(const QString& chiave) const;

    // Replaces the windows the core talks to (tests answer the dialogs themselves).
    void ImpostaFinestre(std::unique_ptr<FinestreQt> f);
    FinestreQt& finestre() { return *finestre_; }

    // The display grid changed: repaint, then size the window to the grid.
    void AggiornaGriglia();

    // Opens the schema file at start (a file manager's "open with"): the title names it and
    // the keyboard cursor waits on the first cell. False when it does not load.
    bool ApriFile(const QString& percorso);
    // A schema has just been shown with its givens: a fresh game on it, with the progress saved
    // beside its file restored ("" for a schema without a file, e.g. a new one).
    void IniziaPartita(const std::string& percorso);
    // A schema that has no file yet (made by "Nuovo", read from a code) takes the grid: shown
    // with its givens, no moves, nothing saved, and a fresh game on it. nomeFile is what the
    // save dialog will propose ("" for none).
    void MostraSchemaNonSalvato(const Schema& s, const std::string& nomeFile);
    // The size the levels dialog last chose (the open schema keeps its own).
    int SizescImpostato() const { return b_.schema.Caricato ? sizescImpostato_ : b_.schema.Sizesc; }

public slots:
    // The toolbar's click handler: hides the palette, then dispatches on the key.
    void ClickToolbar(const QString& chiave);

    void ComandoApri();
    void ComandoSalva();
    void ComandoRisolvi();
    void ComandoMostra();
    void AvvisaSenzaSoluzione();
    void ComandoRicomincia();  // "UndoAll"
    void ComandoAnnulla();     // "Undo"
    void ComandoStampa();
    void ComandoUscita();

    void MenuLivelli();
    void MenuIstruzioni();
    void MenuHTML();
    void MenuInformazioni();

    // A click on the grid: the palette for the current position, if it is an editable cell.
    void ClickGriglia();
    // Palette key 1..11.
    void ClickTasto(int k);
    void NascondiPalette();

    // Play: redo, notes mode, the valid digits as notes, saving the progress.
    void ComandoRipeti();
    void CommutaModoNote();
    void ComandoValidi();
    void ComandoSalvaPartita();
    // "Aiutino": the first press shows the next step, the second carries it out.
    void ComandoAiutino();
    QLabel* PannelloAiutino() const { return aiutino_; }
    // The step the panel shows now (after the first press).
    const Suggerimento& AiutinoMostrato() const { return suggerimento_; }
    // A right click on a cell: the cursor goes there with notes on (again on it: notes switch).
    void ClickDestroGriglia();

signals:
    // The window has closed: the interactive mode ends.
    void Chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Keys on the grid: cursor, digits, notes, palette, undo and redo.
    bool TastoGriglia(QKeyEvent* e);
    void MuoviCursore(int dr, int dc);
    void ScriviDaTastiera(int k);
    void ApriPalette();
    void DopoMossa();
    void AggiornaStatoGioco();
    // The open schema's difficulty, judged on a worker and written in the status bar.
    void GiudicaDifficolta();
    void CreaMenuGioco();
    void DisponiGriglia();
    // The window's minimum size from its content.
    void FissaMinimo();
    // "Kelvaro - NAME" for the schema's file.
    void TitoloDelFile();
    // The givens on the grid and a fresh game on them, nothing written by hand.
    void PartitaDaiDati();
    void ChiudiAiutino();
    void CreaToolbar();
    void CreaMenu();
    void CreaStatusBar();
    void AggiornaUndo();
    int Px(double twips) const;
    int Py(double twips) const;

    Banco& b_;
    std::unique_ptr<FinestreQt> finestre_;
    QToolBar* tlb1_ = nullptr;
    QWidget* centro_ = nullptr;
    GrigliaWidget* gr_ = nullptr;
    Palette* frame1_ = nullptr;
    int sizescImpostato_ = 5;
    QLabel* aiutino_ = nullptr;
    QLabel* difficolta_ = nullptr;
    int turnoDifficolta_ = 0;  // a judgement that comes back late belongs to an earlier schema
    // The hint shown and the position it was computed from (a second press carries it out only
    // on that same position).
    bool aiutinoPronto_ = false;
    Suggerimento suggerimento_;
    Tabella vociAiutino_;
    TabellaNote noteAiutino_{};
};

}  // namespace kelvaro::ui
