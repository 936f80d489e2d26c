#pragma once
// The player's position on the display grid: the digits shown, the mistakes to mark, the digits
// still allowed in a cell, whether the grid is solved.
#include <cstdint>
#include <utility>
#include <vector>

#include "banco.h"
#include "rules/regole.h"

namespace kelvaro {

// Digit 1..N shown in cell (r, c) (a given or a hand entry); 0 when the cell shows no one digit.
int CifraMostrata(const Banco& b, int r, int c);
// The digits the grid shows, givens and hand entries.
Cifre CifreMostrate(const Banco& b);
// A cell the player may write in: inside the schema and not a given.
bool CellaModificabile(const Banco& b, int r, int c);

// Mistakes among the hand entries: a digit repeated in its row or column (the hand-written cells
// involved; givens are never marked) and a sign broken by two filled cells with at least one
// hand entry.
struct Segnalazioni {
    std::vector<std::pair<int, int>> Celle;  // (r, c)
    std::vector<std::pair<int, int>> Segni;  // grid positions of the broken signs
    bool Vuote() const { return Celle.empty() && Segni.empty(); }
};
Segnalazioni CercaErrori(const Banco& b);

// Digits rows, columns and signs (through chains of signs) still allow in cell (r, c), as a mask
// (bit d = digit d); 0 for a filled cell.
uint16_t CifreAmmesse(const Banco& b, int r, int c);

// Every cell filled, no digit repeated in a row or column, every sign kept.
bool GrigliaRisolta(const Banco& b);

// The display grid as the player sees it: Gr with the mistakes in red (digits and signs).
// Outside play (a solve's result, the log) it is Gr unchanged.
Griglia GrigliaDaMostrare(const Banco& b);

// Colour of a mistake (platform value).
constexpr long ColoreErrore = 0x1A1AD2;  // RGB 210, 26, 26

}  // namespace kelvaro
