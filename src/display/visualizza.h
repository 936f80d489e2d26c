#pragma once
// Lays out the display grid for the current schema, fills it, records the step history.
#include "banco.h"

namespace kelvaro {

// Dati: texts shown ("0" shows nothing); Ctrl: a one-character entry means a decided value (size 16).
void VisualizzaGrid(Banco& b, const Tabella& Dati, const Tabella& Ctrl);
// After a solve that recorded the step history: the lines written after its last display join the
// last entry, so the page's replay shows every line of the solve.
void ChiudiStoria(Banco& b);
// Text colours of the cell positions from tblSchema: black givens, blue others.
void ColoraSchema(Banco& b);
// Grid position of cell (r, c).
inline int RigaGriglia(int r) {
    return 2 * r - 1;
}
inline int ColonnaGriglia(int c) {
    return 2 * c - 1;
}
// Background of the display cell of (r, c), as the solver colours it.
void ColoraCella(Banco& b, int r, int c, long colore);

// Sign characters in the symbol font.
constexpr unsigned char SegnoMinDes = 133;  // left cell less than right
constexpr unsigned char SegnoMagDes = 134;  // left cell greater than right
constexpr unsigned char SegnoMinGiu = 135;  // upper cell less than lower
constexpr unsigned char SegnoMagGiu = 136;  // upper cell greater than lower
constexpr const char* FontSegni = "Wingdings 3";
// Whether a grid position shows a sign.
inline bool ESegno(const CellaGriglia& c) {
    if (c.FontName != FontSegni || c.Testo.size() != 1) return false;
    const auto k = static_cast<unsigned char>(c.Testo[0]);
    return k >= SegnoMinDes && k <= SegnoMagGiu;
}

}  // namespace kelvaro
