#include "model/tabelle.h"

#include <gtest/gtest.h>

#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

TEST(Tabelle, InizializzaTabRiempieSoloLeCelleUsate) {
    Tabella t{};
    t[6][6] = "x";
    InizializzaTab(t, 5);
    EXPECT_EQ(t[5][5], "12345");
    EXPECT_EQ(t[1][1], "12345");
    EXPECT_EQ(t[6][6], "x");
    EXPECT_EQ(t[0][0], "");
    InizializzaTab(t, 9);
    EXPECT_EQ(t[9][9], "123456789");
}

TEST(Tabelle, ContaCelleDate) {
    Schema s;
    s.Sizesc = 4;
    test::SvuotaDati(s.tblSchema, 4);
    EXPECT_EQ(ContaCelleProblema(s), 0);
    s.tblSchema[2][1] = "3";
    s.tblSchema[4][3] = "2";
    EXPECT_EQ(ContaCelleProblema(s), 2);
    // What a short SCHEMA line leaves is an empty cell, not a given.
    s.tblSchema[3][3] = "";
    EXPECT_EQ(ContaCelleProblema(s), 2);
    EXPECT_TRUE(EDato("9"));
    for (const char* vuota : {"", "0", "12", "x"}) EXPECT_FALSE(EDato(vuota)) << vuota;
}

TEST(Tabelle, DesCella) {
    EXPECT_EQ(DesCella(9, 1), "R9C1");
    EXPECT_EQ(DesCella(3, 5), "R3C5");
}

struct CasoSegno {
    std::string vincolo;
    int r1, c1;
    SegniCella atteso1;
    int r2, c2;
    SegniCella atteso2;
};

SegniCella Con(uint8_t SegniCella::*campo) {
    SegniCella s;
    s.*campo = 1;
    return s;
}

class Segni : public ::testing::TestWithParam<CasoSegno> {};

TEST_P(Segni, DirezioneDallaPrimaAllaSecondaCella) {
    const CasoSegno& caso = GetParam();
    Schema s;
    s.Sizesc = 5;
    s.tblSegni[1][1].MagGiu = 1;  // stale flags must go
    s.Vincoli = {caso.vincolo};
    CostruisciSegni(s);
    EXPECT_EQ(s.tblSegni[caso.r1][caso.c1], caso.atteso1);
    EXPECT_EQ(s.tblSegni[caso.r2][caso.c2], caso.atteso2);
    int segnate = 0;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (!(s.tblSegni[r][c] == SegniCella{})) ++segnate;
    EXPECT_EQ(segnate, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Vincoli, Segni,
    ::testing::Values(
        // not adjacent: still a right-hand pair
        CasoSegno{"2123", 2, 1, Con(&SegniCella::MagDes), 2, 3, Con(&SegniCella::MinSin)},
        // the greater cell is below
        CasoSegno{"3121", 3, 1, Con(&SegniCella::MagSu), 2, 1, Con(&SegniCella::MinGiu)},
        CasoSegno{"1211", 1, 2, Con(&SegniCella::MagSin), 1, 1, Con(&SegniCella::MinDes)},
        CasoSegno{"1121", 1, 1, Con(&SegniCella::MagGiu), 2, 1, Con(&SegniCella::MinSu)}),
    test::NomeDa([](const CasoSegno& c) { return c.vincolo; }));

}  // namespace
}  // namespace kelvaro
