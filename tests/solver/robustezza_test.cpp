// Any schema the loader accepts ends its solve with a result: inconsistent givens, contradictory
// signs, no signs at all, sizes 1 to 9.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "model/testo.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

std::string SchemaCasuale(std::mt19937& rng) {
    const int n = std::uniform_int_distribution<int>(1, 9)(rng);
    auto cifra = [&](int da, int a) {
        return static_cast<char>('0' + std::uniform_int_distribution<int>(da, a)(rng));
    };
    const int densita = std::uniform_int_distribution<int>(0, 100)(rng);
    std::string dati;
    for (int k = 0; k < n * n; ++k)
        dati += std::uniform_int_distribution<int>(0, 99)(rng) < densita / 3 ? cifra(1, n) : '0';
    std::string vincoli;
    const int quanti = n > 1 ? std::uniform_int_distribution<int>(0, 2 * n * (n - 1))(rng) : 0;
    for (int k = 0; k < quanti; ++k) {
        const int r = std::uniform_int_distribution<int>(1, n)(rng),
                  c = std::uniform_int_distribution<int>(1, n)(rng);
        int r2 = r, c2 = c;
        switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
            case 0:
                c2 = c < n ? c + 1 : c - 1;
                break;
            case 1:
                c2 = c > 1 ? c - 1 : c + 1;
                break;
            case 2:
                r2 = r < n ? r + 1 : r - 1;
                break;
            case 3:
                r2 = r > 1 ? r - 1 : r + 1;
                break;
            default:  // anywhere in the grid, adjacent or not
                r2 = std::uniform_int_distribution<int>(1, n)(rng);
                c2 = std::uniform_int_distribution<int>(1, n)(rng);
                if (r2 == r && c2 == c) continue;
        }
        if (!vincoli.empty()) vincoli += "|";
        vincoli += std::to_string(r) + std::to_string(c) + std::to_string(r2) + std::to_string(c2);
    }
    return "<F SIZE='" + std::to_string(n) + "'><SCHEMA>" + dati +
           "</SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>" + vincoli + "</CONSTRAINT>";
}

// The loader refuses a sign between cells that are not side by side; the solver must still stand
// any flags it is given, so the signs are set here past the loader, as they come.
std::optional<SchemaLetto> LeggiConSegniLiberi(const std::string& testo) {
    const size_t a = testo.find("<CONSTRAINT>") + 12, z = testo.find("</CONSTRAINT>");
    auto letto = LeggiSchemaRighe(DividiRighe(testo.substr(0, a) + testo.substr(z)));
    if (!letto) return letto;
    if (z > a)
        for (const std::string& v : Dividi(testo.substr(a, z - a), '|')) letto->schema.Vincoli.push_back(v);
    CostruisciSegni(letto->schema);
    return letto;
}

TEST(RobustezzaRisolutore, SchemiCaricabiliCasualiFinisconoConUnRisultato) {
    std::mt19937 rng(20261210);
    for (int prova = 0; prova < 400; ++prova) {
        const std::string testo = SchemaCasuale(rng);
        auto letto = LeggiConSegniLiberi(testo);
        ASSERT_TRUE(letto.has_value()) << testo;
        for (int tecniche : {0, 3}) {
            Banco b;
            b.schema = letto->schema;
            b.imp.AttivaMultipli = tecniche;
            b.ris.MaxLivello = 99;
            RisolviSchema(b);
            const int n = b.schema.Sizesc;
            if (b.ris.Risolto) {
                // A solution found must honour every row, column, given and sign.
                for (int r = 1; r <= n; ++r)
                    for (int c = 1; c <= n; ++c) {
                        const std::string& v = b.schema.tblRisolto[r][c];
                        ASSERT_EQ(v.size(), 1u) << testo;
                        if (b.schema.tblSchema[r][c] != "0") {
                            EXPECT_EQ(v, b.schema.tblSchema[r][c]) << testo;
                        }
                        for (int k = 1; k <= n; ++k) {
                            if (k != c) {
                                EXPECT_NE(v, b.schema.tblRisolto[r][k]) << testo;
                            }
                            if (k != r) {
                                EXPECT_NE(v, b.schema.tblRisolto[k][c]) << testo;
                            }
                        }
                    }
                // Signs bind neighbours; a line between distant cells only sets its flags.
                for (const std::string& w : b.schema.Vincoli) {
                    if (std::abs(w[0] - w[2]) + std::abs(w[1] - w[3]) == 1) {
                        EXPECT_GT(b.schema.tblRisolto[w[0] - '0'][w[1] - '0'],
                                  b.schema.tblRisolto[w[2] - '0'][w[3] - '0'])
                            << testo;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// Contradictory givens and signs that no trial order can satisfy: without a bound the search
// would run for hours and grow its step list without end. Past the step limit the counter proves
// there is no solution, and the search stops saying so.
TEST(RobustezzaRisolutore, RicercaSenzaFineSiFermaQuandoNonCeSoluzione) {
    const std::string testo =
        "<F SIZE='9'><SCHEMA>0020000008200000090009000000008000070005000000000000000030000000000010400000"
        "00005</SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>2122|5269|6792|6766|1674|3246|5363|7978|7677|7172|"
        "7686|4523|9249|1415|5251|2313|4948|9291|8384</CONSTRAINT>";
    auto letto = LeggiConSegniLiberi(testo);
    ASSERT_TRUE(letto.has_value());
    Banco b;
    b.schema = letto->schema;
    b.imp.AttivaMultipli = 0;
    b.ris.LimitePassi = 20000;
    RisolviSchema(b);
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_TRUE(b.ris.Esaurito);
    EXPECT_LE(b.ris.NumPassi, 20000 + 10);
    ASSERT_FALSE(b.ris.Trascrizione.empty());
    EXPECT_EQ(b.ris.Trascrizione.back(), "Lo schema non ha soluzione");
    EXPECT_TRUE(b.ris.SenzaSoluzione);
    // The next solve starts afresh.
    auto reale = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/schemi/9x_1.txt");
    ASSERT_TRUE(reale.has_value());
    b.schema = reale->schema;
    RisolviSchema(b);
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_FALSE(b.ris.Esaurito);
    EXPECT_FALSE(b.ris.SenzaSoluzione);
}

}  // namespace
}  // namespace kelvaro
