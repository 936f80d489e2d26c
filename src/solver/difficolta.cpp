#include "solver/difficolta.h"

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// Whether the step solver finishes the schema without a trial with these techniques on
// (AttivaMultipli, and how many of the master tier's); g receives the counts of what it used,
// up to where a trial would have started.
bool RisoltoSenzaProve(const Schema& s, int attiva, int maestro, GiudizioDifficolta& g) {
    Schema copia = s;
    Risolutore ris;
    ris.TecnicheMaestro = maestro;
    // Level 1 only: where a trial would start, the solve stops unsolved (and draws nothing).
    ris.MaxLivello = 1;
    ResocontoMuto muto;
    ris.resoconto = &muto;
    ris.ConservaPassi = false;
    LogSoluzione log;
    Spettatore nessuno;
    Risoluzione r{copia, ris, log, attiva, nessuno};
    RisolviSchema(r);
    g.Multipli = ris.NumMultipli;
    g.Swordfish = ris.NumSwordfish;
    g.Maestro = ris.NumMaestro;
    return ris.Risolto;
}

// Singles of both kinds, and signs read against a placed digit only (Facile) or also against the
// range of an undecided neighbour (Medio), one sign at a time.
bool RisoltoDaiSingoli(const Schema& s, bool segniDaIntervalli) {
    const auto letto = SchemaBitDa(s);
    if (!letto || !letto->DatiValidi) return false;
    GrigliaBit g;
    g.n = s.Sizesc;
    for (int i = 0; i < g.n * g.n; ++i)
        g.S[i] = letto->schema.dato[i] ? BitCifra(letto->schema.dato[i]) : TutteLeCifre(g.n);
    RegolePropagazione regole;
    regole.SegniDaIndecise = segniDaIntervalli;
    return Propaga(g, CoppieSegni(letto->schema), regole).Risolta;
}

}  // namespace

bool RisoltoSenzaTentativo(const Schema& s, int tecniche) {
    GiudizioDifficolta g;
    return RisoltoSenzaProve(s, tecniche, (tecniche & 4) ? 3 : 0, g);
}

const char* NomeDifficolta(Difficolta d) {
    switch (d) {
        case Difficolta::Facile:
            return "Facile";
        case Difficolta::Medio:
            return "Medio";
        case Difficolta::Difficile:
            return "Difficile";
        case Difficolta::Esperto:
            return "Esperto";
        case Difficolta::Diabolico:
            return "Diabolico";
    }
    return "";
}

Difficolta DifficoltaDelCodice(const std::string& codice) {
    if (codice == "MR" || codice == "MC" || codice == "NR" || codice == "NC") return Difficolta::Difficile;
    if (codice == "SR" || codice == "SC" || codice == "CS" || codice == "CF") return Difficolta::Esperto;
    if (codice == "T") return Difficolta::Diabolico;
    return Difficolta::Facile;
}

Difficolta DifficoltaSchema(const Schema& s) {
    return GiudicaDifficolta(s).Nome;
}

GiudizioDifficolta GiudicaDifficolta(const Schema& s) {
    // Each tier is asked on its own, easiest first: the solver's fixed order tries Swordfish before
    // the hidden subsets and rows before signs, so the steps of one full solve could name a
    // harder tier than the schema needs. The step solver's own sign bound, which also reads two
    // neighbours of one line against each other, belongs to the subsets' tier.
    GiudizioDifficolta g;
    if (RisoltoDaiSingoli(s, false)) return g;
    g.Nome = Difficolta::Medio;
    if (RisoltoDaiSingoli(s, true)) return g;
    g.Nome = Difficolta::Difficile;
    if (RisoltoSenzaProve(s, 1 | 4, 1, g)) return g;
    g = {};
    g.Nome = RisoltoSenzaProve(s, 7, 3, g) ? Difficolta::Esperto : Difficolta::Diabolico;
    return g;
}

}  // namespace kelvaro
