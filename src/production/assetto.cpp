#include "production/assetto.h"

namespace kelvaro {

std::optional<AssettoGeneratore> AssettoPerDifficolta(Difficolta d, int n) {
    // Measured with kelvaro-cli genera and verifica, 10 schemas per size 5 and 9: with singles
    // and signs only, 60% of the cells given makes nearly every schema Facile and 20% mostly
    // Medio; naked subsets make Difficile; Swordfish too, mostly Esperto.
    switch (d) {
        case Difficolta::Facile:
            return AssettoGeneratore{0, n * n * 3 / 5};
        case Difficolta::Medio:
            return AssettoGeneratore{0, n * n / 5};
        case Difficolta::Difficile:
            return AssettoGeneratore{1, 2};
        case Difficolta::Esperto:
            return AssettoGeneratore{3, 2};
        case Difficolta::Diabolico:
            break;
    }
    return std::nullopt;
}

}  // namespace kelvaro
