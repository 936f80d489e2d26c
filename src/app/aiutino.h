#pragma once
// "Aiutino" in the window: the next step from the position the player is in (digits written by
// hand and notes), said in words, and carried out as one move that can be undone.
#include <string>

#include "banco.h"
#include "solver/suggerimento.h"

namespace kelvaro {

// The player's grid as the hint reads it: the digit shown in each cell, "0" for none.
Tabella VociGiocatore(const Banco& b);
// The next step from the grid shown, with the techniques the settings switch on.
Suggerimento ChiediAiutino(const Banco& b);
// What the panel beside the grid says about it.
std::string TestoAiutino(const Suggerimento& s);
// Carries the hint out as one move: the digit placed, the candidates removed from the cells'
// notes (cells without notes get the allowed digits first), a wrong entry cleared. False when
// there is nothing to carry out.
bool EseguiAiutino(Banco& b, const Suggerimento& s);

}  // namespace kelvaro
