#include "solver/suggerimento.h"

namespace kelvaro {

Suggerimento CalcolaSuggerimento(const Schema&, const Tabella&, const NoteGriglia*, int) {
    return Suggerimento{};
}

}  // namespace kelvaro
