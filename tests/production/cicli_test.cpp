// The cycle questions of the generation step: thresholds, counters, the questions asked.
#include <gtest/gtest.h>

#include "production/genera_banco.h"
#include "supporto/finestre_finte.h"

namespace kelvaro {
namespace {

struct Partenza {
    int misura, soglia, max1, max2;
    bool genCont;
    int conta1 = 0, conta2 = 0;
};

struct Banco1 {
    Banco b;
    test::FinestreFinte f;
    explicit Banco1(const Partenza& p) {
        b.ImpostaFinestre(&f);
        b.cicli.MisuraCiclo = static_cast<uint8_t>(p.misura);
        b.imp.Soglia = p.soglia;
        b.imp.MaxCiclo1 = p.max1;
        b.imp.MaxCiclo2 = p.max2;
        b.imp.GenCont = p.genCont;
        b.cicli.ContaCiclo1 = static_cast<uint8_t>(p.conta1);
        b.cicli.ContaCiclo2 = static_cast<uint8_t>(p.conta2);
    }
};

// One question asked once: the answer and the counters afterwards.
struct CasoDomanda {
    const char* nome;
    bool primaria;
    Partenza partenza;
    int risposta;
    int conta1, conta2;
};

class DomandaCiclo : public ::testing::TestWithParam<CasoDomanda> {};

TEST_P(DomandaCiclo, RispostaEContatori) {
    const CasoDomanda& c = GetParam();
    Banco1 x(c.partenza);
    const int r = c.primaria ? RipetiCiclo1(x.b) : RipetiCiclo2(x.b);
    EXPECT_EQ(r, c.risposta);
    EXPECT_EQ(x.b.cicli.ContaCiclo1, c.conta1);
    EXPECT_EQ(x.b.cicli.ContaCiclo2, c.conta2);
    EXPECT_TRUE(x.f.messaggi.empty());  // with GenCont set or the measure low, nothing is asked
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DomandaCiclo,
    ::testing::Values(
        // a measure of 0 stops for every threshold, without counting
        CasoDomanda{"Misura0Soglia0Primaria", true, {0, 0, 5, 5, true, 1, 1}, 7, 1, 1},
        CasoDomanda{"Misura0Soglia0Secondaria", false, {0, 0, 5, 5, true, 1, 1}, 7, 1, 1},
        CasoDomanda{"Misura0Soglia255Primaria", true, {0, 255, 5, 5, true}, 7, 0, 0},
        CasoDomanda{"Misura0SenzaGenCont", false, {0, 11, 5, 5, false}, 7, 0, 0},
        // at the threshold: stop (at most, not below)
        CasoDomanda{"MisuraUgualeSogliaPrimaria", true, {11, 11, 5, 5, true}, 7, 0, 0},
        CasoDomanda{"MisuraUgualeSogliaSecondaria", false, {11, 11, 5, 5, true}, 7, 0, 0},
        CasoDomanda{"Misura5Soglia5", true, {5, 5, 5, 5, false}, 7, 0, 0},
        // unsigned bytes: 200 is above 11
        CasoDomanda{"Misura200", true, {200, 11, 5, 5, true}, 6, 1, 0},
        // MaxCiclo1 = 0: the first primary question stops and leaves the counter at 1
        CasoDomanda{"MaxCiclo1Zero", true, {12, 11, 0, 2, true, 0, 1}, 7, 1, 1},
        // primary: new value <= MaxCiclo1 grants and resets the secondary counter
        CasoDomanda{"PrimariaConcede", true, {12, 11, 2, 2, true, 1, 3}, 6, 2, 0},
        CasoDomanda{"PrimariaOltre", true, {12, 11, 2, 2, true, 2, 3}, 7, 3, 3},
        // secondary: strictly less than MaxCiclo2
        CasoDomanda{"SecondariaConcede", false, {12, 11, 2, 2, true, 0, 0}, 6, 0, 1},
        CasoDomanda{"SecondariaAlLimite", false, {12, 11, 2, 2, true, 0, 1}, 7, 0, 2},
        CasoDomanda{"MaxCiclo2Zero", false, {12, 11, 2, 0, true}, 7, 0, 1},
        CasoDomanda{"MaxCiclo2Uno", false, {12, 11, 2, 1, true}, 7, 0, 1},
        // a Byte counter at 255 cannot go on: the question stops and the counter stays
        CasoDomanda{"Conta1Pieno", true, {12, 11, 255, 2, true, 255, 0}, 7, 255, 0},
        CasoDomanda{"Conta2Pieno", false, {12, 11, 2, 255, true, 0, 255}, 7, 0, 255}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(DomandaCiclo, SecondariaConcedeUnaVoltaPoiDiNuovoDopoLaPrimaria) {
    Banco1 x({40, 11, 2, 2, true});
    EXPECT_EQ(RipetiCiclo2(x.b), 6);
    EXPECT_EQ(RipetiCiclo2(x.b), 7);
    EXPECT_EQ(RipetiCiclo1(x.b), 6);
    EXPECT_EQ(RipetiCiclo2(x.b), 6);
    EXPECT_EQ(RipetiCiclo2(x.b), 7);
}

TEST(DomandaCiclo, LaPrimariaConcedeMaxCiclo1RipetizioniDiFila) {
    for (int max1 : {0, 1, 3, 10}) {
        Banco1 x({40, 11, max1, 2, true});
        int concesse = 0;
        while (RipetiCiclo1(x.b) == 6) ++concesse;
        EXPECT_EQ(concesse, max1);
    }
}

TEST(DomandaCiclo, DopoOgniPrimariaLaSecondariaConcedeMaxCiclo2MenoUno) {
    for (int max2 : {0, 1, 2, 5}) {
        Banco1 x({40, 11, 3, max2, true});
        std::vector<int> perPrimaria;
        do {
            int concesse = 0;
            while (RipetiCiclo2(x.b) == 6) ++concesse;
            perPrimaria.push_back(concesse);
        } while (RipetiCiclo1(x.b) == 6);
        EXPECT_EQ(perPrimaria, std::vector<int>(4, std::max(0, max2 - 1))) << max2;
    }
}

TEST(DomandaCiclo, SenzaGenContChiedeOgniVolta) {
    Banco1 x({40, 11, 0, 0, false});
    x.f.risposte = {RispostaSi, RispostaNo, RispostaSi, RispostaNo, RispostaSi};
    EXPECT_EQ(RipetiCiclo1(x.b), 6);
    EXPECT_EQ(RipetiCiclo1(x.b), 7);
    EXPECT_EQ(RipetiCiclo2(x.b), 6);
    EXPECT_EQ(RipetiCiclo2(x.b), 7);
    EXPECT_EQ(RipetiCiclo2(x.b), 6);
    EXPECT_EQ(x.f.messaggi,
              (std::vector<std::string>{"ripeti 1", "ripeti 1", "ripeti 2", "ripeti 2", "ripeti 2"}));
    EXPECT_EQ(x.b.cicli.ContaCiclo1, 0);
    EXPECT_EQ(x.b.cicli.ContaCiclo2, 0);
}

TEST(DomandaCiclo, SenzaGenContMisuraBassaNonChiede) {
    Banco1 x({11, 11, 5, 5, false});
    EXPECT_EQ(RipetiCiclo1(x.b), 7);
    EXPECT_EQ(RipetiCiclo2(x.b), 7);
    EXPECT_TRUE(x.f.messaggi.empty());
}

}  // namespace
}  // namespace kelvaro
