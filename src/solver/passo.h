#pragma once
// The step list and the solve state shared by every recursion level of one solve.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/casuale.h"
#include "rules/regole.h"

namespace kelvaro {

struct Passo {
    std::string Codice;  // "I", "T", "U", "R", "C", "E1", "ER", "EC", "MAG", "MIN", "MR", "MC", "SR", "SC",
                         // and the master tier's "NR", "NC", "CS", "CF" (solver/avanzate.h)
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

// Digits a step struck from one cell: one "Elimino" line of the log, one yellow cell.
struct Tolta {
    int Riga = 0;
    int Colonna = 0;
    uint16_t Cifre = 0;  // bit v - 1 = digit v
};

// What carrying out a step did, recorded as it happened: the log's sentences, the cell colours and
// the hint are all written from it, and no technique writes a sentence or colours a cell itself.
struct EffettoPasso {
    bool Posa = false;            // Valore was placed in (Riga, Colonna)
    bool Contraddizione = false;  // (Riga, Colonna) is where the position broke
    std::vector<CellaRC> Motivo;  // the cells that justify the step, each once, in sentence order
    std::vector<Tolta> Tolte;     // in the order they were struck

    void Svuota() {
        Posa = Contraddizione = false;
        Motivo.clear();
        Tolte.clear();
    }
    // The cell joins the reasons once.
    void Giustifica(int r, int c) {
        const CellaRC x{r, c};
        for (const CellaRC& m : Motivo)
            if (m == x) return;
        Motivo.push_back(x);
    }
};

// What a solve reports as it goes. The solver hands over every step it carried out with the lines
// it wrote to the log, and the closing lines of the solve; what to keep is the receiver's choice
// (the command line prints and forgets, the tests keep the transcript). Cell colours go to the
// display grid as before.
class Resoconto {
public:
    virtual ~Resoconto() = default;
    // After each step, with what it did and the lines written from that; false stops the solve
    // there, as an interrupt from the log window does.
    virtual bool PassoEseguito(const Passo& p, const EffettoPasso& e,
                               const std::vector<std::string>& righe) = 0;
    // A line that belongs to no step ("Lo schema non ha soluzione").
    virtual void Riga(const std::string& testo) = 0;
};

// For callers that read only the result and the counters: the lines go nowhere.
class ResocontoMuto final : public Resoconto {
public:
    bool PassoEseguito(const Passo&, const EffettoPasso&, const std::vector<std::string>&) override {
        return true;
    }
    void Riga(const std::string&) override {}
};

// The closing line of a solve that proved the schema has no solution.
inline constexpr const char* FraseSenzaSoluzione = "Lo schema non ha soluzione";

struct Risolutore {
    // Steps Base..NumPassi are held, step k at Passi[k - Base]; entry 0 is step Base (0 unused at
    // the start). Base moves only when ConservaPassi is off: then the steps already carried out
    // are dropped whenever none is pending, so a long search holds a handful of steps.
    std::vector<Passo> Passi{1};
    int Base = 0;
    bool ConservaPassi = true;
    int NumPassi = 0;
    int PassoCorrente = 0;

    int MaxLivello = 99;
    bool MostraLog = false;
    bool Risolto = false;
    int TecnicheUsate = 0;  // 0 none, 1 subsets, 2 Swordfish, 3 both
    int NumMultipli = 0;
    int NumSwordfish = 0;
    // Steps of the master tier: hidden subsets, sign chains, forcing chains (TecnicaMaestro).
    std::array<int, 3> NumMaestro{};
    // How many of the master tier's techniques run, in their order: the grade asks fewer.
    int TecnicheMaestro = 3;

    // Findings of the subset and Swordfish searches.
    std::string GruppoTrovato;
    std::string EliminazioniTrovate;
    std::string ElencoTrovato;
    // What the step being carried out did (kept for its storage from one step to the next).
    EffettoPasso Effetto;

    // Where the solve reports; nullptr keeps every line in Trascrizione.
    Resoconto* resoconto = nullptr;
    // Every line the log received during the last solve, in order, when no Resoconto is set.
    std::vector<std::string> Trascrizione;
    // Set when the user (or the Resoconto) interrupted the solve.
    bool Interrotto = false;
    // Trial steps ("T") recorded by the last solve.
    int NumProve = 0;
    // Past this many steps the exact counter is asked once whether the schema has a solution at
    // all: a schema of contradictory givens and signs could keep a trial search going for hours.
    // When it has none the search stops there (Esaurito); when it has one the search goes on to
    // the end, however long: no step count ever decides the answer.
    int LimitePassi = 100000;
    bool SoluzioneCerta = false;
    bool Esaurito = false;
    // A trial was refused at MaxLivello: an unsolved end then proves nothing.
    bool Troncato = false;
    // The solve proved there is no solution and said so with FraseSenzaSoluzione.
    bool SenzaSoluzione = false;

    // The trial order's draws: this sequence when set (a grade), else the process-wide one.
    std::optional<SequenzaCasuale> Sequenza;

    Passo& PassoN(int k) { return Passi[static_cast<size_t>(k - Base)]; }
    const Passo& PassoN(int k) const { return Passi[static_cast<size_t>(k - Base)]; }
};

}  // namespace kelvaro
