#include "display/finestre.h"

#include <cstdio>

namespace kelvaro {

void FinestreSenzaSchermo::Messaggio(const std::string& testo, const std::string& dettaglio) {
    if (dettaglio.empty())
        std::fprintf(stderr, "%s\n", testo.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", testo.c_str(), dettaglio.c_str());
}

int FinestreSenzaSchermo::ChiediSiNo(const std::string& testo) {
    std::fprintf(stderr, "%s (no)\n", testo.c_str());
    return RispostaNo;
}

int FinestreSenzaSchermo::ChiediSiNoAnnulla(const std::string& testo) {
    std::fprintf(stderr, "%s (no)\n", testo.c_str());
    return RispostaNo;
}

void FinestreSenzaSchermo::Avanzamento(const std::string& testo) {
    std::fprintf(stderr, "%s\n", testo.c_str());
}

}  // namespace kelvaro
