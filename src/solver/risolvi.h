#pragma once
// The logical solver: the solve command, the recursive driver, and the techniques, each of which
// records steps in b.ris.Passi and carries them out with its sentences in the log.
#include <string>

#include "solver/maschere.h"
#include "solver/risoluzione.h"

namespace kelvaro {

// --- driver (risolvi.cpp) ----------------------------------------------------------------------
// Solves the current schema from its givens. Callers set b.ris.MaxLivello and b.ris.MostraLog
// (and b.storia.RegistraStoria) first. Does nothing before a schema exists.
void RisolviSchema(Risoluzione& b);
// One recursion level on its own copy of the tables; the caller's tables are never changed.
void Risolvi(Risoluzione& b, const Tavola& inp, int Livello);
// Appends a new step (NumPassi + 1) and returns it for the caller to fill.
Passo& RegistraPasso(Risoluzione& b, const std::string& codice);
// The same for a subset (tecnica 1) or Swordfish (tecnica 2) finding, which is also left in
// GruppoTrovato, EliminazioniTrovate and ElencoTrovato and counted with its technique.
Passo& RegistraTrovato(Risoluzione& b, const std::string& codice, const std::string& gruppo,
                       const std::string& eliminazioni, const std::string& elenco, int tecnica);
// Writes "Elimino v da RrCc" and marks the cell yellow: every removal the log explains.
void ScriviElimino(Risoluzione& b, const std::string& v, int r, int c);
// The step being carried out.
inline const Passo& PassoInCorso(const Risoluzione& b) {
    return b.ris.PassoN(b.ris.PassoCorrente);
}

// Carries out Passi(PassoCorrente) on the level's tables; true when it was a contradiction.
bool EseguiPasso(Risoluzione& b, Tavola& t);
// One detection pass: the technique table's entries the settings switch on, in its order (cells,
// columns, rows, signs, subsets, Swordfish, the master tier); true when it recorded a step.
bool Rileva(Risoluzione& b, const Tavola& t);
// Detections 5 and 6 (whatever AttivaMultipli says): at most one step each.
bool CercaMultipli(Risoluzione& b, const Tavola& t);
bool CercaSwordfish(Risoluzione& b, const Tavola& t);
// The trial cell: the undecided cell with the fewest candidates, the first one in row-major order
// on equal length. False when every cell is decided.
bool ScegliCellaProva(const Tavola& t, int& rt, int& ct);

// --- singles (singoli.cpp) ---------------------------------------------------------------------
// Places Valore of the current step in its cell and strikes it from the cell's row and column.
void AggiornaUnico(Risoluzione& b, const std::string& Frase, Tavola& t);
// Writes a contradiction's sentence and marks the step's cell red.
void SegnalaErrE1(Risoluzione& b, const std::string& Frase);
// Carry out the current step: a given or a trial value ("I", "T"), a cell's single or its
// contradiction ("U", "E1"), a line's ("R", "C", "ER", "EC"). True for a contradiction.
bool EseguiPosa(Risoluzione& b, Tavola& t);
bool EseguiCella(Risoluzione& b, Tavola& t);
bool EseguiLinea(Risoluzione& b, Tavola& t);
// Detections 1 to 3 of a pass; each records at most one step and says whether it did.
bool CercaCelle(Risoluzione& b, const Tavola& t);
bool CercaColonne(Risoluzione& b, const Tavola& t);
bool CercaRighe(Risoluzione& b, const Tavola& t);

// --- inequality signs (disuguaglianze.cpp) -----------------------------------------------------
// Whether the cell (r, c), greater (less) than its neighbours (rp, cp) when p and (rs, cs) when s,
// loses candidates to them; records the step when it does.
bool VerificaMaggiore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tavola& t);
bool VerificaMinore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tavola& t);
void AggiornaMaggiore(Risoluzione& b, Tavola& t);
void AggiornaMinore(Risoluzione& b, Tavola& t);
// Carries out the current "MAG" or "MIN" step.
bool EseguiSegno(Risoluzione& b, Tavola& t);
// Detection 4: every cell and direction that carries a sign.
bool CercaSegni(Risoluzione& b, const Tavola& t);

// --- naked subsets (multipli.cpp) --------------------------------------------------------------
void AggiornaMultiplo(Risoluzione& b, Tavola& t);
// The sentence of a group of the current step ("Nella riga r i n.ddd possibili solo in ..." and
// `coda`), its cells green, then its eliminations: naked and hidden subsets alike.
void AggiornaGruppo(Risoluzione& b, Tavola& t, bool riga, const char* coda);
inline bool EseguiMultiplo(Risoluzione& b, Tavola& t) {
    AggiornaMultiplo(b, t);
    return false;
}
// Carries out the triples (r, c, v) of an elimination list, logging and colouring each removal.
void EseguiEliminazioni(Risoluzione& b, const std::string& Eliminazioni, Tavola& t);

// --- Swordfish (swordfish.cpp) -----------------------------------------------------------------
void AggiornaSWF(Risoluzione& b, Tavola& t);
inline bool EseguiSWF(Risoluzione& b, Tavola& t) {
    AggiornaSWF(b, t);
    return false;
}

}  // namespace kelvaro
