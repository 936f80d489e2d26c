#pragma once
// The generator's inner check: "is this schema solved without any trial by the techniques
// switched on, and which of the advanced ones does it need?". The deductions are the step
// solver's own (solver/regole_bit.h: singles and sign bounds; solver/tecniche.h: naked subsets of 2
// to 4 cells, Swordfish on two lines), tried in the same order of priority, so that what it says needed is
// what the step solver will count; the saved schema is still graded by the step solver itself. Only the
// driver is its own: every finding is applied at once, and only the cells, lines and digits that
// changed are looked at again.
#include <array>
#include <cstdint>

#include "solver/contatore.h"

namespace kelvaro {

enum class EsitoLogica { Risolto, Bloccato, Contraddizione };

struct RisultatoLogica {
    EsitoLogica esito = EsitoLogica::Bloccato;
    bool UsaMultipli = false;   // a naked subset was needed
    bool UsaSwordfish = false;  // a Swordfish was needed
    std::array<Maschera, CelleMax> candidati{};
};

// tecniche: +1 naked subsets, +2 Swordfish (the AttivaMultipli bits). Singles and sign bounds are
// always on.
RisultatoLogica RisolviLogica(const SchemaBit& s, int tecniche);

// Bit mask form of the difficulty: +1 naked subsets needed, +2 Swordfish needed.
inline int LivelloLogico(const RisultatoLogica& r) {
    return (r.UsaMultipli ? 1 : 0) | (r.UsaSwordfish ? 2 : 0);
}

struct GeometriaLogica;

// The same check kept open, for a caller that asks it many times about one grid. A given or a
// sign added to a state only takes candidates away, and the techniques reach the same end from
// any state they passed through (each finding stays true with fewer candidates), so the point
// reached so far is a valid start: a state is built up once, copied (it is a plain value), and the
// copy gets what one question adds.
class StatoLogico {
    static constexpr Maschera TutteLeCifre9 = 0x1FF;

public:
    StatoLogico() = default;
    // Size n (1..9), every cell open, no given, no sign.
    StatoLogico(int n, int tecniche);
    // Givens and sign flags of a whole schema.
    StatoLogico(const SchemaBit& s, int tecniche);

    // Cell 0..n*n-1 holds `cifra` (1..9; one outside 1..n empties the cell).
    void AggiungiDato(int cella, int cifra);
    // Switches on sign flags (BitSegno) of one cell.
    void AggiungiSegni(int cella, uint8_t flag);

    // Applies the techniques until nothing changes. With `haSoluzione` (the caller knows the
    // schema has a solution, so no finding can contradict it) it stops as soon as every cell is
    // decided: the digits are then the solution's.
    EsitoLogica Avanza(bool haSoluzione);

    const std::array<Maschera, CelleMax>& Candidati() const { return c_; }
    bool UsaMultipli() const { return usaMultipli_; }
    bool UsaSwordfish() const { return usaSwordfish_; }
    int Aperte() const { return aperte_; }

private:
    void Restringi(int i, Maschera nuova);
    void Regola(int cella, int d);
    bool Propaga(bool haSoluzione);
    bool Nascosti(int linea);
    bool Multipli();
    bool Swordfish();

    int n_ = 0;
    const GeometriaLogica* geo_ = nullptr;  // lines and neighbours of size n_
    int tecniche_ = 0;
    Maschera tutte_ = 0;
    int aperte_ = 0;      // cells with more than one candidate
    bool vuota_ = false;  // some cell lost every candidate
    bool usaMultipli_ = false, usaSwordfish_ = false;
    std::array<Maschera, CelleMax> c_{};
    std::array<uint8_t, CelleMax> segni_{};
    std::array<bool, CelleMax> posto_{};  // a decided cell whose digit left its lines
    // Lines (rows from bit 0, columns from bit 9) with a cell changed since the last subset
    // search; digits of the cells changed since the last Swordfish search.
    uint32_t lineeMult_ = ~0u;
    Maschera cifreSwf_ = TutteLeCifre9;
    // Cells waiting to be looked at, each at most once in the queue; lines to scan for hidden
    // singles.
    std::array<uint8_t, CelleMax> coda_{};
    std::array<bool, CelleMax> inCoda_{};
    unsigned inizio_ = 0, fine_ = 0;
    uint32_t righeDaVedere_ = 0, colonneDaVedere_ = 0;
};

}  // namespace kelvaro
