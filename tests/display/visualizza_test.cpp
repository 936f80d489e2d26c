// The display grid: layout, cell texts and font sizes, sign glyphs, window size, step history,
// text colours.
#include "display/visualizza.h"

#include <gtest/gtest.h>

#include <cmath>

#include "supporto/finestre_finte.h"
#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

Banco SchemaVuoto(int n) {
    Banco b;
    b.schema.Sizesc = n;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) b.schema.tblSchema[r][c] = "0";
    return b;
}

const CellaGriglia& Cella(const Banco& b, int r, int c) {
    return b.Gr.Cella(2 * r - 1, 2 * c - 1);
}

struct CasoLayout {
    int n;
    int lato;        // grid width and height, twips
    double piccolo;  // font size of a cell that is not decided
};

class LayoutGriglia : public ::testing::TestWithParam<CasoLayout> {};

TEST_P(LayoutGriglia, RigheColonneMisureECaratteri) {
    const CasoLayout& k = GetParam();
    Banco b = SchemaVuoto(k.n);
    Tabella ctrl{};
    ctrl[1][1] = "4";
    ctrl[1][2] = "245";
    VisualizzaGrid(b, b.schema.tblSchema, ctrl);
    const Griglia& g = b.Gr;
    EXPECT_EQ(g.Rows(), 2 * k.n + 2);
    EXPECT_EQ(g.Cols(), 2 * k.n + 1);
    for (int i = 0; i <= 2 * k.n; ++i) {
        EXPECT_EQ(g.RowHeight(i), i % 2 ? 670 : 240) << i;
        EXPECT_EQ(g.ColWidth(i), i % 2 ? 670 : 240) << i;
    }
    EXPECT_EQ(g.RowHeight(2 * k.n + 1), 0);
    EXPECT_EQ(g.Width, k.lato);
    EXPECT_EQ(g.Height, k.lato);
    // Nothing visible is selected.
    EXPECT_EQ(g.Row, 2 * k.n + 1);
    EXPECT_EQ(g.Col, 0);
    EXPECT_TRUE(g.Visible);
    EXPECT_EQ(g.FixedRows, 0);
    EXPECT_EQ(g.FixedCols, 0);
    EXPECT_EQ(Cella(b, 1, 1).FontSize, 16);
    EXPECT_EQ(Cella(b, 1, 2).FontSize, k.piccolo);
    EXPECT_EQ(Cella(b, k.n, k.n).FontSize, k.piccolo);
    EXPECT_EQ(Cella(b, 1, 1).FontName, "Arial");
    // The main window fits the grid: twice the grid's left and top, plus 18 mm of toolbar room.
    EXPECT_DOUBLE_EQ(b.LarghezzaForm, 2 * 120 + k.lato);
    EXPECT_NEAR(b.AltezzaForm, 2 * 600 + k.lato + 1020.4724, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensioni, LayoutGriglia,
    ::testing::Values(CasoLayout{5, 4890, 9}, CasoLayout{6, 5800, 9}, CasoLayout{7, 6710, 8},
                      CasoLayout{8, 7620, 7}, CasoLayout{9, 8530, 6}),
    test::NomeDa([](const CasoLayout& c) { return "Dimensione" + std::to_string(c.n); }));

TEST(VisualizzaGrid, TestiColoriEAllineamento) {
    Banco b = SchemaVuoto(5);
    Tabella dati = b.schema.tblSchema, ctrl{};
    dati[1][1] = "3";
    dati[1][2] = "245";
    dati[1][3] = "";
    dati[1][4] = "0";
    ctrl[1][2] = "1";  // a one-character size entry: size 16 even for a longer text
    VisualizzaGrid(b, dati, ctrl);
    EXPECT_EQ(Cella(b, 1, 1).Testo, "3");
    EXPECT_EQ(Cella(b, 1, 2).Testo, "245");
    EXPECT_EQ(Cella(b, 1, 2).FontSize, 16);
    EXPECT_EQ(Cella(b, 1, 3).Testo, "");
    EXPECT_EQ(Cella(b, 1, 4).Testo, "");
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j) {
            const bool cella = i % 2 == 1 && j % 2 == 1;
            EXPECT_EQ(b.Gr.Cella(i, j).CellBackColor, cella ? ColoreBianco : ColoreLavanda) << i << "," << j;
        }
    EXPECT_EQ(Cella(b, 3, 3).CellAlignment, Allineamento::CentroCentro);
}

TEST(VisualizzaGrid, UnaNuovaVisualizzazioneCancellaColoriETestiVecchi) {
    Banco b = SchemaVuoto(5);
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    ColoraCella(b, 2, 2, ColoreRosso);
    b.Gr.Cella(2, 2).Testo = "x";
    b.Gr.Cella(1, 1).CellForeColor = ColoreBlu;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    EXPECT_EQ(Cella(b, 2, 2).CellBackColor, ColoreBianco);
    EXPECT_EQ(b.Gr.Cella(2, 2).Testo, "");
    EXPECT_EQ(b.Gr.Cella(2, 2).CellBackColor, ColoreLavanda);
    // Text colours are left to ColoraSchema and the solver.
    EXPECT_EQ(b.Gr.Cella(1, 1).CellForeColor, ColoreBlu);
}

TEST(VisualizzaGrid, CambioDiDimensione) {
    Banco b = SchemaVuoto(9);
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    b.schema.Sizesc = 5;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    EXPECT_EQ(b.Gr.Rows(), 12);
    EXPECT_EQ(b.Gr.Cols(), 11);
    EXPECT_EQ(b.Gr.Width, 4890);
}

struct CasoSegno {
    const char* nome;
    SegniCella segni;  // of cell (2, 2)
    int riga, colonna;
    int carattere;  // 0 = nothing drawn there
};

SegniCella Con(uint8_t SegniCella::*campo, uint8_t SegniCella::*altro = nullptr) {
    SegniCella s;
    s.*campo = 1;
    if (altro) s.*altro = 1;
    return s;
}

class GlifiSegni : public ::testing::TestWithParam<CasoSegno> {};

TEST_P(GlifiSegni, Glifo) {
    const CasoSegno& k = GetParam();
    Banco b = SchemaVuoto(5);
    b.schema.tblSegni[2][2] = k.segni;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    const CellaGriglia& pos = b.Gr.Cella(k.riga, k.colonna);
    if (k.carattere == 0) {
        EXPECT_EQ(pos.Testo, "");
        return;
    }
    EXPECT_EQ(pos.Testo, std::string(1, static_cast<char>(k.carattere)));
    EXPECT_EQ(pos.FontName, "Wingdings 3");
    EXPECT_EQ(pos.FontSize, 12);
    EXPECT_EQ(pos.CellAlignment, Allineamento::CentroCentro);
}

INSTANTIATE_TEST_SUITE_P(
    Flag, GlifiSegni,
    ::testing::Values(
        CasoSegno{"MagDes", Con(&SegniCella::MagDes), 3, 4, 134},
        CasoSegno{"MinDes", Con(&SegniCella::MinDes), 3, 4, 133},
        CasoSegno{"MagGiu", Con(&SegniCella::MagGiu), 4, 3, 136},
        CasoSegno{"MinGiu", Con(&SegniCella::MinGiu), 4, 3, 135},
        CasoSegno{"EntrambiOrizzontali", Con(&SegniCella::MagDes, &SegniCella::MinDes), 3, 4, 133},
        CasoSegno{"EntrambiVerticali", Con(&SegniCella::MagGiu, &SegniCella::MinGiu), 4, 3, 135},
        // The mirrored flags are drawn from the neighbour's side only.
        CasoSegno{"MagSinNonDisegnato", Con(&SegniCella::MagSin), 3, 2, 0},
        CasoSegno{"MinSuNonDisegnato", Con(&SegniCella::MinSu), 2, 3, 0}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(VisualizzaGrid, SegniDallUltimaColonnaEdallUltimaRigaNonDisegnati) {
    Banco b = SchemaVuoto(5);
    b.schema.tblSegni[1][5].MagDes = 1;
    b.schema.tblSegni[5][1].MagGiu = 1;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    EXPECT_EQ(b.Gr.Cols(), 11);
    EXPECT_EQ(b.Gr.Cella(10, 1).Testo, "");
}

TEST(VisualizzaGrid, RidisegnoSoloInModoLog) {
    for (bool log : {false, true}) {
        Banco b = SchemaVuoto(5);
        test::FinestreFinte f;
        b.ImpostaFinestre(&f);
        b.ris.MostraLog = log;
        VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
        EXPECT_EQ(b.Gr.Redraw, log);
        EXPECT_EQ(f.ridisegni, 1);
    }
}

TEST(VisualizzaGrid, StoriaDegliStati) {
    Banco b = SchemaVuoto(5);
    Tabella dati = b.schema.tblSchema;
    dati[1][1] = "2";
    dati[1][2] = "34";  // more than one character: a blank
    VisualizzaGrid(b, dati, dati);
    EXPECT_EQ(b.storia.NumStoria, 0);  // not recording

    b.storia.RegistraStoria = true;
    VisualizzaGrid(b, dati, dati);
    ASSERT_EQ(b.storia.NumStoria, 1);
    EXPECT_EQ(b.storia.StoriaS[1], "2" + std::string(24, ' '));
    EXPECT_EQ(b.storia.StoriaV[1], "");
    EXPECT_EQ(b.storia.StoriaR[1], "");

    VisualizzaGrid(b, dati, dati);  // same state: no entry
    EXPECT_EQ(b.storia.NumStoria, 1);

    dati[1][3] = "5";
    dati[2][4] = "1";
    VisualizzaGrid(b, dati, dati);
    ASSERT_EQ(b.storia.NumStoria, 2);
    EXPECT_EQ(b.storia.StoriaS[2], "2 5     1" + std::string(16, ' '));
    EXPECT_EQ(b.storia.StoriaV[2], "1324");
    EXPECT_EQ(b.storia.StoriaR[2], "");
    EXPECT_EQ(b.storia.StoriaS[1], "2" + std::string(24, ' '));

    dati[1][1] = "0";  // shown as nothing, so a blank again
    VisualizzaGrid(b, dati, dati);
    ASSERT_EQ(b.storia.NumStoria, 3);
    EXPECT_EQ(b.storia.StoriaV[3], "11");
}

TEST(VisualizzaGrid, LaStoriaNonHaUnLimiteFisso) {
    Banco b = SchemaVuoto(5);
    b.storia.RegistraStoria = true;
    Tabella dati = b.schema.tblSchema;
    for (int k = 0; k < 1100; ++k) {
        dati[1 + k % 5][1 + (k / 5) % 5] = std::to_string(1 + k % 9);
        dati[5][5] = k % 2 ? "1" : "2";
        VisualizzaGrid(b, dati, dati);
    }
    EXPECT_EQ(b.storia.NumStoria, 1100);
    EXPECT_EQ(static_cast<int>(b.storia.StoriaS.size()), 1101);
}

TEST(ColoraSchema, DatiNeriAltriBlu) {
    Banco b = SchemaVuoto(5);
    b.schema.tblSchema[2][3] = "4";
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    ColoraSchema(b);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(Cella(b, r, c).CellForeColor, (r == 2 && c == 3) ? ColoreNero : ColoreBlu) << r << c;
    EXPECT_EQ(ColoreBlu, ColoreDaRgb(0, 0, 255));
    EXPECT_EQ(ColoreLavanda, ColoreDaRgb(192, 192, 255));
    EXPECT_EQ(ColoreVerde, ColoreDaRgb(0, 255, 0));
    EXPECT_EQ(ColoreGiallo, ColoreDaRgb(255, 255, 0));
    EXPECT_EQ(ColoreRosso, ColoreDaRgb(255, 0, 0));
}

TEST(MmToTwips, Conversione) {
    EXPECT_DOUBLE_EQ(MmToTwips(25.4), 1440);
    EXPECT_NEAR(MmToTwips(18), 1020.47, 0.01);
    EXPECT_NEAR(MmToTwips(1), 56.69, 0.01);
    EXPECT_EQ(MmToTwips(0), 0);
}

}  // namespace
}  // namespace kelvaro
