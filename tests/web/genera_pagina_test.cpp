// "Nuovo schema" as the pages' module answers it: a schema of the size and difficulty asked,
// with one solution, the same for the same seed, whose code reopens it as it was made.
#include "web/genera_pagina.h"

#include <gtest/gtest.h>

#include "files/codice_pagina.h"

namespace kelvaro {
namespace {

TEST(GeneraPagina, RichiesteRifiutate) {
    struct Caso {
        std::string richiesta, risposta;
    };
    for (const Caso& c : {
             Caso{"", "errore: dimensione non valida\n"},
             Caso{"2|Facile|1", "errore: dimensione non valida\n"},
             Caso{"10|Facile|1", "errore: dimensione non valida\n"},
             Caso{"6|facile|1", "errore: difficoltà sconosciuta\n"},
             Caso{"6|Diabolico|1", "errore: il generatore non fa schemi Diabolico\n"},
             Caso{"6|Medio|", "errore: seme non valido\n"},
             Caso{"6|Medio|-1", "errore: seme non valido\n"},
             Caso{"6|Medio|12345678901", "errore: seme non valido\n"},
             // A 4 x 4 has no room for naked subsets: every attempt comes out easier.
             Caso{"4|Difficile|5", "errore: nessuno schema in 40 tentativi\n"},
         })
        EXPECT_EQ(RispondiGenera(c.richiesta), c.risposta) << c.richiesta;
}

TEST(GeneraPagina, SchemaDellaDifficoltaChiestaCheIlSuoCodiceRiapre) {
    struct Caso {
        int n;
        std::string difficolta;
    };
    for (const Caso& c : {Caso{4, "Facile"}, Caso{6, "Medio"}, Caso{9, "Difficile"}, Caso{7, "Esperto"}})
        for (const char* seme : {"1", "16777217", "4242"}) {
            const std::string richiesta = std::to_string(c.n) + "|" + c.difficolta + "|" + seme;
            SCOPED_TRACE(richiesta);
            const std::string r = RispondiGenera(richiesta);
            ASSERT_EQ(r.rfind("schema: " + std::to_string(c.n) + "|", 0), 0u) << r;
            EXPECT_NE(r.find("\ndifficolta: " + c.difficolta + "\n"), std::string::npos) << r;
            // The answer is the code's own: reading the code again gives it back whole (one
            // solution by the exact counter, the same schema and difficulty).
            const size_t k = r.find("\ncodice: ");
            ASSERT_NE(k, std::string::npos);
            const std::string codice = r.substr(k + 9, r.size() - k - 10);
            EXPECT_EQ(RispondiLeggiCodice(codice), r);
            // The seed decides: the same request, the same schema; 2^24 + 1 is the seed 1 again.
            EXPECT_EQ(RispondiGenera(richiesta), r);
        }
    EXPECT_EQ(RispondiGenera("6|Medio|1"), RispondiGenera("6|Medio|16777217"));
    EXPECT_NE(RispondiGenera("6|Medio|1"), RispondiGenera("6|Medio|2"));
}

}  // namespace
}  // namespace kelvaro
