#include "display/gioco.h"

#include <gtest/gtest.h>

#include "display/modifica.h"
#include "display/visualizza.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using Celle = std::vector<std::pair<int, int>>;

// A 5 x 5 schema on the grid: givens R1C1 = 2 and R3C4 = 5, one sign R1C2 > R1C3.
class Gioco : public ::testing::Test {
protected:
    void SetUp() override {
        test::MostraSchemaPiccolo(b);
        ColoraSchema(b);
        b.modifica.InGioco = true;
    }
    void Scrivi(const std::vector<std::array<int, 3>>& voci) {
        for (const auto& [r, c, d] : voci) ASSERT_TRUE(ScriviCella(b, r, c, d));
    }
    static std::vector<int> Cifre(uint16_t m) {
        std::vector<int> v;
        for (int d = 1; d <= 9; ++d)
            if (m & (1u << d)) v.push_back(d);
        return v;
    }
    Banco b;
};

// A solution of the schema above.
const int Soluzione[5][5] = {
    {2, 5, 1, 3, 4}, {5, 1, 3, 4, 2}, {3, 4, 2, 5, 1}, {1, 3, 4, 2, 5}, {4, 2, 5, 1, 3}};

TEST_F(Gioco, ErroriSoloDelleCifreAMano) {
    struct Caso {
        const char* nome;
        std::vector<std::array<int, 3>> voci;
        Celle celle;
        Celle segni;  // grid positions
    } casi[] = {
        {"ripete un dato nella riga: solo la cifra a mano", {{1, 3, 2}}, {{1, 3}}, {}},
        {"ripetuta nella colonna: entrambe", {{2, 1, 3}, {4, 1, 3}}, {{2, 1}, {4, 1}}, {}},
        {"segno violato", {{1, 2, 1}, {1, 3, 4}}, {}, {{1, 4}}},
        {"segno uguale: violato", {{1, 2, 3}, {1, 3, 3}}, {{1, 2}, {1, 3}}, {{1, 4}}},
        {"segno rispettato", {{1, 2, 4}, {1, 3, 1}}, {}, {}},
        {"un lato vuoto non viola", {{1, 3, 4}}, {}, {}},
        {"riga e colonna diverse non contano", {{2, 2, 3}, {4, 4, 3}}, {}, {}},
    };
    for (const Caso& caso : casi) {
        SetUp();
        Scrivi(caso.voci);
        const Segnalazioni s = CercaErrori(b);
        EXPECT_EQ(s.Celle, caso.celle) << caso.nome;
        EXPECT_EQ(s.Segni, caso.segni) << caso.nome;
    }
}

TEST_F(Gioco, ErroriInRossoSoloInGiocoEIlModelloNonCambia) {
    Scrivi({{1, 2, 1}, {1, 3, 4}, {2, 1, 2}});
    const Griglia g = GrigliaDaMostrare(b);
    EXPECT_EQ(g.Cella(1, 4).CellForeColor, ColoreErrore);  // the sign
    EXPECT_EQ(g.Cella(3, 1).CellForeColor, ColoreErrore);  // R2C1 repeats the given 2
    EXPECT_EQ(g.Cella(1, 1).CellForeColor, ColoreNero);    // the given stays black
    EXPECT_EQ(g.Cella(1, 3).CellForeColor, ColoreBlu);
    EXPECT_EQ(b.Gr.Cella(3, 1).CellForeColor, ColoreBlu);
    // A solve's result or the log: the design's colours only.
    b.modifica.InGioco = false;
    EXPECT_EQ(GrigliaDaMostrare(b).Cella(3, 1).CellForeColor, ColoreBlu);
}

TEST_F(Gioco, CifreAmmesseDaRigheColonneESegni) {
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 2)), (std::vector<int>{3, 4, 5}));  // greater: not 1; 2 in the row
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 3)), (std::vector<int>{1, 3, 4}));  // smaller: not 5
    EXPECT_EQ(Cifre(CifreAmmesse(b, 3, 1)), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(CifreAmmesse(b, 1, 1), 0);  // a given
    Scrivi({{1, 2, 3}});
    EXPECT_EQ(CifreAmmesse(b, 1, 2), 0);
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 3)), (std::vector<int>{1}));  // below 3, and 2 is taken
    // A chain R1C2 > R1C3 > R1C4: bounds carry along it.
    SetUp();
    b.schema.Vincoli = {"1213", "1314"};
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 2)), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 3)), (std::vector<int>{3, 4}));
    EXPECT_EQ(Cifre(CifreAmmesse(b, 1, 4)), (std::vector<int>{1, 3}));
}

TEST_F(Gioco, GrigliaRisoltaSoloPienaEGiusta) {
    EXPECT_FALSE(GrigliaRisolta(b));
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (b.schema.tblSchema[r][c] == "0") {
                ASSERT_TRUE(ScriviCella(b, r, c, Soluzione[r - 1][c - 1]));
            }
    EXPECT_TRUE(GrigliaRisolta(b));
    // Swapping R1C2 and R1C3 keeps rows and columns whole but breaks the sign.
    ScriviCella(b, 1, 2, 1);
    ScriviCella(b, 1, 3, 5);
    EXPECT_FALSE(GrigliaRisolta(b));
    ScriviCella(b, 1, 3, 10);
    EXPECT_FALSE(GrigliaRisolta(b));
}

TEST_F(Gioco, CifraPostaTogliNoteDiRigaEColonna) {
    ASSERT_TRUE(CommutaNota(b, 1, 3, 4));
    ASSERT_TRUE(CommutaNota(b, 1, 3, 1));
    ASSERT_TRUE(CommutaNota(b, 5, 2, 4));
    ASSERT_TRUE(CommutaNota(b, 2, 3, 4));  // another row and column: stays
    ASSERT_TRUE(CommutaNota(b, 1, 2, 4));
    EXPECT_FALSE(CommutaNota(b, 1, 1, 4));  // a given
    EXPECT_FALSE(CommutaNota(b, 1, 2, 6));  // above N
    Scrivi({{1, 2, 4}});
    EXPECT_EQ(b.modifica.Note[1][3], 1u << 1);
    EXPECT_EQ(b.modifica.Note[5][2], 0);
    EXPECT_EQ(b.modifica.Note[2][3], 1u << 4);
    EXPECT_FALSE(CommutaNota(b, 1, 2, 3));  // a filled cell takes no notes
    // One undo brings back the digit's cell and every note it cleared.
    AnnullaMossa(b);
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "");
    EXPECT_EQ(b.modifica.Note[1][3], (1u << 1) | (1u << 4));
    EXPECT_EQ(b.modifica.Note[5][2], 1u << 4);
    RifaiMossa(b);
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "4");
    EXPECT_EQ(b.modifica.Note[5][2], 0);
}

TEST_F(Gioco, AnnullaERipeti) {
    Scrivi({{1, 2, 3}, {2, 2, 4}});
    CommutaNota(b, 3, 3, 1);
    EXPECT_EQ(b.modifica.NumMosse(), 3);
    while (b.modifica.NumMosse() > 0) AnnullaMossa(b);
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "");
    EXPECT_EQ(b.modifica.Note[3][3], 0);
    EXPECT_FALSE(b.modifica.UndoAbilitato);
    EXPECT_TRUE(PuoRifare(b));
    RifaiMossa(b);
    RifaiMossa(b);
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "3");
    EXPECT_EQ(b.Gr.Cella(3, 3).Testo, "4");
    EXPECT_TRUE(b.modifica.UndoAbilitato);
    // A new move forgets what could be redone.
    Scrivi({{5, 5, 1}});
    EXPECT_FALSE(PuoRifare(b));
    RifaiMossa(b);
    EXPECT_EQ(b.modifica.Note[3][3], 0);
    EXPECT_EQ(b.modifica.NumMosse(), 3);
}

TEST_F(Gioco, ValidiRiempieLeNoteInUnaMossa) {
    Scrivi({{1, 2, 3}});
    ASSERT_TRUE(RiempiNoteValide(b));
    EXPECT_EQ(b.modifica.NumMosse(), 2);
    EXPECT_EQ(Cifre(b.modifica.Note[1][3]), (std::vector<int>{1}));
    EXPECT_EQ(Cifre(b.modifica.Note[3][1]), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(b.modifica.Note[1][1], 0);  // givens and filled cells get none
    EXPECT_EQ(b.modifica.Note[1][2], 0);
    EXPECT_FALSE(RiempiNoteValide(b));  // nothing left to change: no move
    AnnullaMossa(b);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) EXPECT_EQ(b.modifica.Note[r][c], 0);
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "3");
}

}  // namespace
}  // namespace kelvaro
