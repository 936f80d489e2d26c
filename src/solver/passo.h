#pragma once
// The step list and the solve state shared by every recursion level of one solve.
#include <string>
#include <vector>

namespace kelvaro {

struct Passo {
    std::string Codice;  // "I", "T", "U", "R", "C", "E1", "ER", "EC", "MAG", "MIN", "MR", "MC", "SR", "SC"
    int Riga = 0;
    int Colonna = 0;
    std::string Valore;
    std::string Gruppo;
    std::string Eliminazioni;
    std::string Elenco;
    int RigaP = 0;
    int ColonnaP = 0;
    int RigaS = 0;
    int ColonnaS = 0;
};

struct Risolutore {
    std::vector<Passo> Passi{1};  // entry 0 unused; steps are 1..NumPassi
    int NumPassi = 0;
    int PassoCorrente = 0;

    int MaxLivello = 99;
    bool MostraLog = false;
    bool Risolto = false;
    int TecnicheUsate = 0;  // 0 none, 1 subsets, 2 Swordfish, 3 both
    int NumMultipli = 0;
    int NumSwordfish = 0;

    // Findings of the subset and Swordfish searches.
    std::string GruppoTrovato;
    std::string EliminazioniTrovate;
    std::string ElencoTrovato;

    // Every line the log received during the last solve, in order (for kelvaro-cli).
    std::vector<std::string> Trascrizione;
    // Set when the user interrupted a logged solve.
    bool Interrotto = false;
    // A search that records this many steps gives up without a solution: a schema made of
    // contradictory givens and signs could otherwise keep a trial search going for hours.
    // Real schemas stay far below it (the hardest 9 x 9 take a few hundred steps).
    int LimitePassi = 100000;
    bool Esaurito = false;
};

}  // namespace kelvaro
