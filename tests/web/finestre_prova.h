#pragma once
// A Finestre that records the messages instead of showing them.
#include <string>
#include <vector>

#include "display/finestre.h"

namespace kelvaro::test {

class FinestreRegistrate : public Finestre {
public:
    struct Voce {
        std::string testo, dettaglio;
    };
    std::vector<Voce> messaggi;

    void Messaggio(const std::string& testo, const std::string& dettaglio = "") override {
        messaggi.push_back({testo, dettaglio});
    }
    int ChiediSiNo(const std::string&) override { return RispostaNo; }
    int ChiediSiNoAnnulla(const std::string&) override { return RispostaNo; }
    std::string Apri() override { return ""; }
    std::string Salva(const std::string&) override { return ""; }
    int MostraFinestraLog(const LogSoluzione&, bool) override { return 1; }
    void PosizionaFormLog() override {}
    int LeftPrincipale() override { return 0; }
    void SpostaPrincipale(int) override {}
    void AggiornaGriglia() override {}
};

}  // namespace kelvaro::test
