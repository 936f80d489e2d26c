// The exact solution counter on the hardest sets: proving uniqueness (counting up to 2) of the
// extreme 9 x 9 schemas of bench/schemi/, of the schemas made by Debian's sgt-unequal in
// bench/unequal/ (made with bench/da_unequal.py) and of the worst ones found in bench/difficili/.
// Each set is timed with the default counter (Hall intervals) and with singles and signs only
// ("Semplice", the counter as it was before Hall intervals); the recursive and the worst schemas
// are also timed one by one. "nodi" is the mean of search nodes per schema.
#include "insiemi.h"

namespace {

using namespace kelvaro;

const int registrati = [] {
    bench::RegistraInsiemi(
        "BM_Contatore",
        [](const SchemaBit& s, long& nodi) {
            return ContaSoluzioni(s, 2, ModoConteggio::Intervalli, nullptr, &nodi);
        },
        true);
    bench::RegistraInsiemi(
        "BM_ContatoreSemplice",
        [](const SchemaBit& s, long& nodi) {
            return ContaSoluzioni(s, 2, ModoConteggio::Semplice, nullptr, &nodi);
        },
        false);
    return 0;
}();

}  // namespace
