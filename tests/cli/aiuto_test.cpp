// kelvaro-cli aiuto: the next step from the givens or from a position, and its exit status.
#include <gtest/gtest.h>

#include <string>

#include "supporto/posizioni.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

// The 4 x 4 sample: givens R2C1 = 3 and R4C3 = 2, R1C1 less than R1C2.
const char* Schema4 =
    "<?xml version=\"1.0\" ?>\n<FUTOSHIKI SIZE=\"4\">\n<SCHEMA>0000300000000020</SCHEMA>\n"
    "<SOLUTION>1234341221434321</SOLUTION>\n<CONSTRAINT>1211|3444|3334|1424</CONSTRAINT>\n"
    "<CHECK>662364</CHECK>\n</FUTOSHIKI>\n";

class CliAiuto : public ::testing::Test {
protected:
    void SetUp() override { test::ScriviFile(tmp / "s.txt", Schema4); }
    test::CartellaTemporanea tmp;
};

TEST_F(CliAiuto, DaiDatiUnPasso) {
    const test::EsitoCli e = test::EseguiCli("aiuto " + (tmp / "s.txt"));
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.uscita,
              "passo: MIN\nfrase: R1C1 deve essere minore di R1C2\nfrase: Elimino 4 da R1C1\n"
              "tolti: R1C1:4\nrestano: R1C1:12\ngiustificano: R1C2\n");
}

// A schema with many solutions whose file carries a SOLUTION that is no solution at all: a right
// row is not called a mistake from it, and verifica says the stored solution is ignored.
TEST_F(CliAiuto, SoluzioneSalvataNonValidaIgnorata) {
    test::ScriviFile(tmp / "uni.txt",
                     "<?xml version=\"1.0\" ?>\n<FUTOSHIKI SIZE=\"4\">\n<SCHEMA>0000000000000000</SCHEMA>\n"
                     "<SOLUTION>1111111111111111</SOLUTION>\n<CONSTRAINT></CONSTRAINT>\n"
                     "<CHECK>000000</CHECK>\n</FUTOSHIKI>\n");
    const test::EsitoCli e = test::EseguiCli("aiuto " + (tmp / "uni.txt") + " --griglia 1234000000000000");
    EXPECT_EQ(e.uscita.rfind("passo: errore", 0), std::string::npos) << e.uscita;
    const test::EsitoCli v = test::EseguiCli("verifica " + (tmp / "uni.txt"));
    EXPECT_NE(v.uscita.find("\nsoluzione salvata: non valida, ignorata\n"), std::string::npos) << v.uscita;
    // A right stored solution says nothing of the kind.
    const test::EsitoCli buona = test::EseguiCli("verifica " + (tmp / "s.txt"));
    EXPECT_EQ(buona.uscita.find("soluzione salvata"), std::string::npos) << buona.uscita;
}

TEST_F(CliAiuto, DallaGriglia) {
    struct Caso {
        std::string griglia;
        int stato;
        std::string prima;
    };
    const Caso casi[] = {
        {"1234300000000020", 0, "passo: U\nfrase: 4 unico  possibile in cella R4C1\n"},
        {"2000300000000020", 1, "passo: errore\nerrate: R1C1\n"},
        {"1234341221434321", 1, "passo: nessuno\nmotivo: Schema completo\n"},
    };
    for (const Caso& c : casi) {
        const test::EsitoCli e = test::EseguiCli("aiuto " + (tmp / "s.txt") + " --griglia " + c.griglia);
        EXPECT_EQ(e.stato, c.stato) << c.griglia;
        EXPECT_EQ(e.uscita.substr(0, c.prima.size()), c.prima) << c.griglia;
    }
}

// A position that is no position (a letter, a digit above N) is unusable input, as a wrong length.
TEST_F(CliAiuto, GrigliaConCaratteriFuoriDaZeroAN) {
    struct Caso {
        std::string griglia;
        std::string errore;
    };
    const Caso casi[] = {
        {"1234300000000025", "errore: --griglia vuole cifre da 0 a 4, non '5' (posizione 16)\n"},
        {"1234300000000029", "errore: --griglia vuole cifre da 0 a 4, non '9' (posizione 16)\n"},
        {"a234300000000020", "errore: --griglia vuole cifre da 0 a 4, non 'a' (posizione 1)\n"},
        {"12-4300000000020", "errore: --griglia vuole cifre da 0 a 4, non '-' (posizione 3)\n"},
        {"1234 00000000020", "errore: --griglia vuole cifre da 0 a 4, non '\\x20' (posizione 5)\n"},
    };
    for (const Caso& c : casi) {
        const test::EsitoCli e =
            test::EseguiCli("aiuto " + (tmp / "s.txt") + " --griglia '" + c.griglia + "' 2>&1");
        EXPECT_EQ(e.stato, 2) << c.griglia;
        EXPECT_EQ(e.uscita, c.errore) << c.griglia;
    }
}

TEST_F(CliAiuto, FileOGrigliaInutilizzabili) {
    EXPECT_EQ(test::EseguiCli("aiuto " + (tmp / "manca.txt") + " 2>/dev/null").stato, 2);
    EXPECT_EQ(test::EseguiCli("aiuto " + (tmp / "s.txt") + " --griglia 123 2>/dev/null").stato, 2);
    EXPECT_EQ(test::EseguiCli("aiuto 2>/dev/null").stato, 2);
}

// The shared table of positions, answered by the binary: the schema written as a file without a
// stored solution, the entries as --griglia, the techniques as --tecniche. The command line takes
// no notes and reads only well-formed files, so the cases with notes and those of malformed
// requests belong to the core and the page alone.
TEST_F(CliAiuto, TabellaDellePosizioni) {
    const auto casi = test::LeggiPosizioni(std::string(KELVARO_FIXTURES) + "/aiutino/posizioni.txt");
    ASSERT_GE(casi.size(), 18u);
    int provati = 0;
    for (const test::CasoPosizione& c : casi) {
        if (!c.leggibile || c.conNote) continue;
        const std::string file = tmp / ("caso" + std::to_string(provati) + ".txt");
        test::ScriviFile(file, c.FileSchema());
        const test::EsitoCli e =
            test::EseguiCli("aiuto " + file + " --griglia " + c.voci + " --tecniche " + c.tecniche + " 2>&1");
        EXPECT_EQ(e.uscita, c.atteso) << c.nome;
        EXPECT_EQ(e.stato,
                  c.atteso.rfind("passo: errore", 0) == 0 || c.atteso.rfind("passo: nessuno", 0) == 0 ? 1 : 0)
            << c.nome;
        ++provati;
    }
    EXPECT_GE(provati, 11);
}

}  // namespace
}  // namespace kelvaro
