// The program directory: a build folder is its own; an installed program (PREFIX/bin with
// PREFIX/share/kelvaro) works in the user's data folder, made once from the installed files.
#include "app/programma.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct CasoScelta {
    const char* nome;
    const char* eseguibile;  // relative to the temporary folder
    bool condivisi;          // PREFIX/share/kelvaro exists beside the executable's folder
    const char* xdg;         // XDG_DATA_HOME: nullptr unset, "@" the temporary folder + "/xdg"
    const char* lavoro;      // expected, relative to the temporary folder
    const char* predefiniti;
    bool installato;
};

class SceltaCartelle : public ::testing::TestWithParam<CasoScelta> {};

TEST_P(SceltaCartelle, Caso) {
    const CasoScelta& c = GetParam();
    test::CartellaTemporanea tmp;
    const fs::path base = tmp.percorso();
    const fs::path eseguibile = base / c.eseguibile;
    fs::create_directories(eseguibile);
    if (c.condivisi) fs::create_directories(eseguibile.parent_path() / "share" / "kelvaro");
    const std::string xdg =
        c.xdg && std::string(c.xdg) == "@" ? (base / "xdg").string() : (c.xdg ? c.xdg : "");
    const std::string casa = (base / "casa").string();
    const CartelleProgramma scelte =
        ScegliCartelle(eseguibile.string() + "/", c.xdg ? xdg.c_str() : nullptr, casa.c_str());
    EXPECT_EQ(scelte.Lavoro, (base / c.lavoro).string());
    EXPECT_EQ(scelte.Predefiniti, (base / c.predefiniti).string());
    EXPECT_EQ(scelte.Installato, c.installato);
    EXPECT_EQ(scelte.DellUtente(), std::string(c.lavoro) != c.predefiniti);
}

INSTANTIATE_TEST_SUITE_P(
    Programma, SceltaCartelle,
    ::testing::Values(
        // A build folder runs where it is, whatever the environment says.
        CasoScelta{"Compilazione", "build/bin", false, "@", "build/bin", "build/bin", false},
        CasoScelta{"CartellaQualsiasi", "programma", false, nullptr, "programma", "programma", false},
        // Installed: the files in share/kelvaro, the work in the user's folder.
        CasoScelta{"InstallatoXdg", "usr/bin", true, "@", "xdg/kelvaro", "usr/share/kelvaro", true},
        CasoScelta{"InstallatoHome", "usr/bin", true, nullptr, "casa/.local/share/kelvaro",
                   "usr/share/kelvaro", true},
        // A relative XDG_DATA_HOME is not valid: the default under HOME.
        CasoScelta{"XdgRelativa", "usr/bin", true, "relativa", "casa/.local/share/kelvaro",
                   "usr/share/kelvaro", true},
        CasoScelta{"XdgVuota", "opt/k/bin", true, "", "casa/.local/share/kelvaro", "opt/k/share/kelvaro",
                   true},
        // A folder named bin without share/kelvaro beside it is not an installation.
        CasoScelta{"BinSenzaShare", "solo/bin", false, "@", "solo/bin", "solo/bin", false}),
    [](const auto& info) { return std::string(info.param.nome); });

// A program directory nobody may write into is replaced by the user's folder as well.
TEST(SceltaCartelleNonScrivibile, CartellaDellUtente) {
    if (geteuid() == 0) GTEST_SKIP() << "root scrive ovunque";
    test::CartellaTemporanea tmp;
    const fs::path programma = tmp.percorso() / "programma";
    fs::create_directories(programma);
    fs::permissions(programma, fs::perms::owner_write, fs::perm_options::remove);
    const std::string xdg = tmp / "xdg";
    const CartelleProgramma c = ScegliCartelle(programma.string(), xdg.c_str(), nullptr);
    fs::permissions(programma, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(c.Lavoro, xdg + "/kelvaro");
    EXPECT_EQ(c.Predefiniti, programma.string());
    EXPECT_FALSE(c.Installato);
}

void Scrivi(const fs::path& p, const std::string& testo) {
    fs::create_directories(p.parent_path());
    test::ScriviFile(p, testo);
}

// An installed program directory with its files, some of them read-only as a package leaves
// them, and a file that is not part of a program directory.
fs::path Installati(const test::CartellaTemporanea& tmp) {
    const fs::path d = tmp.percorso() / "usr" / "share" / "kelvaro";
    Scrivi(d / "Kelvaro.ini", "FILESCHEMA=schema.html\r\n");
    Scrivi(d / "Kelvaro.rtf", "{\\rtf1 istruzioni}");
    Scrivi(d / "template" / "schema.html", "<html>|SCHEMA|</html>");
    Scrivi(d / "schemixwebsite" / "1.txt", "<FUTOSHIKI SIZE=\"4\">");
    Scrivi(d / "perwebsiteprove" / "schemaFutoshiki.js", "var a;");
    fs::create_directories(d / "perwebsite");
    Scrivi(d / "altro.bin", "non mio");
    fs::permissions(d / "Kelvaro.ini",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(d / "template", fs::perms::owner_read | fs::perms::owner_exec);
    return d;
}

TEST(CartellaUtente, CreataAlPrimoUsoDaiFileInstallati) {
    test::CartellaTemporanea tmp;
    const fs::path predefiniti = Installati(tmp);
    const fs::path utente = tmp.percorso() / "casa" / ".local" / "share" / "kelvaro";
    std::string errore;
    ASSERT_TRUE(CreaCartellaUtente(predefiniti.string(), utente.string(), errore)) << errore;
    for (const char* f : {"Kelvaro.ini", "Kelvaro.rtf", "template/schema.html", "schemixwebsite/1.txt",
                          "perwebsiteprove/schemaFutoshiki.js"})
        EXPECT_EQ(test::LeggiFile(utente / f), test::LeggiFile(predefiniti / f)) << f;
    EXPECT_TRUE(fs::is_directory(utente / "perwebsite"));
    EXPECT_FALSE(fs::exists(utente / "altro.bin"));
    // The copies are the user's: writable, folders included.
    EXPECT_EQ(access((utente / "Kelvaro.ini").c_str(), W_OK), 0);
    EXPECT_EQ(access((utente / "template").c_str(), W_OK), 0);
    // Nothing but the folder itself is left beside it.
    int voci = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(utente.parent_path())) ++voci;
    EXPECT_EQ(voci, 1);
    fs::permissions(predefiniti / "template", fs::perms::owner_all, fs::perm_options::add);
}

TEST(CartellaUtente, QuelloCheLUtenteHaNonSiTocca) {
    test::CartellaTemporanea tmp;
    const fs::path predefiniti = Installati(tmp);
    const fs::path utente = tmp.percorso() / "kelvaro";
    Scrivi(utente / "Kelvaro.ini", "mio");
    std::string errore;
    EXPECT_TRUE(CreaCartellaUtente(predefiniti.string(), utente.string(), errore));
    EXPECT_EQ(test::LeggiFile(utente / "Kelvaro.ini"), "mio");
    // A folder the user keeps is not filled in again either.
    EXPECT_FALSE(fs::exists(utente / "template"));
    fs::permissions(predefiniti / "template", fs::perms::owner_all, fs::perm_options::add);
}

TEST(CartellaUtente, UnaCartellaVuotaSiRiempie) {
    test::CartellaTemporanea tmp;
    const fs::path predefiniti = Installati(tmp);
    const fs::path utente = tmp.percorso() / "kelvaro";
    fs::create_directories(utente);
    std::string errore;
    EXPECT_TRUE(CreaCartellaUtente(predefiniti.string(), utente.string(), errore)) << errore;
    EXPECT_EQ(test::LeggiFile(utente / "Kelvaro.rtf"), "{\\rtf1 istruzioni}");
    fs::permissions(predefiniti / "template", fs::perms::owner_all, fs::perm_options::add);
}

TEST(CartellaUtente, SeNonSiPuoCreareLoDice) {
    test::CartellaTemporanea tmp;
    const fs::path predefiniti = Installati(tmp);
    // The data folder's parent is a file: nothing can be made there.
    test::ScriviFile(tmp.percorso() / "share", "un file");
    const fs::path utente = tmp.percorso() / "share" / "kelvaro";
    std::string errore;
    EXPECT_FALSE(CreaCartellaUtente(predefiniti.string(), utente.string(), errore));
    EXPECT_FALSE(errore.empty());
    EXPECT_EQ(test::LeggiFile(tmp.percorso() / "share"), "un file");
    fs::permissions(predefiniti / "template", fs::perms::owner_all, fs::perm_options::add);
}

}  // namespace
}  // namespace kelvaro
