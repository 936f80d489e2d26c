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

TEST(Testo, TestoStampabileUnaRigaSenzaControlliNeInversioni) {
    const struct {
        std::string testo, atteso;
    } casi[] = {
        {"schemixwebsite/3_Prova_Facile.txt", "schemixwebsite/3_Prova_Facile.txt"},
        {"a\nerrore: finto.txt", "a\\x0Aerrore: finto.txt"},
        {"a\r\tb", "a\\x0D\\x09b"},
        {"\x1b[31mrosso.txt", "\\x1B[31mrosso.txt"},
        {"canc\x7f.txt", "canc\\x7F.txt"},
        {"c1\xC2\x9B"
         "31m.txt",
         "c1\\xC2\\x9B31m.txt"},             // U+009B, the one-byte CSI
        {"\xE2\x80\xAEtxt.exe", "txt.exe"},  // U+202E
        {"a\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC"
         "b",
         "ab"},  // U+202A..U+202C
        {"a\xE2\x81\xA6\xE2\x81\xA9"
         "b",
         "ab"},                                                                // U+2066, U+2069
        {"\xE2\x80\x94 \xC3\xA8 \xC2\xA0", "\xE2\x80\x94 \xC3\xA8 \xC2\xA0"},  // other UTF-8 stays
        {"fine\xE2\x80", "fine\xE2\x80"},                                      // cut short: left as it is
        {"", ""},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoStampabile(c.testo), c.atteso) << c.testo;
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
