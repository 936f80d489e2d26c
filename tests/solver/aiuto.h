#pragma once
// Building small schemas in code for the solver tests.
#include <string>
#include <vector>

#include "banco.h"
#include "solver/risolvi.h"

namespace kelvaro::test {

// A loaded schema of size n: givens row by row ("0" = empty), constraint lines "r1c1r2c2".
void PreparaSchema(Banco& b, int n, const std::string& dati, const std::vector<std::string>& vincoli = {});
// Candidate table from strings row by row (n * n entries).
Tabella TabellaDa(int n, const std::vector<std::string>& celle);
// True when tbl is a complete Latin square of size n satisfying the givens and every sign.
bool RispettaSchema(const Schema& s, const Tabella& tbl, std::string* motivo = nullptr);
// The .txt files of the given folders of the source tree ("/bench/schemi", ...), sorted; a folder
// that is missing adds nothing.
std::vector<std::string> FileSchemi(const std::vector<std::string>& cartelle);

}  // namespace kelvaro::test

namespace kelvaro::test {

// Makes p the only step of the list and the one being carried out.
void ImpostaPassoCorrente(Banco& b, const Passo& p);
// Background colour of the display cell of (r, c).
long Sfondo(const Banco& b, int r, int c);

}  // namespace kelvaro::test

namespace kelvaro {

// The solver's procedures on string tables (candidates ascending), as the tests write positions.
// Each reads the strings into a fresh level table, so no shortcut of a solver-made table applies.
bool EseguiPasso(Risoluzione& b, Tabella& tblS, Tabella& tblE);
bool Rileva(Risoluzione& b, const Tabella& tblS, const Tabella& tblE);
bool CercaMultipli(Risoluzione& b, const Tabella& tblS);
bool CercaSwordfish(Risoluzione& b, const Tabella& tblS);
bool CercaSegni(Risoluzione& b, const Tabella& tblS);
bool VerificaMaggiore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tabella& tblS);
bool VerificaMinore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tabella& tblS);
void EseguiEliminazioni(Risoluzione& b, const std::string& Eliminazioni, Tabella& tblS);
bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct);

}  // namespace kelvaro
