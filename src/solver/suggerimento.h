#pragma once
// The next step from a player's own position, for the hint of the window, of kelvaro-cli and of
// the published pages. It runs the step solver's own detections on a scratch solve: nothing of
// the caller's state (window, step list of the last solve, random draw) is touched.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/tabelle.h"
#include "rules/regole.h"

namespace kelvaro {

struct CandidatoTolto {
    int Riga = 0;
    int Colonna = 0;
    int Cifra = 0;
};

// The candidates a cell keeps after the step ("235").
struct CandidatiRimasti {
    int Riga = 0;
    int Colonna = 0;
    std::string Cifre;
};

// Pencil marks of a position: bit d (1..9) set when the player noted digit d in the cell.
using NoteGriglia = std::array<std::array<uint16_t, 10>, 10>;

struct Suggerimento {
    enum class Esito {
        Passo,    // a logical step: the fields below describe it
        Errore,   // an entry contradicts the solution, or the position is contradictory: CelleErrate
        Nessuno,  // no logical step is left: only a trial would go on (CellaProva)
        Completo  // every cell is already filled in and right
    };
    Esito esito = Esito::Nessuno;
    std::string Codice;                          // the step code ("U", "R", "C", "MAG", "MIN", "MR", ...)
    std::vector<CellaRC> CelleDecise;            // cells the step places a digit in
    int Valore = 0;                              // the digit placed, for the single-value steps
    std::vector<CandidatoTolto> Tolti;           // candidates the step removes
    std::vector<CandidatiRimasti> Restano;       // what the cells of Tolti keep, in the same cell order
    std::vector<CellaRC> CelleMotivo;            // cells that justify it (sign pair, subset, Swordfish lines)
    std::vector<std::string> Frasi;              // the step's log lines, as the log writes them
    std::vector<CellaRC> CelleErrate;            // wrong or contradictory cells (Errore); never a given
                                                 // unless the givens themselves break a rule
    std::vector<CandidatiRimasti> NoteCorrette;  // Errore on notes: what the cells' notes become
                                                 // once mended (the right digit put back)
    CellaRC CellaProva;                          // the cell a trial would pick (Nessuno)
    std::string Motivo;                          // Errore, Nessuno, Completo: what the player reads
};

// s: the schema (size, givens, signs). voci: the player's grid, "1".."9" for a filled cell and
// "0" or "" for an empty one; givens may be repeated there. note: the player's pencil marks, or
// nullptr. AttivaMultipli as the settings hold it (+1 naked subsets, +2 Swordfish, +4 the master
// tier).
Suggerimento CalcolaSuggerimento(const Schema& s, const Tabella& voci, const NoteGriglia* note,
                                 int AttivaMultipli = 3);

// The schema's solutions counted up to 2 by the exact counter; with exactly one, sol receives it.
// 0 when the givens or the signs break a rule already.
int SoluzioneUnica(const Schema& s, Cifre& sol);

// The notes a digit list stands for ("235": bits 2, 3 and 5), as the Restano and NoteCorrette
// lists give them; characters other than 1..9 count for nothing.
uint16_t NoteDaCifre(const std::string& cifre);

// The position after the player carries out step h as the window and the pages do: the digit
// placed in the cells it decides (their notes cleared), and the notes the step leaves in the
// cells it removes candidates from. Anything but a step changes nothing.
void ApplicaSuggerimento(const Suggerimento& h, Tabella& voci, NoteGriglia& note);

// The answer as lines: "passo: " and the code (or "errore", "nessuno"), a "frase: " line for every
// log line of the step, then "decise: ", "valore: ", "tolti: ", "restano: ", "giustificano: ", "errate: ",
// "prova: ", "motivo: " where they apply. kelvaro-cli and the page module print the same text.
std::string TestoSuggerimento(const Suggerimento& h);

// The page's request as one text, "N|givens|signs|entries|notes|techniques": givens and entries
// N x N digits row after row (0 = empty; entries may be left out), signs "r1c1r2c2" groups run
// together (cell 1 greater than cell 2), notes N x N digit groups separated by commas (empty:
// none), techniques 0..7 (3 when left out). Answers with TestoSuggerimento's lines.
std::string RispondiRichiesta(const std::string& richiesta);

}  // namespace kelvaro
