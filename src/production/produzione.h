#pragma once
// Batch production: the loop of the "/prod" window over the INI rules, kept in the core so that
// it runs and is tested without a display. The window (or kelvaro-cli) supplies the caption, the
// one yield per schema and the interrupt.
#include <functional>
#include <string>

#include "banco.h"

namespace kelvaro {

struct EventiProduzione {
    // Shows the progress caption ("Futoshiki Regola R di NR Schema I di S").
    std::function<void(const std::string&)> Didascalia;
    // Repaints and lets pending window events run once; true when Esc asked to stop.
    std::function<bool()> Cedi;
    // The main window's load step, run before the first schema; CaricamentoForm1 when empty.
    std::function<void()> CaricaForm1;
};

struct EsitoProduzione {
    int Salvati = 0;          // schema files written
    bool Interrotto = false;  // Esc
    bool Fermato = false;     // a rule's folder could not be written
};

// Rule values a setting can hold: every numeric value a Byte (0..255), SIZESC 2..9.
// "" when the rule can be produced, otherwise the Italian reason.
std::string ControllaRegola(const Regola& r);

// EseguiGeneraAuto: for each rule 1..NumRegole (at most 20) and each of its SCHEMI schemas: the
// caption, the yield (Esc ends the run there), the rule's values into the settings, and the
// generation step. A rule whose values no setting can hold is skipped with a message naming it;
// a DIR that cannot be written stops the run with a message naming the folder.
EsitoProduzione EseguiGeneraAuto(Banco& b, const EventiProduzione& eventi);

// The caption before schema i of rule k.
std::string DidascaliaProduzione(int regola, int numRegole, int schema, int numSchemi);

}  // namespace kelvaro
