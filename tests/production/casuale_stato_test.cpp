// Putting the random sequence back where it stood: draws made in between are undone.
#include <gtest/gtest.h>

#include <vector>

#include "model/casuale.h"

namespace kelvaro {
namespace {

TEST(StatoCasuale, RipristinoRipeteLeStesseEstrazioni) {
    RiportaCasualeAllInizio();
    for (int k = 0; k < 17; ++k) EstraiCasuale();
    const uint32_t stato = StatoCasuale();
    std::vector<double> prima;
    for (int k = 0; k < 50; ++k) prima.push_back(GeneraCasuale(9));
    for (int k = 0; k < 1000; ++k) EstraiCasuale();
    RipristinaCasuale(stato);
    EXPECT_EQ(StatoCasuale(), stato);
    std::vector<double> dopo;
    for (int k = 0; k < 50; ++k) dopo.push_back(GeneraCasuale(9));
    EXPECT_EQ(prima, dopo);
}

TEST(StatoCasuale, AllInizioEIlPuntoDiPartenza) {
    RiportaCasualeAllInizio();
    const uint32_t inizio = StatoCasuale();
    EXPECT_EQ(inizio, 327680u);
    const double primo = EstraiCasuale();
    RipristinaCasuale(inizio);
    EXPECT_EQ(EstraiCasuale(), primo);
}

}  // namespace
}  // namespace kelvaro
