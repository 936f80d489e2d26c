#pragma once
// The step solver's techniques, one entry each, in the order a detection pass tries them: what
// finds a step, what carries it out with its sentences, the step codes it records, the bit of the
// techniques setting that switches it on and the counter its steps go to. The driver walks it to
// find the next step and dispatches a step's code through it; the counters, the grade and the
// settings read it. A new technique is one new entry.
#include <array>
#include <string>

#include "solver/risoluzione.h"

namespace kelvaro {

struct Tavola;

struct Tecnica {
    const char* Nome;
    int Bit;  // of AttivaMultipli (+1 naked subsets, +2 Swordfish, +4 the master tier); 0: always on
    std::array<const char*, 2> Codici;
    int Risolutore::*Contatore;                  // nullptr: its steps are not counted
    bool (*Cerca)(Risoluzione&, const Tavola&);  // records at most one step; nullptr: never found
    // Carries out a step on the level's table and records what it did.
    void (*Esegui)(const Passo&, Tavola&, EffettoPasso&);
    // The step's opening sentences (solver/frasi.cpp); the lines of what it struck follow.
    void (*Frase)(const Passo&, LogSoluzione&);
};

// In detection order. The first entry places givens and trial values: the driver records those.
const std::array<Tecnica, 10>& Tecniche();

// The entry that records `codice`; nullptr for none.
const Tecnica* TecnicaDelCodice(const std::string& codice);
// The entry switched on by `bit`; nullptr for none.
const Tecnica* TecnicaDelBit(int bit);

// The log lines of a step the entry carried out: its sentences, then an "Elimino" line for every
// group of digits it struck, in order.
void ScriviFrasi(const Tecnica& k, const Passo& p, const EffettoPasso& e, LogSoluzione& log);
// The step's colours: placed and justifying cells green, then the cells that lost digits yellow,
// the contradiction's cell red.
void ColoraPasso(const Passo& p, const EffettoPasso& e, Spettatore& s);
// Whether the settings' techniques switch the entry on.
inline bool Attiva(const Tecnica& k, int AttivaMultipli) {
    return k.Bit == 0 || (AttivaMultipli & k.Bit) != 0;
}

}  // namespace kelvaro
