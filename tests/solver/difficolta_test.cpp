// Difficulty names: the tier of each step code, and small schemas whose hardest need is known.
#include "solver/difficolta.h"

#include <gtest/gtest.h>

#include "solver/aiuto.h"

namespace kelvaro {
namespace {

struct CasoCodice {
    const char* codice;
    Difficolta attesa;
};

class DifficoltaCodice : public ::testing::TestWithParam<CasoCodice> {};

TEST_P(DifficoltaCodice, Livello) {
    EXPECT_EQ(DifficoltaDelCodice(GetParam().codice), GetParam().attesa) << GetParam().codice;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DifficoltaCodice,
    ::testing::Values(CasoCodice{"I", Difficolta::Facile}, CasoCodice{"U", Difficolta::Facile},
                      CasoCodice{"R", Difficolta::Facile}, CasoCodice{"C", Difficolta::Facile},
                      CasoCodice{"MAG", Difficolta::Facile}, CasoCodice{"MIN", Difficolta::Facile},
                      CasoCodice{"MR", Difficolta::Difficile}, CasoCodice{"MC", Difficolta::Difficile},
                      CasoCodice{"NR", Difficolta::Difficile}, CasoCodice{"NC", Difficolta::Difficile},
                      CasoCodice{"SR", Difficolta::Esperto}, CasoCodice{"SC", Difficolta::Esperto},
                      CasoCodice{"CS", Difficolta::Esperto}, CasoCodice{"CF", Difficolta::Esperto},
                      CasoCodice{"T", Difficolta::Diabolico}));

struct CasoSchema {
    const char* nome;
    int n;
    std::string dati;
    std::vector<std::string> vincoli;
    std::string attesa;
};

class DifficoltaSchemi : public ::testing::TestWithParam<CasoSchema> {};

TEST_P(DifficoltaSchemi, Nome) {
    const CasoSchema& k = GetParam();
    Banco b;
    test::PreparaSchema(b, k.n, k.dati, k.vincoli);
    EXPECT_EQ(NomeDifficolta(DifficoltaSchema(b.schema)), k.attesa);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DifficoltaSchemi,
    ::testing::Values(
        // One given of a 2 x 2 decides every cell.
        CasoSchema{"UnDato", 2, "1000", {}, "Facile"},
        // R1C2 = 2 and R2C1 = 2 leave 1 and 3 to swap; R1C1 below the 2 of R1C2 is 1.
        CasoSchema{"SegnoControUnaCifra", 3, "020200000", {"1211"}, "Facile"},
        // R1C1 > R1C2 with no digit anywhere: only the range of R1C2 tells R1C1 it is not 1.
        CasoSchema{"SegnoControUnIntervallo", 2, "0000", {"1112"}, "Medio"},
        // Two solutions: a trial is the only way on.
        CasoSchema{"DueSoluzioni", 2, "0000", {}, "Diabolico"},
        // No solution at all: no name but the last.
        CasoSchema{"NessunaSoluzione", 2, "1100", {}, "Diabolico"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace kelvaro
