#pragma once
// The logical solver: the solve command, the recursive driver, and the techniques, each of which
// records steps in b.ris.Passi and carries them out with its sentences in the log.
#include <string>

#include "banco.h"
#include "solver/maschere.h"

namespace kelvaro {

// --- driver (risolvi.cpp) ----------------------------------------------------------------------
// Solves the current schema from its givens. Callers set b.ris.MaxLivello and b.ris.MostraLog
// (and b.storia.RegistraStoria) first. Does nothing before a schema exists.
void RisolviSchema(Banco& b);
// One recursion level on its own copy of the tables; the caller's tables are never changed.
void Risolvi(Banco& b, const Tavola& inp, int Livello);
// Appends a new step (NumPassi + 1) and returns it for the caller to fill.
Passo& RegistraPasso(Banco& b, const std::string& codice);
// The same for a subset (tecnica 1) or Swordfish (tecnica 2) finding, which is also left in
// GruppoTrovato, EliminazioniTrovate and ElencoTrovato and counted with its technique.
Passo& RegistraTrovato(Banco& b, const std::string& codice, const std::string& gruppo,
                       const std::string& eliminazioni, const std::string& elenco, int tecnica);
// Writes "Elimino v da RrCc" and marks the cell yellow: every removal the log explains.
void ScriviElimino(Banco& b, const std::string& v, int r, int c);
// The step being carried out.
inline const Passo& PassoInCorso(const Banco& b) {
    return b.ris.PassoN(b.ris.PassoCorrente);
}

// Carries out Passi(PassoCorrente) on the level's tables; true when it was a contradiction.
bool EseguiPasso(Banco& b, Tavola& t);
// One detection pass in the fixed order (cells, columns, rows, signs, subsets, Swordfish, the
// master tier of solver/avanzate.h); true when it recorded a step.
bool Rileva(Banco& b, const Tavola& t);
// Detections 5 and 6 (whatever AttivaMultipli says): at most one step each.
bool CercaMultipli(Banco& b, const Tavola& t);
bool CercaSwordfish(Banco& b, const Tavola& t);
// The trial cell: the undecided cell with the fewest candidates, the first one in row-major order
// on equal length. False when every cell is decided.
bool ScegliCellaProva(const Tavola& t, int& rt, int& ct);

// The same on string tables (candidates ascending), for callers that hold a position as text.
bool EseguiPasso(Banco& b, Tabella& tblS, Tabella& tblE);
bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE);
bool CercaMultipli(Banco& b, const Tabella& tblS);
bool CercaSwordfish(Banco& b, const Tabella& tblS);
bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct);

// --- singles (singoli.cpp) ---------------------------------------------------------------------
// Places Valore of the current step in its cell and strikes it from the cell's row and column.
void AggiornaUnico(Banco& b, const std::string& Frase, Tavola& t);
// Writes a contradiction's sentence and marks the step's cell red.
void SegnalaErrE1(Banco& b, const std::string& Frase);
// Detections 1 to 3 of a pass; each records at most one step and says whether it did.
bool CercaCelle(Banco& b, const Tavola& t);
bool CercaColonne(Banco& b, const Tavola& t);
bool CercaRighe(Banco& b, const Tavola& t);

// --- inequality signs (disuguaglianze.cpp) -----------------------------------------------------
// Whether the cell (r, c), greater (less) than its neighbours (rp, cp) when p and (rs, cs) when s,
// loses candidates to them; records the step when it does.
bool VerificaMaggiore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s, const Tavola& t);
bool VerificaMinore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s, const Tavola& t);
bool VerificaMaggiore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tabella& tblS);
bool VerificaMinore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tabella& tblS);
void AggiornaMaggiore(Banco& b, Tavola& t);
void AggiornaMinore(Banco& b, Tavola& t);
// Detection 4: every cell and direction that carries a sign.
bool CercaSegni(Banco& b, const Tavola& t);
bool CercaSegni(Banco& b, const Tabella& tblS);

// --- naked subsets (multipli.cpp) --------------------------------------------------------------
void AggiornaMultiplo(Banco& b, Tavola& t);
// Carries out the triples (r, c, v) of an elimination list, logging and colouring each removal.
void EseguiEliminazioni(Banco& b, const std::string& Eliminazioni, Tavola& t);
void EseguiEliminazioni(Banco& b, const std::string& Eliminazioni, Tabella& tblS);

// --- Swordfish (swordfish.cpp) -----------------------------------------------------------------
void AggiornaSWF(Banco& b, Tavola& t);

// Removes the first occurrence of d from a candidate string, keeping the order of the others.
// Returns false when d was not there.
bool TogliCifra(std::string& candidati, char d);

}  // namespace kelvaro
