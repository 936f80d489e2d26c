#pragma once
// The difficulty shown to players: the design's level number, and a group word that never calls
// easy a schema whose solve needed a trial.
#include <string>

#include "solver/passo.h"

namespace kelvaro {

struct GradoSchema {
    long Livello = 0;        // the number of the title: Format(2S + M, "00") & S & M
    int Gruppo = 0;          // 0 easy, 1 medium, 2 difficult
    bool Tentativo = false;  // the solve tried values of a cell ("Provo")
    int Multipli = 0;        // subset steps
    int Swordfish = 0;       // Swordfish steps
};

// Level 0 without a trial is easy; 300 and above difficult; everything else, a level-0 solve
// that needed a trial included, medium.
GradoSchema ValutaGrado(int Swordfish, int Multipli, bool Tentativo);
// The grade of the last solve.
GradoSchema GradoDelRisolutore(const Risolutore& ris);

const char* ChiaveGrado(int gruppo);  // "facile", "medio", "difficile"
const char* ParolaGrado(int gruppo);  // "Facile", "Medio", "Difficile"
// Identifier prefix of the group: "F_", "M_", "D_".
std::string PrefissoGrado(int gruppo);
// How the level was reached, in one sentence ("Tecniche: singoli e disuguaglianze; nessun
// tentativo.").
std::string ComeGrado(const GradoSchema& g);
// The script statements that hand the page the grade (variables grado, gradoParola, gradoCome,
// gradoTentativo, gradoLivello).
std::string DatiGradoScript(const GradoSchema& g);

}  // namespace kelvaro
