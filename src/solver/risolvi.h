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
// One recursion level on its own copies of the tables; the caller's tables are never changed.
void Risolvi(Banco& b, const Tabella& tblsInp, const Tabella& tblEInp, int Livello);
// Appends a new step (NumPassi + 1) and returns it for the caller to fill.
Passo& RegistraPasso(Banco& b, const std::string& codice);
// The step being carried out.
inline const Passo& PassoInCorso(const Banco& b) {
    return b.ris.PassoN(b.ris.PassoCorrente);
}

// Carries out Passi(PassoCorrente) on the level's tables; true when it was a contradiction.
bool EseguiPasso(Banco& b, Tabella& tblS, Tabella& tblE);
// One detection pass in the fixed order (cells, columns, rows, signs, subsets, Swordfish);
// true when it recorded a step.
bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE);
// The same with the masks of tblS already made (they must match it).
bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE, const MappaCandidati& m);
// Detections 5 and 6 (whatever AttivaMultipli says): at most one step each.
bool CercaMultipli(Banco& b, const Tabella& tblS);
bool CercaSwordfish(Banco& b, const Tabella& tblS);
// The same, looking only where the masks of the pass show a finding.
bool CercaMultipli(Banco& b, const Tabella& tblS, const MappaCandidati& m);
bool CercaSwordfish(Banco& b, const Tabella& tblS, const MappaCandidati& m);
// The trial cell: the undecided cell with the fewest candidates, the first one in row-major order
// on equal length. False when every cell is decided.
bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct);

// --- singles (singoli.cpp) ---------------------------------------------------------------------
// Places Valore of the current step in its cell and strikes it from the cell's row and column.
void AggiornaUnico(Banco& b, const std::string& Frase, Tabella& tblS, Tabella& tblE);
// Writes a contradiction's sentence and marks the step's cell red.
void SegnalaErrE1(Banco& b, const std::string& Frase);
// Detections 1 to 3 of a pass; each records at most one step and says whether it did.
bool CercaCelle(Banco& b, const Tabella& tblS, const Tabella& tblE);
bool CercaColonne(Banco& b, const Tabella& tblS, const Tabella& tblE);
bool CercaRighe(Banco& b, const Tabella& tblS, const Tabella& tblE);
// The same on the masks of the pass.
bool CercaColonne(Banco& b, const MappaCandidati& m, const Tabella& tblE);
bool CercaRighe(Banco& b, const MappaCandidati& m, const Tabella& tblE);

// --- inequality signs (disuguaglianze.cpp) -----------------------------------------------------
bool VerificaMaggiore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tabella& tblS);
bool VerificaMinore(Banco& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tabella& tblS);
void AggiornaMaggiore(Banco& b, Tabella& tblS);
void AggiornaMinore(Banco& b, Tabella& tblS);
// Detection 4: every cell and direction that carries a sign.
bool CercaSegni(Banco& b, const Tabella& tblS);
bool CercaSegni(Banco& b, const Tabella& tblS, const MappaCandidati& m);

// --- naked subsets (multipli.cpp) --------------------------------------------------------------
// Marks are indexed 1..9 (index 0 unused).
using Contatori = std::array<int, 10>;
void VerificaMult(Banco& b, const std::string& Tipo, int Livmax, int Liv, int rc, int rcAtt,
                  const std::string& RcPrec, const Contatori& ContaPrec, const Tabella& tblS);
void AggiornaMultiplo(Banco& b, Tabella& tblS);
// Carries out the triples (r, c, v) of an elimination list, logging and colouring each removal.
void EseguiEliminazioni(Banco& b, const std::string& Eliminazioni, Tabella& tblS);

// --- Swordfish (swordfish.cpp) -----------------------------------------------------------------
void VerificaSwf(Banco& b, const std::string& Tipo, int Livmax, int j, int Liv, int rcAtt,
                 const std::string& RcPrec, const Contatori& ContaPrec, const Tabella& tblS);
void AggiornaSWF(Banco& b, Tabella& tblS);

// Removes the first occurrence of d from a candidate string, keeping the order of the others.
// Returns false when d was not there.
bool TogliCifra(std::string& candidati, char d);

}  // namespace kelvaro
