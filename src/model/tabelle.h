#pragma once
// Tables of the current schema and the helpers every solver and display routine shares.
// Tables are 10 x 10, indexed 0..9, rows first; only rows and columns 1..N are used.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro {

constexpr int DimMax = 9;

// A 10 x 10 table of cell texts. The user-provided constructor keeps `Tabella t{}` away from
// clang 14's aggregate value-initialisation, which crashes the compiler on this shape.
struct Tabella {
    Tabella() {}
    std::array<std::array<std::string, 10>, 10> celle;

    std::array<std::string, 10>& operator[](size_t i) { return celle[i]; }
    const std::array<std::string, 10>& operator[](size_t i) const { return celle[i]; }
    bool operator==(const Tabella& o) const { return celle == o.celle; }
};

// Eight 0/1 flags per cell; every sign is stored on both its cells with mirrored meaning.
struct SegniCella {
    uint8_t MagSin = 0;  // greater than the left neighbour
    uint8_t MagDes = 0;  // greater than the right neighbour
    uint8_t MagSu = 0;   // greater than the neighbour above
    uint8_t MagGiu = 0;  // greater than the neighbour below
    uint8_t MinSin = 0;
    uint8_t MinDes = 0;
    uint8_t MinSu = 0;
    uint8_t MinGiu = 0;
    bool operator==(const SegniCella& o) const {
        return MagSin == o.MagSin && MagDes == o.MagDes && MagSu == o.MagSu && MagGiu == o.MagGiu &&
               MinSin == o.MinSin && MinDes == o.MinDes && MinSu == o.MinSu && MinGiu == o.MinGiu;
    }
};

using TabellaSegni = std::array<std::array<SegniCella, 10>, 10>;

// The current schema: size, givens, stored solution, last solve result, signs.
struct Schema {
    int Sizesc = 5;
    Tabella tblSchema;     // givens, "0" = empty; "" until a schema exists
    Tabella tblSoluzione;  // solution as stored in the file
    Tabella tblRisolto;    // result of the last solve
    TabellaSegni tblSegni;
    std::vector<std::string> Vincoli;  // "r1c1r2c2": cell 1 greater than cell 2
    bool Caricato = false;             // false until a schema has been loaded or generated

    int NumVincoli() const { return static_cast<int>(Vincoli.size()); }
};

// Every cell 1..n x 1..n becomes "12..n".
void InizializzaTab(Tabella& tbl, int n);
// A cell of tblSchema holds a given: one digit 1..9. "0" is empty, and so is the "" a short
// SCHEMA line leaves.
inline bool EDato(const std::string& cella) {
    return cella.size() == 1 && cella[0] >= '1' && cella[0] <= '9';
}
// Number of givens of tblSchema.
int ContaCelleProblema(const Schema& s);
// "R" r "C" c, as every log sentence names a cell.
std::string DesCella(int r, int c);
// Appends DesCella(r, c) to a line being written.
void AccodaCella(std::string& riga, int r, int c);
// Rebuilds tblSegni from Vincoli; only the direction from cell 1 to cell 2 matters.
void CostruisciSegni(Schema& s);
// Row-major concatenation of cells 1..n x 1..n.
std::string ConcatenaTabella(const Tabella& tbl, int n);

}  // namespace kelvaro
