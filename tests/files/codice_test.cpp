// Puzzle codes (Unequal's game IDs): reading, writing, and a code made into a schema to save.
#include "files/codice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/testo.h"
#include "rules/regole.h"

namespace kelvaro {
namespace {

// k empty cells.
std::string Vuote(int k) {
    std::string s;
    for (int i = 0; i < k; ++i) s += "0,";
    return s;
}

std::string Vincoli(const Schema& s) {
    std::string t;
    for (const std::string& v : s.Vincoli) t += (t.empty() ? "" : "|") + v;
    return t;
}

// Codes that read, with the givens and the constraint lines they must give.
TEST(Codice, LetturaDiCodiciBuoni) {
    struct Caso {
        std::string codice, dati, vincoli;
    };
    for (const Caso& c : {
             // Each letter on the greater cell: U above, R right, D below, L left.
             Caso{"3:0R,0,0,0D,0,0U,0,0,0L,", "000000000", "1112|2131|2313|3332"},
             // A given in every corner, two letters on one cell, no comma at the end.
             Caso{"3:1,0,3,0,0UL,0,2,0,1", "103000201", "2212|2221"},
             // Letters in any order give the lines in the order U R D L.
             Caso{"3:1,0,3,0,0LDRU,0,2,0,1,", "103000201", "2212|2223|2232|2221"},
             // The parameters Unequal may show, blanks and a line end around the code, a given
             // written with a leading zero.
             Caso{"  4de:0,0,02,0,0,0,0,0,0,0,0,0,0,0,0,0U,\n", "0020000000000000", "4434"},
             Caso{"9:" + Vuote(80) + "9U,", std::string(80, '0') + "9", "9989"},
         }) {
        std::string motivo = "?";
        const auto s = LeggiCodice(c.codice, motivo);
        ASSERT_TRUE(s) << c.codice << ": " << motivo;
        EXPECT_EQ(motivo, "");
        EXPECT_TRUE(s->Caricato);
        EXPECT_EQ(ConcatenaTabella(s->tblSchema, s->Sizesc), c.dati) << c.codice;
        EXPECT_EQ(Vincoli(*s), c.vincoli) << c.codice;
        // The signs are in place for the solver: R1C1 > R1C2 in the first case.
        if (c.vincoli.rfind("1112", 0) == 0) {
            EXPECT_TRUE(s->tblSegni[1][1].MagDes);
            EXPECT_TRUE(s->tblSegni[1][2].MinSin);
        }
    }
}

// Every refusal says what is wrong, naming the cell where there is one.
TEST(Codice, CodiciRifiutati) {
    const std::string nove = "0,0,0,0,0,0,0,0,0,";
    const std::string adjacent =
        "codice della variante Adjacent (segni di vicinanza tra celle): Kelvaro "
        "gestisce solo i segni di disuguaglianza";
    struct Caso {
        std::string codice, motivo;
    };
    for (const Caso& c : {
             Caso{"", "codice vuoto"},
             Caso{" \r\n", "codice vuoto"},
             Caso{"3," + nove, "manca ':' tra la dimensione e le celle"},
             Caso{":" + nove, "manca la dimensione prima di ':'"},
             Caso{"3a:0R,0L,0,0,0,0,0,0,0,", adjacent},
             Caso{"3ade:" + nove, adjacent},
             Caso{"3dq:" + nove, "parametri '3dq' non riconosciuti prima di ':'"},
             Caso{"3x:" + nove, "parametri '3x' non riconosciuti prima di ':'"},
             Caso{"2:0,0,0,0,", "dimensione 2 non gestita (da 3 a 9)"},
             Caso{"10:" + nove, "dimensione 10 non gestita (da 3 a 9)"},
             Caso{"123456789012345:" + nove, "dimensione 123456789012... non gestita (da 3 a 9)"},
             Caso{"0:", "dimensione 0 non gestita (da 3 a 9)"},
             Caso{"3:0,0,0,0,0,0,0,0,", "celle attese 9 (3 x 3), trovate 8"},
             Caso{"3:" + nove + "0,", "celle attese 9 (3 x 3), trovate 10"},
             Caso{"3:0,0,0,0,0,0,0,0,0,,", "celle attese 9 (3 x 3), trovate 10"},
             Caso{"3:0,,0,0,0,0,0,0,0,", "cella R1C2: vuota"},
             Caso{"3:0,0,0,R,0,0,0,0,0,", "cella R2C1: manca la cifra (0 se vuota)"},
             Caso{"3:0,0,0,0,0,0,0,0,x,", "cella R3C3: manca la cifra (0 se vuota)"},
             Caso{"3:0,0,0,0,4,0,0,0,0,", "cella R2C2: cifra 4 oltre la dimensione 3"},
             Caso{"3:0,0,0,0,0,0,0,0,123456789,", "cella R3C3: cifra 123456789 oltre la dimensione 3"},
             Caso{"3:0,0,0,0,0,0,0,0,00000000000000004,",
                  "cella R3C3: cifra 000000000000... oltre la dimensione 3"},
             Caso{"3:0u,0,0,0,0,0,0,0,0,",
                  "cella R1C1: carattere 'u' non valido (dopo la cifra solo U, R, D, L)"},
             Caso{"3:0,0,0,0,1\x1b,0,0,0,0,",
                  "cella R2C2: carattere '\\x1B' non valido (dopo la cifra solo U, R, D, L)"},
             Caso{"3:0R2,0,0,0,0,0,0,0,0,",
                  "cella R1C1: carattere '2' non valido (dopo la cifra solo U, R, D, L)"},
             Caso{"3:0,0,0,0,0RR,0,0,0,0,", "cella R2C2: segno 'R' ripetuto"},
             Caso{"3:0L,0,0,0,0,0,0,0,0,", "cella R1C1: il segno 'L' esce dalla griglia"},
             Caso{"3:0U,0,0,0,0,0,0,0,0,", "cella R1C1: il segno 'U' esce dalla griglia"},
             Caso{"3:0,0,0,0,0,0,0,0,0R,", "cella R3C3: il segno 'R' esce dalla griglia"},
             Caso{"3:0,0,0,0,0,0,0,0,0D,", "cella R3C3: il segno 'D' esce dalla griglia"},
             Caso{"3:0R,0L,0,0,0,0,0,0,0,", "segni opposti tra R1C1 e R1C2 (ognuna maggiore dell'altra)"},
             Caso{"3:0,0,0,0,0D,0,0,0U,0,", "segni opposti tra R2C2 e R3C2 (ognuna maggiore dell'altra)"},
         }) {
        std::string motivo;
        EXPECT_FALSE(LeggiCodice(c.codice, motivo)) << c.codice;
        EXPECT_EQ(motivo, c.motivo) << c.codice;
    }
}

TEST(Codice, Scrittura) {
    Schema s;
    s.Sizesc = 3;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) s.tblSchema[r][c] = "0";
    s.tblSchema[1][1] = "1";
    s.tblSchema[3][3] = "3";
    s.tblSchema[2][3] = "";  // a short SCHEMA line leaves empty cells: written as 0
    // Letters in Unequal's order U R D L, whatever the order of the lines; a line twice is one sign.
    s.Vincoli = {"2221", "2212", "2223", "2232", "3132", "2212"};
    std::string motivo = "?";
    EXPECT_EQ(ScriviCodice(s, motivo).value_or(motivo), "3:1,0,0,0,0URDL,0,0R,0,3,");

    s.Vincoli = {"1112", "1211"};
    EXPECT_FALSE(ScriviCodice(s, motivo));
    EXPECT_EQ(motivo, "segni opposti tra R1C1 e R1C2 (ognuna maggiore dell'altra)");
    s.Vincoli = {"1113"};
    EXPECT_FALSE(ScriviCodice(s, motivo));
    EXPECT_EQ(motivo, "vincolo '1113' non scrivibile in un codice (celle non vicine)");
    s.Vincoli = {};
    s.Sizesc = 2;
    EXPECT_FALSE(ScriviCodice(s, motivo));
    EXPECT_EQ(motivo, "dimensione 2 non gestita dai codici (da 3 a 9)");
}

// Made into a schema to save: only a code with exactly one solution, which becomes the schema's.
TEST(Codice, SchemaConUnaSoluzione) {
    std::string motivo;
    // 3 x 3 with 1 > ... : R1C1 > R1C2 > R1C3 fixes the first row to 3 2 1, then R2C1 = 1 decides.
    const auto s = SchemaDaCodice("3:0R,0R,0,1,0,0,0,0,0,", motivo);
    ASSERT_TRUE(s) << motivo;
    EXPECT_EQ(ConcatenaTabella(s->tblSoluzione, 3), "321132213");
    EXPECT_EQ(ConcatenaTabella(s->tblSchema, 3), "000100000");

    EXPECT_FALSE(SchemaDaCodice("3:0R,0R,0,0,0,0,0,0,0,", motivo));
    EXPECT_EQ(motivo, "il codice ha più di una soluzione");
    EXPECT_FALSE(SchemaDaCodice("3:1,1,0,0,0,0,0,0,0,", motivo));
    EXPECT_EQ(motivo, "il codice non ha soluzioni");
    EXPECT_FALSE(SchemaDaCodice("3:1R,0,0,0,0,0,0,0,0,", motivo));
    EXPECT_EQ(motivo, "il codice non ha soluzioni");
    // A code that does not read says so, as LeggiCodice does.
    EXPECT_FALSE(SchemaDaCodice("3a:0,0,0,0,0,0,0,0,0,", motivo));
    EXPECT_NE(motivo.find("Adjacent"), std::string::npos);
}

// The codes Unequal itself made, at every level and size 4..9 (tests/fixtures/codici/unequal.txt):
// each reads to a schema with exactly one solution, which keeps the givens and satisfies every
// sign read straight from the code's letters; writing the schema again gives Unequal's own code.
TEST(Codice, CodiciDiUnequal) {
    std::ifstream in(std::string(KELVARO_FIXTURES) + "/codici/unequal.txt");
    ASSERT_TRUE(in);
    std::string riga;
    int letti = 0;
    std::set<std::string> livelli;
    while (std::getline(in, riga)) {
        if (riga.empty() || riga[0] == '#') continue;
        const size_t spazio = riga.find(' ');
        ASSERT_NE(spazio, std::string::npos) << riga;
        const std::string parametri = riga.substr(0, spazio), codice = riga.substr(spazio + 1);
        livelli.insert(parametri.substr(0, 3));
        std::string motivo;
        const auto s = SchemaDaCodice(codice, motivo);
        ASSERT_TRUE(s) << parametri << ": " << motivo;
        const int n = s->Sizesc;
        EXPECT_EQ(n, parametri[0] - '0');
        EXPECT_TRUE(SoluzioneSalvataValida(*s).has_value()) << codice;

        // The letters, read here on their own: U above, R right, D below, L left is smaller.
        const std::vector<std::string> celle = Dividi(codice.substr(codice.find(':') + 1), ',');
        auto cifra = [&](int r, int c) { return s->tblSoluzione[r][c][0] - '0'; };
        int segni = 0;
        for (int k = 0; k < n * n; ++k) {
            const int r = k / n + 1, c = k % n + 1;
            const std::string& cella = celle[k];
            if (cella[0] != '0') {
                EXPECT_EQ(cella[0] - '0', cifra(r, c)) << codice << " " << DesCella(r, c);
            }
            for (char l : cella.substr(1)) {
                const int r2 = r + (l == 'D') - (l == 'U'), c2 = c + (l == 'R') - (l == 'L');
                EXPECT_GT(cifra(r, c), cifra(r2, c2)) << codice << " " << DesCella(r, c) << l;
                ++segni;
            }
        }
        EXPECT_EQ(s->NumVincoli(), segni) << codice;
        EXPECT_EQ(ScriviCodice(*s, motivo).value_or(motivo), codice);
        ++letti;
    }
    EXPECT_EQ(letti, 60);
    EXPECT_EQ(livelli.size(), 30u);  // sizes 4..9 times the five levels
}

// Every schema of bench/schemi: its code read back gives the same givens and signs, and the same
// solution as the file's.
TEST(Codice, AndataERitornoDegliSchemi) {
    int provati = 0;
    for (const auto& voce :
         std::filesystem::directory_iterator(std::string(KELVARO_SORGENTI) + "/bench/schemi")) {
        if (voce.path().extension() != ".txt") continue;
        std::string motivo;
        const auto f = LeggiSchemaFile(voce.path().string(), motivo);
        ASSERT_TRUE(f) << voce.path() << ": " << motivo;
        const auto codice = ScriviCodice(f->schema, motivo);
        ASSERT_TRUE(codice) << voce.path() << ": " << motivo;
        const auto s = SchemaDaCodice(*codice, motivo);
        ASSERT_TRUE(s) << voce.path() << " " << *codice << ": " << motivo;
        const int n = f->schema.Sizesc;
        EXPECT_EQ(s->Sizesc, n);
        EXPECT_EQ(ConcatenaTabella(s->tblSchema, n), ConcatenaTabella(f->schema.tblSchema, n)) << voce.path();
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                EXPECT_EQ(s->tblSegni[r][c], f->schema.tblSegni[r][c])
                    << voce.path() << " " << DesCella(r, c);
        EXPECT_EQ(ConcatenaTabella(s->tblSoluzione, n), ConcatenaTabella(f->schema.tblSoluzione, n))
            << voce.path();
        // The file written from the code is the one the program saves, CHECK included.
        const auto riletto = LeggiSchemaRighe(DividiRighe(TestoFileSchema(*s)), &motivo);
        ASSERT_TRUE(riletto) << motivo;
        EXPECT_EQ(riletto->CheckLetto, CreaPwd(f->schema.tblSoluzione, n));
        ++provati;
    }
    EXPECT_EQ(provati, 49);
}

}  // namespace
}  // namespace kelvaro
