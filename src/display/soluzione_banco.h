#pragma once
// A solve of the window session's schema, watched by the session: the solver's cells coloured on
// the display grid, the page history recorded, the log window shown in log mode.
#include "banco.h"
#include "solver/risoluzione.h"

namespace kelvaro {

class SpettatoreBanco final : public Spettatore {
public:
    explicit SpettatoreBanco(Banco& b) : b_(b) {}
    void Inizio() override;
    void Fine() override;
    bool PrimaDelPasso(const Tavola& t, LogSoluzione& log) override;
    bool DopoIlPasso(LogSoluzione& log) override;
    void Colora(int r, int c, long colore) override;

private:
    // Shows the log window and records the answer; false when the user interrupted the solve.
    bool MostraLog(LogSoluzione& log, bool nascondiAggiorna);

    Banco& b_;
    int left_ = 0;
};

// The session's schema, step list and log as a solve's working state, watched by the session:
// what a caller passes to the solver's procedures for the session (RisoluzioneBanco(b) converts).
class RisoluzioneBanco {
public:
    explicit RisoluzioneBanco(Banco& b)
        : spettatore_(b), r_{b.schema, b.ris, b.log, b.imp.AttivaMultipli, spettatore_} {}
    RisoluzioneBanco(const RisoluzioneBanco&) = delete;
    RisoluzioneBanco& operator=(const RisoluzioneBanco&) = delete;
    operator Risoluzione&() { return r_; }

private:
    SpettatoreBanco spettatore_;
    Risoluzione r_;
};

// Solves the session's schema from its givens with the session's settings. Callers set
// b.ris.MaxLivello and b.ris.MostraLog (and b.storia.RegistraStoria) first. Does nothing before a
// schema exists.
void RisolviSchema(Banco& b);

// The session's schema solved as a grade (ValutaSchema: no depth limit, a fresh random sequence),
// with the session's techniques; with `conLog` step by step through the log window, with `storia`
// recording the page history. The result and counters stay in b.ris and b.schema.tblRisolto.
void RisolviComeValutazione(Banco& b, bool conLog, bool storia);

}  // namespace kelvaro
