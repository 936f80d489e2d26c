// kelvaro-cli libretto checks its arguments itself, with no Qt, and hands the drawing to the
// painter program beside it; without that program it says what is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

TEST(CliLibretto, ArgomentiSbagliatiPrimaDelDisegno) {
    struct Caso {
        const char* argomenti;
        int stato;
    } casi[] = {
        {"libretto --per-pagina 3 a b.pdf 2>&1", 2},
        {"libretto --formato A3 a b.pdf 2>&1", 2},
        {"libretto solo_cartella 2>&1", 2},
        {"libretto --sconosciuta a b.pdf 2>&1", 2},
    };
    for (const Caso& c : casi) EXPECT_EQ(test::EseguiCli(c.argomenti).stato, c.stato) << c.argomenti;
}

TEST(CliLibretto, SenzaIlProgrammaCheDisegnaLoDice) {
    test::CartellaTemporanea dir;
    const fs::path copia = dir.percorso() / "kelvaro-cli";
    fs::copy_file(fs::path(KELVARO_BIN) / "kelvaro-cli", copia);
    const std::string pdf = (dir.percorso() / "x.pdf").string();
    const std::string comando = "'" + copia.string() + "' libretto '" + KELVARO_SORGENTI +
                                "/resources/schemixwebsite' '" + pdf + "' 2>&1";
    FILE* p = ::popen(comando.c_str(), "r");
    ASSERT_TRUE(p);
    std::string uscita;
    char buf[256];
    while (std::fgets(buf, sizeof buf, p)) uscita += buf;
    const int stato = ::pclose(p);
    EXPECT_EQ(WEXITSTATUS(stato), 2);
    EXPECT_NE(uscita.find("kelvaro-libretto"), std::string::npos) << uscita;
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace kelvaro
