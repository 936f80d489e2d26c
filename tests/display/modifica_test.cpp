#include "display/modifica.h"

#include <gtest/gtest.h>

#include "display/visualizza.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

// A 5 x 5 schema displayed on the grid: givens R1C1 = 2 and R3C4 = 5, one sign R1C2 > R1C3.
class Modifiche : public ::testing::Test {
protected:
    void SetUp() override {
        test::MostraSchemaPiccolo(b);
        ColoraSchema(b);
    }
    AperturaPalette Click(int i, int j) {
        b.Gr.Row = i;
        b.Gr.Col = j;
        return ClickGriglia(b);
    }
    std::string Testo(int r, int c) { return b.Gr.Cella(2 * r - 1, 2 * c - 1).Testo; }
    void Scrivi(int r, int c, int k) {
        ASSERT_TRUE(Click(2 * r - 1, 2 * c - 1).Mostra);
        TastoPalette(b, k);
    }
    Banco b;
};

TEST_F(Modifiche, PaletteSoloSulleCelleModificabili) {
    struct Caso {
        int i, j;
        bool mostra;
        int riga, colonna;
    } casi[] = {
        {3, 3, true, 2, 2},      // empty cell R2C2
        {1, 1, false, 1, 1},     // given R1C1
        {5, 7, false, 3, 4},     // given R3C4
        {1, 4, false, 1, -1},    // sign between R1C2 and R1C3
        {2, 3, false, -1, 2},    // sign row
        {0, 0, false, -1, -1},   // spacer
        {11, 0, false, -1, -1},  // the hidden row a display leaves current
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.i << "," << c.j);
        EXPECT_EQ(Click(c.i, c.j).Mostra, c.mostra);
        EXPECT_EQ(b.modifica.RigaSel, c.riga);
        EXPECT_EQ(b.modifica.ColonnaSel, c.colonna);
    }
}

TEST_F(Modifiche, PaletteCentrataSullaCella) {
    b.Gr.Cella(5, 5).Testo = "34";
    const AperturaPalette a = Click(5, 5);  // R3C3: rows 0..4 above, columns 0..4 left
    ASSERT_TRUE(a.Mostra);
    EXPECT_EQ(a.Top, 240 + 670 + 240 + 670 + 240 - 352);
    EXPECT_EQ(a.Left, 240 + 670 + 240 + 670 + 240 - 352);
    EXPECT_EQ(a.Tasti, 5);
    EXPECT_EQ(a.Didascalia, "          34");
}

TEST_F(Modifiche, TastiScrivonoCancellanoEAnnullano) {
    b.modifica.UndoAbilitato = false;
    Scrivi(2, 2, 3);
    EXPECT_EQ(Testo(2, 2), "3");
    EXPECT_TRUE(b.modifica.UndoAbilitato);
    Scrivi(2, 2, 3);  // the same digit again is a second move
    Scrivi(4, 5, 9);
    Scrivi(2, 2, 10);  // "0" clears
    EXPECT_EQ(Testo(2, 2), "");
    ASSERT_EQ(b.modifica.NumMosse(), 4);
    const Mossa& m = b.modifica.Mosse.back();
    EXPECT_EQ(m.Riga, 2);
    EXPECT_EQ(m.Colonna, 2);
    EXPECT_EQ(m.TestoPrima, "3");
    EXPECT_EQ(m.TestoDopo, "");
    EXPECT_EQ(m.TipoMossa, "N");
    // Hand entries never reach the schema tables.
    EXPECT_EQ(b.schema.tblSchema[2][2], "0");

    AnnullaMossa(b);
    EXPECT_EQ(Testo(2, 2), "3");
    AnnullaMossa(b);
    EXPECT_EQ(Testo(4, 5), "");
    EXPECT_EQ(b.modifica.RigaSel, 4);
    EXPECT_EQ(b.modifica.ColonnaSel, 5);
    EXPECT_TRUE(b.modifica.UndoAbilitato);
    while (b.modifica.NumMosse() > 0) AnnullaMossa(b);
    EXPECT_EQ(Testo(2, 2), "");
    EXPECT_EQ(b.modifica.NumMosse(), 0);
    EXPECT_FALSE(b.modifica.UndoAbilitato);
    AnnullaMossa(b);  // nothing left: nothing happens
    EXPECT_EQ(b.modifica.NumMosse(), 0);
}

// Starting again clears every hand digit and note as one move, and undo brings them all back.
TEST_F(Modifiche, RicominciaEUnaMossaSola) {
    Scrivi(2, 2, 3);
    Scrivi(4, 5, 1);
    ASSERT_TRUE(CommutaNota(b, 5, 5, 2));
    b.modifica.Note[3][3] = 1u << 4;  // as a saved game leaves it: no move behind it
    const int prima = b.modifica.NumMosse();
    ASSERT_TRUE(Ricomincia(b));
    EXPECT_EQ(b.modifica.NumMosse(), prima + 1);
    EXPECT_EQ(Testo(2, 2), "");
    EXPECT_EQ(Testo(4, 5), "");
    EXPECT_EQ(b.modifica.Note[5][5], 0);
    EXPECT_EQ(b.modifica.Note[3][3], 0);
    EXPECT_EQ(Testo(1, 1), "2");  // the givens stay
    EXPECT_TRUE(b.modifica.UndoAbilitato);
    AnnullaMossa(b);
    EXPECT_EQ(Testo(2, 2), "3");
    EXPECT_EQ(Testo(4, 5), "1");
    EXPECT_EQ(b.modifica.Note[5][5], 1u << 2);
    EXPECT_EQ(b.modifica.Note[3][3], 1u << 4);
    RifaiMossa(b);
    EXPECT_EQ(Testo(2, 2), "");
    // Nothing written: nothing to start again from.
    EXPECT_FALSE(Ricomincia(b));
}

TEST_F(Modifiche, CancellareUnaCellaVuotaEUnaMossa) {
    Scrivi(5, 5, 10);
    ASSERT_EQ(b.modifica.NumMosse(), 1);
    EXPECT_EQ(b.modifica.Mosse[0].TestoPrima, "");
    EXPECT_EQ(b.modifica.Mosse[0].TestoDopo, "");
}

TEST_F(Modifiche, TastoChiudiENessunaSelezioneNonCambianoNulla) {
    Scrivi(2, 2, 11);
    EXPECT_EQ(Testo(2, 2), "");
    EXPECT_EQ(b.modifica.NumMosse(), 0);
    Click(0, 0);
    TastoPalette(b, 4);
    EXPECT_EQ(b.modifica.NumMosse(), 0);
}

TEST_F(Modifiche, ListaPienaDimenticaLaMossaPiuVecchia) {
    Scrivi(2, 2, 1);
    for (int k = 0; k < MaxMosse; ++k) TastoPalette(b, 1 + k % 5);
    ASSERT_EQ(b.modifica.NumMosse(), MaxMosse);
    // The first move (from "" to "1") is gone; the oldest kept one starts from "1".
    EXPECT_EQ(b.modifica.Mosse.front().TestoPrima, "1");
    while (b.modifica.NumMosse() > 0) AnnullaMossa(b);
    EXPECT_EQ(Testo(2, 2), "1");
    EXPECT_FALSE(b.modifica.UndoAbilitato);
}

TEST_F(Modifiche, SvuotaMosseDisabilita) {
    Scrivi(2, 2, 4);
    SvuotaMosse(b);
    EXPECT_EQ(b.modifica.NumMosse(), 0);
    EXPECT_FALSE(b.modifica.UndoAbilitato);
    AnnullaMossa(b);
    EXPECT_EQ(Testo(2, 2), "4");
}

}  // namespace
}  // namespace kelvaro
