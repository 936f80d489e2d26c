#pragma once
// The public settings of the main window (the schema size lives with the schema, Schema::Sizesc).
#include <cstdint>

namespace kelvaro {

struct Impostazioni {
    bool GeneraAuto = false;
    int CelleIniziali = 2;      // "Celle Iniziali"
    int MaxCercaVincoli = 10;   // "Profondità analisi"
    bool GenCont = false;       // continuous generation
    int MaxCiclo1 = 2;          // "Cicli primari"
    int MaxCiclo2 = 2;          // "Cicli secondari"
    int Soglia = 11;            // "Soglia Cicli"
    bool OutputSchema = false;  // "Salva tutti gli schemi"
    int AttivaMultipli = 3;     // +1 naked subsets, +2 Swordfish
};

// Cycle state of the generation step (Bytes).
struct Cicli {
    uint8_t MisuraCiclo = 0;
    uint8_t ContaCiclo1 = 0;
    uint8_t ContaCiclo2 = 0;
};

}  // namespace kelvaro
