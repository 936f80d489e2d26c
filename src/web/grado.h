#pragma once
// The difficulty shown to players: the design's level number, and the difficulty's name with the
// group of the index it falls in. The name, its group and the counts shown come from what the
// solve needs before any trial; the level number is the one the title always carried.
#include <array>
#include <string>

#include "solver/difficolta.h"
#include "solver/passo.h"

namespace kelvaro {

struct GradoSchema {
    long Livello = 0;  // the number of the title: Format(2S + M, "00") & S & M
    Difficolta Nome = Difficolta::Facile;
    int Gruppo = 0;                // 0 easy (Facile), 1 medium (Medio, Difficile), 2 difficult (the rest)
    bool Tentativo = false;        // a trial is still needed with every technique (Diabolico)
    int Multipli = 0;              // steps before any trial: naked subsets,
    int Swordfish = 0;             // Swordfish,
    std::array<int, 3> Maestro{};  // and the master tier's (Risolutore::NumMaestro)
};

GradoSchema ValutaGrado(long livello, const GiudizioDifficolta& giudizio);
// A schema's grade: its level from the last solve of ris, its name judged afresh.
GradoSchema GradoSchemaRisolto(const Schema& s, const Risolutore& ris);

int GruppoDifficolta(Difficolta d);
const char* ChiaveGrado(int gruppo);  // "facile", "medio", "difficile"
// Identifier prefix of the group: "F_", "M_", "D_".
std::string PrefissoGrado(int gruppo);
// What the solve used, in one sentence ("Tecniche: singoli e disuguaglianze; nessun
// tentativo.").
std::string ComeGrado(const GradoSchema& g);
// The script statements that hand the page the grade (variables grado, gradoParola, gradoCome,
// gradoTentativo, gradoLivello).
std::string DatiGradoScript(const GradoSchema& g);

}  // namespace kelvaro
