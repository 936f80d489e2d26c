#include "solver/valutazione.h"

#include "solver/livello.h"
#include "solver/risolvi.h"

namespace kelvaro {

void PreparaValutazione(Risolutore& ris) {
    ris.MaxLivello = 99;
    ris.MostraLog = false;
    ris.Sequenza.emplace();
}

Valutazione EsitoValutazione(const Risolutore& ris, const Tabella& tblRisolto) {
    Valutazione v;
    v.Risolto = ris.Risolto;
    v.SenzaSoluzione = ris.SenzaSoluzione;
    v.TecnicheUsate = ris.TecnicheUsate;
    v.NumMultipli = ris.NumMultipli;
    v.NumSwordfish = ris.NumSwordfish;
    v.NumProve = ris.NumProve;
    v.Livello = LivelloSchema(ris.NumSwordfish, ris.NumMultipli);
    v.tblRisolto = tblRisolto;
    return v;
}

Valutazione ValutaSchema(const Schema& s, int tecniche) {
    Schema copia = s;
    Risolutore ris;
    LogSoluzione log;
    Spettatore nessuno;
    // Only the verdict is read: the lines go nowhere and the step list stays short.
    ResocontoMuto muto;
    ris.resoconto = &muto;
    ris.ConservaPassi = false;
    PreparaValutazione(ris);
    Risoluzione r{copia, ris, log, tecniche, nessuno};
    RisolviSchema(r);
    return EsitoValutazione(ris, copia.tblRisolto);
}

}  // namespace kelvaro
