#pragma once
// Batch production: the loop of the "/prod" window over the INI rules, kept in the core so that
// it runs and is tested without a display. The window (or kelvaro-cli) supplies the caption, the
// one yield per schema and the interrupt.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "banco.h"
#include "production/generazione.h"
#include "solver/difficolta.h"

namespace kelvaro {

// What the step solver needed for a schema, or what a rule asks every schema to need:
// Nessuna = neither naked subsets nor Swordfish; Sottoinsiemi = subsets, no Swordfish;
// Swordfish = at least one Swordfish step; Entrambe = at least one step of each. Maestro asks for
// more than the generator's check can see: schemas the master tier finishes without a trial and
// the rule's techniques alone do not (see IndurisciPerMaestro).
enum class Richiesta { Qualsiasi, Nessuna, Sottoinsiemi, Swordfish, Entrambe, Maestro };

// "" is Qualsiasi; the five words in any case; nullopt for anything else.
std::optional<Richiesta> LeggiRichiesta(const std::string& testo);
// "nessuna", "sottoinsiemi", "swordfish", "entrambe", "maestro" ("qualsiasi").
std::string NomeRichiesta(Richiesta r);
// The techniques a solve needed, from its subset (M) and Swordfish (S) step counts.
Richiesta TecnicheNecessarie(int M, int S);
bool Soddisfa(Richiesta chiesta, int M, int S);

// Takes clues away from a schema the generator made (signs and givens, in an order drawn from the
// schema itself) while it keeps one solution and the step solver with every technique still
// finishes it without a trial. True when the result needs the master tier: with the techniques
// `tecniche` alone (0..3) a trial would be needed. s keeps its solution.
bool IndurisciPerMaestro(Schema& s, int tecniche);

// One schema written by the run.
struct SchemaScritto {
    std::string File;  // path (the automatic name in the rule's folder)
    std::string Cartella;
    int Dimensione = 0;
    long Livello = 0;  // the automatic name's level
    int Multipli = 0;  // subset steps of the step solver
    int Swordfish = 0;
    int Segni = 0;
    int Dati = 0;
    double Secondi = 0;  // from the start of this schema to its file, misses included
    size_t Byte = 0;
};

struct EventiProduzione {
    // Shows the progress caption ("Futoshiki Regola R di NR Schema I di S").
    std::function<void(const std::string&)> Didascalia;
    // Repaints and lets pending window events run once; true when Esc asked to stop.
    std::function<bool()> Cedi;
    // The main window's load step, run before the first schema; CaricamentoForm1 when empty.
    std::function<void()> CaricaForm1;
    // The generation step; DoGeneraAutoF1 when empty (tests put a failing one in its place).
    std::function<void(Banco&)> Genera;
    // A schema has been written; `totale` is the number of schemas the run asks for.
    std::function<void(const SchemaScritto&, int scritti, int totale)> Scritto;
};

struct EsitoProduzione {
    int Salvati = 0;          // schema files written
    int Totale = 0;           // schema files the rules ask for (rules that can be produced)
    int Mancati = 0;          // schemas the generation step could not give
    bool Interrotto = false;  // Esc
    bool Fermato = false;     // a rule's folder could not be written
    std::vector<SchemaScritto> Scritti;
};

// Rule values a setting can hold: every numeric value a Byte (0..255), SIZESC 2..9, a RICHIEDE
// the rule's techniques can reach. "" when the rule can be produced, otherwise the Italian reason.
std::string ControllaRegola(const Regola& r);

// The schemas the rules ask for: SCHEMI of every rule 1..NumRegole (at most 20) that can be produced.
int SchemiDaProdurre(const Configurazione& conf);

// EseguiGeneraAuto: for each rule 1..NumRegole (at most 20) and each of its SCHEMI schemas: the
// caption, the yield (Esc ends the run there), the rule's values into the settings, and the
// generation step. A rule whose values no setting can hold is skipped with a message naming it;
// a DIR that cannot be written stops the run with a message naming the folder. A schema the
// generation step cannot give is reported and the run goes on; a schema that repeats one of the
// run, or that does not need what RICHIEDE asks, is not written and the step runs again.
EsitoProduzione EseguiGeneraAuto(Banco& b, const EventiProduzione& eventi);

// The caption before schema i of rule k.
std::string DidascaliaProduzione(int regola, int numRegole, int schema, int numSchemi);

// The run's summary by size and level, as printed lines and as CSV (CR LF lines):
// dimensione,livello,tecniche,schemi,passi_sottoinsiemi,passi_swordfish,segni,dati,secondi_per_schema
// (the last five are means over the group's schemas).
std::string RiepilogoTesto(const std::vector<SchemaScritto>& scritti);
std::string RiepilogoCsv(const std::vector<SchemaScritto>& scritti);
// Writes the CSV of each folder's schemas into that folder as "riepilogo_AAMMGGHHMMSS.csv"
// (b.Orologio); returns the paths written. A folder that refuses it gets a message.
std::vector<std::string> ScriviRiepiloghi(Banco& b, const std::vector<SchemaScritto>& scritti);

}  // namespace kelvaro
