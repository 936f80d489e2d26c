#include "solver/valutazione.h"

#include "solver/livello.h"
#include "solver/risolvi.h"

namespace kelvaro {

void PreparaValutazione(Risolutore& ris) {
    ris.MaxLivello = 99;
    ris.MostraLog = false;
    ris.Sequenza.emplace();
}

namespace {

// The counters and verdict of a solve just ended.
Valutazione EsitoValutazione(const Risolutore& ris, const Tabella& tblRisolto) {
    Valutazione v;
    v.Risolto = ris.Risolto;
    v.SenzaSoluzione = ris.SenzaSoluzione;
    v.TecnicheUsate = ris.TecnicheUsate;
    v.NumMultipli = ris.NumMultipli;
    v.NumSwordfish = ris.NumSwordfish;
    v.NumProve = ris.NumProve;
    v.NumMaestro = ris.NumMaestro;
    v.Livello = LivelloSchema(ris.NumSwordfish, ris.NumMultipli);
    v.tblRisolto = tblRisolto;
    return v;
}

}  // namespace

void RisolviPiano(Schema& s, Risolutore& ris, int tecniche, Resoconto* resoconto, LogSoluzione* log) {
    Resoconto* const prima = ris.resoconto;
    const bool conserva = ris.ConservaPassi;
    const int livello = ris.MaxLivello;
    const bool mostra = ris.MostraLog;
    ResocontoMuto muto;
    ris.resoconto = resoconto ? resoconto : &muto;
    ris.ConservaPassi = false;
    ris.MaxLivello = 99;
    ris.MostraLog = false;
    LogSoluzione proprio;
    Spettatore nessuno;
    Risoluzione r{s, ris, log ? *log : proprio, tecniche, nessuno};
    RisolviSchema(r);
    ris.resoconto = prima;
    ris.ConservaPassi = conserva;
    ris.MaxLivello = livello;
    ris.MostraLog = mostra;
}

Valutazione ValutaSchema(const Schema& s, int tecniche, Resoconto* resoconto) {
    Schema copia = s;
    Risolutore ris;
    ris.Sequenza.emplace();
    RisolviPiano(copia, ris, tecniche, resoconto);
    return EsitoValutazione(ris, copia.tblRisolto);
}

}  // namespace kelvaro
