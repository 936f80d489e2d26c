#pragma once
// The master tier (+4 of AttivaMultipli): deductions past naked subsets and Swordfish, tried in
// order of simplicity after them and before a trial. Each has its pure search on masks and its
// step code:
//   "NR"/"NC"  hidden subsets: k digits of a row (column) with places in k cells only;
//   "CS"       sign chains: a cell above (below) several cells of one line through the signs;
//   "CF"       forcing chain: a candidate whose singles and signs lead to a contradiction.
#include <string>
#include <vector>

#include "solver/maschere.h"
#include "solver/propagazione.h"
#include "solver/risoluzione.h"
#include "solver/tecniche.h"

namespace kelvaro {

// --- pure searches ------------------------------------------------------------------------------

// Hidden subsets (nascosti.cpp). celle[0..n-1]: the line's cells. The first set of k digits
// (ascending, lexicographic) not yet decided in the line, each with 2..k places among its
// undecided cells, whose places are k cells together that hold some other digit; g.Posizioni
// gets the cells, g.Cifre the k digits.
bool VerificaNascosti(const Maschera* celle, int n, int k, Gruppo& g);

// Sign chains (catene_segni.cpp). Following the signs from a cell reaches the cells it must
// exceed (or stay below); two or more of them in one line hold different digits, so the cell
// exceeds the k-th smallest digit those k cells can hold together (stays below the k-th largest).
struct CatenaDiSegni {
    int Cella = 0;
    bool Maggiore = true;
    bool PerRiga = true;                     // the line of Membri is a row (else a column)
    int Linea = 0;                           // 0-based
    std::vector<int> Membri;                 // ascending
    std::vector<std::vector<int>> Percorsi;  // per member: Cella, the cells between, the member
    Maschera Via = 0;
};
// Cells in row-major order, "greater" before "less", rows before columns; false when nothing.
bool VerificaCatenaSegni(const GrigliaBit& g, const CoppieDiSegni& segni, CatenaDiSegni& out);

// Forcing chain (catena_forzata.cpp): of every undecided cell and candidate whose propagation
// (singles, hidden singles, sign bounds, in rounds) ends in a contradiction within maxGiri rounds,
// the one with the fewest; on equal length the first in row-major order, then digit.
struct CatenaForzata {
    int Cella = 0;
    int Cifra = 0;
    std::vector<Deduzione> Dedotte;
    Contraddizione dove;
};
bool VerificaCatenaForzata(const GrigliaBit& g, const CoppieDiSegni& segni, int maxGiri, CatenaForzata& out);
// The longest chain, in rounds, the step solver looks for: past it a trial is the honest answer
// (measured on Tatham's Unequal: its Extreme schemas need no more, most Recursive ones do).
inline constexpr int LunghezzaMaxCatena = 5;

// --- the step solver's side (maestro.cpp and the technique files) -------------------------------

// Indices of Risolutore::NumMaestro.
enum TecnicaMaestro { MaestroNascosti = 0, MaestroCateneSegni = 1, MaestroCateneForzate = 2 };

// The tier's entries of the technique table (solver/tabella_tecniche.h), in its order.
bool CercaNascostiMaestro(Risoluzione& b, const Tavola& t);
bool CercaCatenaSegniMaestro(Risoluzione& b, const Tavola& t);
bool CercaCatenaForzataMaestro(Risoluzione& b, const Tavola& t);
void EseguiCatenaSegni(const Passo& p, Tavola& t, EffettoPasso& e);
void EseguiCatenaForzata(const Passo& p, Tavola& t, EffettoPasso& e);

// The level's table and the schema's signs as the pure searches take them.
GrigliaBit GrigliaDa(const Tavola& t);
CoppieDiSegni SegniDi(const Schema& s);

bool CercaNascosti(Risoluzione& b, const Tavola& t);
bool CercaCatenaSegni(Risoluzione& b, const Tavola& t, const GrigliaBit& g, const CoppieDiSegni& segni);
bool CercaCatenaForzata(Risoluzione& b, const Tavola& t, const GrigliaBit& g, const CoppieDiSegni& segni);

// A cell as the two digits "rc" the steps keep (1-based), and back.
std::string CoppiaCella(int cella, int n);

}  // namespace kelvaro
