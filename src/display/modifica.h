#pragma once
// Hand entries through the number palette and their undo list, on the display grid's texts.
// The schema tables are never touched: the next display of the grid replaces hand entries.
#include <string>

#include "banco.h"

namespace kelvaro {

constexpr int MaxMosse = 1000;

// Where and how the palette opens for the grid's current position.
struct AperturaPalette {
    bool Mostra = false;
    int Top = 0;             // frame top relative to the grid's top edge (twips): Y - 352
    int Left = 0;            // frame left relative to the grid's left edge (twips): X - 352
    int Tasti = 0;           // digit keys 1..Tasti shown (the schema size)
    std::string Didascalia;  // centre label: ten blanks and the cell's text
};

// A click on the grid: selects the cell under the current position (RigaSel/ColonnaSel, -1 when
// it is no cell) and says whether the palette opens, for editable cells only.
AperturaPalette ClickGriglia(Banco& b);
// Palette key 1..10 (10 clears the cell) on the selected cell: one move on the undo list.
// Key 11 and keys without a selected cell change nothing.
void TastoPalette(Banco& b, int k);
// Undo the last move; nothing when the list is empty.
void AnnullaMossa(Banco& b);
// Back to the givens: every hand digit and note cleared, as one move that undo takes back (the
// work restored from a saved game included). False when there was nothing to clear.
bool Ricomincia(Banco& b);
// Empties the list and disables "Undo" and "UndoAll" (after open, "Risolvi", "Mostra"); the
// player's notes and the redo list go with it.
void SvuotaMosse(Banco& b);

// Redo the last undone move; nothing when there is none.
void RifaiMossa(Banco& b);
bool PuoRifare(const Banco& b);
// Toggles digit d in the notes of the editable empty cell (r, c): one move. False when nothing
// changed (a given, a filled cell, a digit out of 1..N).
bool CommutaNota(Banco& b, int r, int c, int d);
// Clears the notes of (r, c) as one move; false when it had none.
bool CancellaNote(Banco& b, int r, int c);
// Writes into (r, c) the way the palette does (k 1..9 a digit, 10 clear), for the keyboard.
bool ScriviCella(Banco& b, int r, int c, int k);
// One move over several cells: digits written (0 clears; each placed digit leaves the notes of
// its row and column) and cells' notes set. Non-editable cells are skipped; false when nothing
// changed.
struct CifraDaScrivere {
    int Riga = 0;
    int Colonna = 0;
    int Cifra = 0;
};
struct NoteDaScrivere {
    int Riga = 0;
    int Colonna = 0;
    uint16_t Note = 0;
};
bool ApplicaMossaMultipla(Banco& b, const std::vector<CifraDaScrivere>& cifre,
                          const std::vector<NoteDaScrivere>& note);
// Notes of every empty editable cell become the digits still allowed there: one move.
bool RiempiNoteValide(Banco& b);

// Marks the sign at grid position (i, j) as used, or clears its mark; false when no sign is there.
bool CommutaSegnoUsato(Banco& b, int i, int j);
bool SegnoUsato(const Banco& b, int i, int j);

}  // namespace kelvaro
