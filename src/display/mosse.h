#pragma once
// Hand entries made through the number palette or the keyboard, the player's notes, and the
// undo and redo lists.
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

// Notes (pencil marks) of each cell: bit d set = digit d noted. Indexed like the schema tables.
using TabellaNote = std::array<std::array<uint16_t, 10>, 10>;

// One cell's notes before and after a move.
struct CambioNote {
    int Riga = 0;
    int Colonna = 0;
    uint16_t Prima = 0;
    uint16_t Dopo = 0;
};

// Another cell's text a move changed (moves over several cells: a hint, a correction).
struct CambioTesto {
    int Riga = 0;
    int Colonna = 0;
    std::string Prima;
    std::string Dopo;
};

struct Mossa {
    int Riga = 0;
    int Colonna = 0;
    std::string TestoPrima;
    std::string TestoDopo;
    std::string TipoMossa = "N";     // "N" a digit or a clear; "A" notes only
    std::vector<CambioNote> Note;    // notes the move changed, on any cell
    std::vector<CambioTesto> Testi;  // further cells' texts, after the one above
};

struct Modifica {
    int RigaSel = -1;
    int ColonnaSel = -1;
    std::deque<Mossa> Mosse;    // oldest first; a full list drops its oldest move
    bool UndoAbilitato = true;  // "Undo" and "UndoAll" start enabled after the load step
    int NumMosse() const { return static_cast<int>(Mosse.size()); }

    std::vector<Mossa> Rifatte;  // undone moves, the next one to redo last; a new move empties it
    TabellaNote Note{};
    bool ModoNote = false;  // digits typed toggle notes instead of writing
    // The grid shows the givens with the player's work (not a solve's result nor the log).
    bool InGioco = false;
    // Hand work changed since it was last saved or restored.
    bool NonSalvata = false;
    bool RisoltoAnnunciato = false;
    // File the schema on the grid was read from or last saved to; "" when it has none.
    std::string FileSchema;
    // Keyboard cursor, cell coordinates 1..N.
    int RigaCursore = 1;
    int ColonnaCursore = 1;
    // Signs the player marked as used up (grid positions): drawn faded, so the ones still to
    // think about stand out. A reminder, not a move: undo leaves it, a new game clears it.
    std::vector<std::pair<int, int>> SegniUsati;
};

}  // namespace kelvaro
