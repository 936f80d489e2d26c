// The rule check as the published pages ask it of their module: the cells to mark, the reasons,
// the solved grid and the digits the palette offers.
#include "rules/richiesta_regole.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro {
namespace {

// 4 x 4, givens R2C1 = 3 and R4C3 = 2; signs R1C2 > R1C1, R3C4 > R4C4, R3C3 > R3C4, R1C4 > R2C4.
constexpr const char* Schema4 = "4|0000300000000020|1211344433341424";

TEST(RichiestaRegole, OgniRispostaRigaPerRiga) {
    struct Caso {
        std::string richiesta;
        std::string atteso;
    } casi[] = {
        // Nothing written: no rule broken, not solved.
        {std::string(Schema4) + "|", "risolta: no\n"},
        // A hand 3 beside the given 3 of row 2: both cells, and why.
        {std::string(Schema4) + "|0000030000000000",
         "sbagliate: R2C1 R2C2\nviolazione: Due 3 nella riga 2\nrisolta: no\n"},
        // R1C1 = 2 and R1C2 = 1 break R1C2 > R1C1; a repeat in column 1 as well.
        {std::string(Schema4) + "|2100000020000000",
         "sbagliate: R1C1 R1C2 R3C1\nviolazione: Due 2 nella colonna 1\n"
         "violazione: R1C1 deve essere minore di R1C2\nrisolta: no\n"},
        // The solution: solved.
        {std::string(Schema4) + "|1234341221434321", "risolta: si\n"},
        // The palette of R1C1 (cell 0): 3 is in its column, and R1C1 < R1C2 = 2 leaves only 1.
        {std::string(Schema4) + "|0200000000000000|0", "risolta: no\nammesse: R1C1:1\n"},
        // Its own digit does not count against it.
        {std::string(Schema4) + "|4000000000000000|0", "risolta: no\nammesse: R1C1:124\n"},
        // Entries left out: the givens are the position.
        {"4|1000000000000001||", "risolta: no\n"},
        {"4|1000100000000000", "sbagliate: R1C1 R2C1\nviolazione: Due 1 nella colonna 1\nrisolta: no\n"},
    };
    for (const Caso& c : casi) EXPECT_EQ(RispondiRegole(c.richiesta), c.atteso) << c.richiesta;
}

// Validi's notes, the window's and the page's: rows and columns, and the bounds of the signs
// carried along the chain R3C3 > R3C4 > R4C4 (R4C4 below R3C4, itself at most 3, so R4C4 <= 2).
TEST(RichiestaRegole, NoteValideDiOgniCellaVuota) {
    EXPECT_EQ(RispondiValide(std::string(Schema4) + "|"),
              "valide: R1C1:12 R1C2:234 R1C3:134 R1C4:234 R2C2:124 R2C3:14 R2C4:12 R3C1:124 R3C2:1234 "
              "R3C3:34 R3C4:23 R4C1:14 R4C2:134 R4C4:1\n");
    // A hand 2 in R1C2 leaves R1C1 only 1, and takes 2 from its row and column.
    EXPECT_EQ(RispondiValide(std::string(Schema4) + "|0200000000000000"),
              "valide: R1C1:1 R1C3:134 R1C4:34 R2C2:14 R2C3:14 R2C4:12 R3C1:124 R3C2:134 "
              "R3C3:34 R3C4:23 R4C1:14 R4C2:134 R4C4:1\n");
    EXPECT_EQ(RispondiValide("4|123"), "errore: Richiesta non valida\n");
}

TEST(RichiestaRegole, RichiesteNonValide) {
    for (const char* r :
         {"", "4|123", "0|", "x|0000000000000000", "4|000000000000000a",
          "4|0000000000000000||5000000000000000", "4|0000000000000000|1215", "4|0000000000000000|1133",
          "4|0000000000000000|121", "4|0000000000000000|||16", "4|0000000000000000|||x"})
        EXPECT_EQ(RispondiRegole(r), "errore: Richiesta non valida\n") << r;
}

}  // namespace
}  // namespace kelvaro
