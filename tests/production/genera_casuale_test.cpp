// The one random draw: fixed start, never reseeded, whole numbers 1..n.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/casuale.h"

namespace kelvaro {
namespace {

TEST(GeneraCasuale, LimiteUnoDaSempreUno) {
    RiportaCasualeAllInizio();
    for (int k = 0; k < 1000; ++k) ASSERT_EQ(GeneraCasuale(1), 1);
}

TEST(GeneraCasuale, SempreTraUnoEN) {
    RiportaCasualeAllInizio();
    for (int n : {2, 3, 5, 9}) {
        std::vector<int> visti(n + 2, 0);
        for (int k = 0; k < 5000; ++k) {
            const double v = GeneraCasuale(n);
            ASSERT_GE(v, 1);
            ASSERT_LE(v, n);
            ASSERT_EQ(v, std::floor(v));
            visti[static_cast<int>(v)]++;
        }
        for (int v = 1; v <= n; ++v) EXPECT_GT(visti[v], 5000 / n / 2) << n << " " << v;
    }
}

// x := (1140671485 x + 12820163) mod 2^24 from 327680; the first values worked out by hand from it.
TEST(GeneraCasuale, PrimeEstrazioniDallInizioFisso) {
    RiportaCasualeAllInizio();
    EXPECT_NEAR(EstraiCasuale(), 11837123.0 / 16777216.0, 1e-12);
    RiportaCasualeAllInizio();
    std::vector<int> prime;
    for (int k = 0; k < 10; ++k) prime.push_back(static_cast<int>(GeneraCasuale(9)));
    EXPECT_EQ(prime, (std::vector<int>{7, 5, 6, 3, 3, 7, 1, 7, 8, 7}));
    RiportaCasualeAllInizio();
    std::vector<int> ancora;
    for (int k = 0; k < 10; ++k) ancora.push_back(static_cast<int>(GeneraCasuale(9)));
    EXPECT_EQ(ancora, prime);
}

}  // namespace
}  // namespace kelvaro
