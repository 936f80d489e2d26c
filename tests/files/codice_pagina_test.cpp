// Puzzle codes as the pages' module answers them: a code read into the schema the page plays,
// and a page's schema written as its code.
#include "files/codice_pagina.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "files/caricamento.h"

namespace kelvaro {
namespace {

TEST(CodicePagina, LetturaDiUnCodice) {
    struct Caso {
        std::string codice, risposta;
    };
    for (const Caso& c : {
             // R3C1 is greater than R2C1 above it; the last cell and R3C1 follow from the rows.
             Caso{"3:1,2,3,2,3,1,0U,1,0",
                  "schema: 3|123231010|3121\nsoluzione: 123231312\ndifficolta: Facile\n"
                  "codice: 3:1,2,3,2,3,1,0U,1,0,\n"},
             // Blanks and line ends around it, as a pasted link may carry them.
             Caso{"  3:1,2,3,2,3,1,0,1,0,\n",
                  "schema: 3|123231010|\nsoluzione: 123231312\ndifficolta: Facile\n"
                  "codice: 3:1,2,3,2,3,1,0,1,0,\n"},
             Caso{"3:1,1,0,0,0,0,0,0,0,", "errore: il codice non ha soluzioni\n"},
             Caso{"3:0,0,0,0,0,0,0,0,0,", "errore: il codice ha più di una soluzione\n"},
             Caso{"3:0,0", "errore: celle attese 9 (3 x 3), trovate 2\n"},
             Caso{"", "errore: codice vuoto\n"},
             Caso{"10:0", "errore: dimensione 10 non gestita (da 3 a 9)\n"},
         })
        EXPECT_EQ(RispondiLeggiCodice(c.codice), c.risposta) << c.codice;
}

TEST(CodicePagina, ScritturaDelCodice) {
    struct Caso {
        std::string richiesta, risposta;
    };
    for (const Caso& c : {
             Caso{"3|123231010|3121", "codice: 3:1,2,3,2,3,1,0U,1,0,\n"},
             // Two signs of one cell in Unequal's order U R D L, whatever the request's order.
             Caso{"3|000000000|22122221", "codice: 3:0,0,0,0,0UL,0,0,0,0,\n"},
             Caso{"3|12|", "errore: Richiesta non valida\n"},
             Caso{"3|923231010|", "errore: Richiesta non valida\n"},
             Caso{"3|000000000|1133", "errore: Richiesta non valida\n"},
             Caso{"2|0000|", "errore: dimensione 2 non gestita dai codici (da 3 a 9)\n"},
         })
        EXPECT_EQ(RispondiScriviCodice(c.richiesta), c.risposta) << c.richiesta;
}

// A published schema's code, read back, gives the same givens and signs and the file's solution.
TEST(CodicePagina, AndataERitornoDegliSchemiDelSito) {
    for (const char* nome : {"1_Quattro_Facile.txt", "4_Costraint_Difficile.txt", "6_Nove_Difficile.txt"}) {
        const auto letto =
            LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/resources/schemixwebsite/" + nome);
        ASSERT_TRUE(letto) << nome;
        const Schema& s = letto->schema;
        const std::string scritto = RispondiScriviCodice(RichiestaSchema(s));
        ASSERT_EQ(scritto.rfind("codice: ", 0), 0u) << scritto;
        const std::string risposta = RispondiLeggiCodice(scritto.substr(8));
        std::string soluzione;
        for (int r = 1; r <= s.Sizesc; ++r)
            for (int c = 1; c <= s.Sizesc; ++c) soluzione += s.tblSoluzione[r][c];
        EXPECT_NE(risposta.find("\nsoluzione: " + soluzione + "\n"), std::string::npos) << nome << risposta;
        EXPECT_EQ(risposta.rfind("schema: " + std::to_string(s.Sizesc) + "|", 0), 0u) << risposta;
        // The order of the signs may differ from the file's: compare them as a set of groups.
        const std::string campo = risposta.substr(0, risposta.find('\n'));
        const std::string segni = campo.substr(campo.rfind('|') + 1);
        std::vector<std::string> letti, attesi = s.Vincoli;
        for (size_t k = 0; k + 4 <= segni.size(); k += 4) letti.push_back(segni.substr(k, 4));
        std::sort(letti.begin(), letti.end());
        std::sort(attesi.begin(), attesi.end());
        EXPECT_EQ(letti, attesi) << nome;
        EXPECT_NE(campo.find("|" + RichiestaSchema(s).substr(2, s.Sizesc * s.Sizesc) + "|"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace kelvaro
