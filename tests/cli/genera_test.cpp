// kelvaro-cli genera and the "soluzioni:" line of kelvaro-cli verifica.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Uscita {
    std::string testo;
    int stato;
};

Uscita Cli(const std::string& argomenti) {
    const test::EsitoCli e = test::EseguiCli(argomenti);
    return {e.uscita, e.stato};
}

std::string RigaSoluzioni(const std::string& uscita) {
    const size_t k = uscita.find("soluzioni: ");
    if (k == std::string::npos) return "";
    return uscita.substr(k, uscita.find('\n', k) - k);
}

TEST(CliGenera, ScriveGliSchemiNellaCartella) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "nuovi";
    const Uscita u =
        Cli("genera --dimensione 6 --numero 4 --celle 2 --tecniche 3 --soglia 11 --cicli1 1 "
            "--cicli2 2 --profondita 10 --cartella " +
            dir);
    EXPECT_EQ(u.stato, 0);
    EXPECT_EQ(u.testo, "schemi scritti: 4 in " + dir + "\n");
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++file;
        EXPECT_EQ(e.path().filename().string().substr(0, 2), "6_");
        const Uscita v = Cli("verifica " + e.path().string());
        EXPECT_NE(v.testo.find("check: ok\n"), std::string::npos);
        EXPECT_EQ(RigaSoluzioni(v.testo), "soluzioni: 1");
        // the counter's line comes last
        EXPECT_EQ(v.testo.substr(v.testo.size() - 13), "soluzioni: 1\n");
    }
    EXPECT_EQ(file, 4);
}

TEST(CliGenera, OpzioniErrate) {
    test::CartellaTemporanea tmp;
    for (const std::string& opzioni :
         {std::string("--dimensione 10"), std::string("--dimensione 1"), std::string("--tecniche 4"),
          std::string("--numero"), std::string("--soglia tre"), std::string("--cicli1 300"),
          std::string("--sconosciuta 1")}) {
        const Uscita u = Cli("genera " + opzioni + " --cartella " + (tmp / "x"));
        EXPECT_EQ(u.stato, 2) << opzioni;
    }
    EXPECT_FALSE(fs::exists(tmp / "x"));
}

TEST(CliVerifica, RigaSoluzioni) {
    test::CartellaTemporanea tmp;
    struct Caso {
        std::string schema, vincoli, attesa;
    };
    // 2 x 2: no sign leaves two squares, one sign one, opposite signs none
    for (const Caso& c : {Caso{"0000", "", "soluzioni: 2+"}, Caso{"0000", "1112", "soluzioni: 1"},
                          Caso{"0000", "1112|1211", "soluzioni: 0"}}) {
        const std::string file = tmp / "s.txt";
        test::ScriviFile(file, "<?xml version=\"1.0\" ?>\r\n<FUTOSHIKI SIZE=\"2\">\r\n<SCHEMA>" + c.schema +
                                   "</SCHEMA>\r\n<SOLUTION>2112</SOLUTION>\r\n<CONSTRAINT>" + c.vincoli +
                                   "</CONSTRAINT>\r\n<CHECK>000000</CHECK>\r\n</FUTOSHIKI>\r\n");
        EXPECT_EQ(RigaSoluzioni(Cli("verifica " + file).testo), c.attesa) << c.vincoli;
    }
}

}  // namespace
}  // namespace kelvaro
