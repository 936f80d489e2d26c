#include "model/testo.h"

#include <gtest/gtest.h>

#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

struct CasoNumero {
    std::string testo;
    double valore;
};

class LetturaNumerica : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(LetturaNumerica, NumeroIniziale) {
    EXPECT_DOUBLE_EQ(ValoreNumerico(GetParam().testo), GetParam().valore);
}

INSTANTIATE_TEST_SUITE_P(Casi, LetturaNumerica,
                         ::testing::Values(CasoNumero{"12", 12}, CasoNumero{"12abc", 12},
                                           CasoNumero{"abc", 0}, CasoNumero{"", 0}, CasoNumero{"  7", 7},
                                           CasoNumero{"1 2", 12}, CasoNumero{"-3", -3},
                                           CasoNumero{"2.5", 2.5}, CasoNumero{".5", 0.5},
                                           CasoNumero{"1e3", 1000}, CasoNumero{"4e", 4}, CasoNumero{"+", 0}),
                         test::NomeDa([](const CasoNumero& c) { return c.testo; }));

TEST(Arrotonda, MetaVersoIlPari) {
    EXPECT_EQ(ArrotondaPari(2.5), 2);
    EXPECT_EQ(ArrotondaPari(3.5), 4);
    EXPECT_EQ(ArrotondaPari(-2.5), -2);
    EXPECT_EQ(ArrotondaPari(2.4), 2);
    EXPECT_EQ(ArrotondaPari(2.6), 3);
}

TEST(Testo, SenzaBomSoloAllInizio) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        std::string testo, atteso;
    } casi[] = {
        {bom + "FILESCHEMA=a.html\r\n", "FILESCHEMA=a.html\r\n"},
        {bom, ""},
        {"", ""},
        {"\xEF\xBB", "\xEF\xBB"},                      // a mark cut short stays
        {"a" + bom, "a" + bom},                        // only at the start
        {bom + bom + "x", bom + "x"},                  // one mark, once
        {"\xC3\xA8 accentato", "\xC3\xA8 accentato"},  // other UTF-8 passes through
    };
    for (const auto& c : casi) EXPECT_EQ(SenzaBom(c.testo), c.atteso);
}

TEST(Testo, SostituisciNonRilegge) {
    EXPECT_EQ(Sostituisci("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(Sostituisci("COSTRAINT>x</COSTRAINT", "COSTRAINT", "CONSTRAINT"), "CONSTRAINT>x</CONSTRAINT");
    EXPECT_EQ(Dividi("", '|').size(), 1u);
    EXPECT_EQ(Dividi("a|b|", '|').size(), 3u);
    EXPECT_EQ(Formatta0(5, 2), "05");
    EXPECT_EQ(Formatta0(123, 2), "123");
}

}  // namespace
}  // namespace kelvaro
