#pragma once
// The logical solver: the solve command, the recursive driver, and the techniques, each of which
// records steps in b.ris.Passi and carries them out, recording what they did; the sentences are
// written from that record in frasi.cpp.
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
// The step being carried out.
inline const Passo& PassoInCorso(const Risoluzione& b) {
    return b.ris.PassoN(b.ris.PassoCorrente);
}

// Carries out Passi(PassoCorrente) on the level's tables through its entry of the technique
// table, records what it did in ris.Effetto, writes its log lines from that and colours its
// cells; true when it was a contradiction.
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
// Places Valore of the step in its cell and strikes it from the cell's row and column: a given or
// a trial value ("I", "T"), a single.
void PosaValore(const Passo& p, Tavola& t, EffettoPasso& e);
// A cell's or a line's single ("U", "R", "C"), or its contradiction ("E1", "ER", "EC").
void EseguiSingolo(const Passo& p, Tavola& t, EffettoPasso& e);
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
// Carries out the current "MAG" or "MIN" step: the cell loses the digits the search found.
void EseguiSegno(const Passo& p, Tavola& t, EffettoPasso& e);
// Detection 4: every cell and direction that carries a sign.
bool CercaSegni(Risoluzione& b, const Tavola& t);

// --- naked subsets (multipli.cpp) --------------------------------------------------------------
// A group of a line, naked or hidden ("MR", "MC", "NR", "NC"): its cells justify the step, then
// its eliminations.
void EseguiGruppo(const Passo& p, Tavola& t, EffettoPasso& e);
// Carries out the triples (r, c, v) of an elimination list; a digit already gone is no removal.
void EseguiEliminazioni(const std::string& Eliminazioni, Tavola& t, EffettoPasso& e);

// --- Swordfish (swordfish.cpp) -----------------------------------------------------------------
void EseguiSWF(const Passo& p, Tavola& t, EffettoPasso& e);

// --- the sentences (frasi.cpp), one per entry of the technique table ---------------------------
void FrasePosa(const Passo& p, LogSoluzione& log);
void FraseCella(const Passo& p, LogSoluzione& log);
void FraseLinea(const Passo& p, LogSoluzione& log);
void FraseSegno(const Passo& p, LogSoluzione& log);
void FraseMultiplo(const Passo& p, LogSoluzione& log);
void FraseSWF(const Passo& p, LogSoluzione& log);
void FraseNascosti(const Passo& p, LogSoluzione& log);
void FraseCatenaSegni(const Passo& p, LogSoluzione& log);
void FraseCatenaForzata(const Passo& p, LogSoluzione& log);
// One "Elimino v da RrCc" line.
void ScriviElimino(LogSoluzione& log, const Tolta& x);

}  // namespace kelvaro
