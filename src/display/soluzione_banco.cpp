#include "display/soluzione_banco.h"

#include "display/visualizza.h"
#include "solver/risolvi.h"
#include "solver/valutazione.h"

namespace kelvaro {

namespace {

// The level's tables as the log window and the step history show them. A given is drawn at the
// size of a decided digit from the start, before the step that places it (the history reads only
// the texts, never the sizes).
void Visualizza(Banco& b, const Tavola& t) {
    Tabella s, e;
    t.Scrivi(s, e);
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (EDato(b.schema.tblSchema[r][c]) && s[r][c].size() == 1) e[r][c] = s[r][c];
    VisualizzaGrid(b, s, e);
}

}  // namespace

void SpettatoreBanco::Inizio() {
    b_.storia.Azzera();
    left_ = b_.finestre().LeftPrincipale();
    b_.ComandoLog = 3;
}

void SpettatoreBanco::Fine() {
    ChiudiStoria(b_);
    b_.finestre().SpostaPrincipale(left_);
}

bool SpettatoreBanco::MostraLog(LogSoluzione& log, bool nascondiAggiorna) {
    b_.ComandoLog = b_.finestre().MostraFinestraLog(log, nascondiAggiorna);
    return b_.ComandoLog != 2;
}

bool SpettatoreBanco::PrimaDelPasso(const Tavola& t, LogSoluzione& log) {
    if (b_.ris.MostraLog) {
        Visualizza(b_, t);
        b_.finestre().PosizionaFormLog();
        log.Situazione();
        log.AllineaSinistra();
        if (b_.ComandoLog == 3) {
            b_.ComandoLog = 0;
            return MostraLog(log, true);
        }
    } else if (b_.storia.RegistraStoria) {
        Visualizza(b_, t);
    }
    return true;
}

bool SpettatoreBanco::DopoIlPasso(LogSoluzione& log) {
    if (!b_.ris.MostraLog) return true;
    // The step coloured cells of the grid model: let the window paint them.
    b_.finestre().AggiornaGriglia();
    b_.finestre().PosizionaFormLog();
    b_.ComandoLog = 0;
    log.AllineaSinistra();
    return MostraLog(log, false);
}

void SpettatoreBanco::Colora(int r, int c, long colore) {
    ColoraCella(b_, r, c, colore);
}

void RisolviSchema(Banco& b) {
    RisolviSchema(RisoluzioneBanco(b));
}

void RisolviComeValutazione(Banco& b, bool conLog, bool storia) {
    PreparaValutazione(b.ris);
    b.ris.MostraLog = conLog;
    b.storia.RegistraStoria = storia;
    RisolviSchema(b);
    b.storia.RegistraStoria = false;
    // Later solves of the session (the generator's among them) draw from the process-wide sequence.
    b.ris.Sequenza.reset();
}

}  // namespace kelvaro
