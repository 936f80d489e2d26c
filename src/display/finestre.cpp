#include "display/finestre.h"

#include <cstdio>

#include "model/testo.h"

namespace kelvaro {

// Messages carry file names as they are on disk: one message stays one plain line.
void FinestreSenzaSchermo::Messaggio(const std::string& testo, const std::string& dettaglio) {
    if (dettaglio.empty())
        std::fprintf(stderr, "%s\n", TestoStampabile(testo).c_str());
    else
        std::fprintf(stderr, "%s: %s\n", TestoStampabile(testo).c_str(), TestoStampabile(dettaglio).c_str());
}

int FinestreSenzaSchermo::ChiediSiNo(const std::string& testo) {
    std::fprintf(stderr, "%s (no)\n", TestoStampabile(testo).c_str());
    return RispostaNo;
}

int FinestreSenzaSchermo::ChiediSiNoAnnulla(const std::string& testo) {
    std::fprintf(stderr, "%s (no)\n", TestoStampabile(testo).c_str());
    return RispostaNo;
}

void FinestreSenzaSchermo::Avanzamento(const std::string& testo) {
    std::fprintf(stderr, "%s\n", TestoStampabile(testo).c_str());
}

}  // namespace kelvaro
