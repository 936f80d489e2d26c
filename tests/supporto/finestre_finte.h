#pragma once
// A scripted Finestre for the core tests: records what the core shows, answers from queues.
#include <deque>
#include <string>
#include <vector>

#include "display/finestre.h"
#include "solver/log_soluzione.h"

namespace kelvaro::test {

class FinestreFinte : public Finestre {
public:
    std::vector<std::string> messaggi;  // "testo|dettaglio"
    std::deque<int> risposte;           // answers to questions; RispostaNo when empty
    std::deque<std::string> fileDaAprire;
    std::deque<std::string> fileDaSalvare;
    std::vector<std::string> propostiSalva;
    std::vector<std::vector<std::string>> logMostrati;
    std::vector<bool> aggiornaNascosto;
    std::deque<int> comandiLog;  // 1 when empty
    int left = 1000;
    int ridisegni = 0;
    std::vector<std::string> stati;  // notes for the status bar

    void Messaggio(const std::string& testo, const std::string& dettaglio = "") override {
        messaggi.push_back(testo + "|" + dettaglio);
    }
    int ChiediSiNo(const std::string& testo) override {
        messaggi.push_back(testo);
        return Prendi(risposte, RispostaNo);
    }
    int ChiediSiNoAnnulla(const std::string& testo) override {
        messaggi.push_back(testo);
        return Prendi(risposte, RispostaNo);
    }
    std::string Apri() override { return Prendi(fileDaAprire, std::string()); }
    std::string Salva(const std::string& proposto) override {
        propostiSalva.push_back(proposto);
        return Prendi(fileDaSalvare, std::string());
    }
    int MostraFinestraLog(const LogSoluzione& log, bool nascondiAggiorna) override {
        logMostrati.push_back(log.Righe());
        aggiornaNascosto.push_back(nascondiAggiorna);
        return Prendi(comandiLog, 1);
    }
    void PosizionaFormLog() override { left = 0; }
    int LeftPrincipale() override { return left; }
    void SpostaPrincipale(int l) override { left = l; }
    void AggiornaGriglia() override { ++ridisegni; }
    void Stato(const std::string& testo) override { stati.push_back(testo); }

private:
    template <typename T>
    static T Prendi(std::deque<T>& coda, T predefinito) {
        if (coda.empty()) return predefinito;
        T v = coda.front();
        coda.pop_front();
        return v;
    }
};

}  // namespace kelvaro::test
