#pragma once
// Hand entries made through the number palette, and their undo list.
#include <deque>
#include <string>

namespace kelvaro {

struct Mossa {
    int Riga = 0;
    int Colonna = 0;
    std::string TestoPrima;
    std::string TestoDopo;
    std::string TipoMossa = "N";
};

struct Modifica {
    int RigaSel = -1;
    int ColonnaSel = -1;
    std::deque<Mossa> Mosse;    // oldest first; a full list drops its oldest move
    bool UndoAbilitato = true;  // "Undo" and "UndoAll" start enabled after the load step
    int NumMosse() const { return static_cast<int>(Mosse.size()); }
};

}  // namespace kelvaro
