#include "solver/livello.h"

#include <gtest/gtest.h>

#include <climits>

namespace kelvaro {
namespace {

TEST(LivelloSchema, TestoENumero) {
    struct Caso {
        int S, M;
        std::string testo;
        long livello;
    };
    for (const Caso& k :
         {Caso{0, 0, "0000", 0}, Caso{0, 1, "0101", 101}, Caso{1, 0, "0210", 210}, Caso{1, 3, "0513", 513},
          Caso{2, 5, "0925", 925}, Caso{3, 4, "1034", 1034}, Caso{10, 5, "25105", 25105},
          Caso{0, 12, "12012", 12012}, Caso{255, 255, "765255255", 765255255}}) {
        EXPECT_EQ(TestoLivello(k.S, k.M), k.testo) << k.S << " " << k.M;
        EXPECT_EQ(LivelloSchema(k.S, k.M), k.livello) << k.S << " " << k.M;
    }
}

// Text far too long for a number: the largest value, never a wrapped one.
TEST(LivelloSchema, NessunTraboccamento) {
    EXPECT_EQ(TestoLivello(INT_MAX, INT_MAX),
              "6442450941" + std::to_string(INT_MAX) + std::to_string(INT_MAX));
    EXPECT_EQ(LivelloSchema(INT_MAX, INT_MAX), LONG_MAX);
    EXPECT_GT(LivelloSchema(100000, 0), LivelloSchema(99999, 0));
}

}  // namespace
}  // namespace kelvaro
