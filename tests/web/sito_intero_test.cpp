// Publishing into an empty folder makes a site that stands on its own: every file a page loads
// (page script, hint script and its module, favicon, sign pictures) is written beside the pages,
// equal to the program directory's own; a piece the program directory lacks stops the run before
// any page is written, naming it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"
#include "web/pubblica.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A program directory made from the build's: its configuration, templates, schemas and pictures,
// with empty output folders.
class SitoIntero : public testing::Test {
protected:
    void SetUp() override {
        const fs::path bin(KELVARO_BIN);
        fs::copy_file(bin / "Kelvaro.ini", base() / "Kelvaro.ini");
        for (const char* cartella : {"template", "schemixwebsite", "assets"})
            fs::copy(bin / cartella, base() / cartella, fs::copy_options::recursive);
        fs::create_directory(base() / "perwebsiteprove");
        fs::create_directory(base() / "perwebsite");
    }
    const fs::path& base() const { return dir.percorso(); }
    test::EsitoCli Pubblica(const std::string& redirezione = "2>/dev/null") const {
        return test::EseguiCli("pubblica --cartella '" + base().string() + "' --principale " + redirezione);
    }
    // Every local file the written pages of a folder load: src= and href= values that are no page
    // and no address elsewhere.
    static std::set<std::string> Riferiti(const fs::path& cartella) {
        static const std::regex rif("(?:src|href)\\s*=\\s*[\"']([^\"']*)[\"']");
        std::set<std::string> nomi;
        for (const auto& e : fs::directory_iterator(cartella)) {
            if (e.path().extension() != ".html") continue;
            const std::string testo = test::LeggiFile(e.path());
            for (auto it = std::sregex_iterator(testo.begin(), testo.end(), rif);
                 it != std::sregex_iterator(); ++it) {
                const std::string v = (*it)[1];
                if (v.empty() || v.find(':') != std::string::npos || v[0] == '#' || v.rfind("../", 0) == 0 ||
                    v.find(".htm") != std::string::npos)
                    continue;
                nomi.insert(v);
            }
        }
        return nomi;
    }

    test::CartellaTemporanea dir;
};

TEST_F(SitoIntero, CartellaVuotaDiventaUnSitoCompleto) {
    const fs::path bin(KELVARO_BIN);
    const bool modulo = fs::exists(bin / "template/kelvaro_aiuto.js");
    const auto cli = Pubblica();
    ASSERT_EQ(cli.stato, 0) << cli.uscita;
    // Lines as before, nothing new among them.
    EXPECT_EQ(cli.uscita, "pagine: 7\nscartati: 0\nindice: " + base().string() +
                              "/perwebsiteprove/futoshiki_090101.html\npagina principale: " +
                              base().string() + "/perwebsite/Futoshiki.html\npagine rimosse: 0\n");

    // Output name -> the program directory's file it must equal.
    std::map<std::string, fs::path> attesi = {
        {"schemaFutoshiki.js", bin / "perwebsiteprove/schemaFutoshiki.js"},  // compacted by the build
        {"aiutino.js", base() / "template/aiutino.js"},
        {"assets/favicon.svg", base() / "assets/favicon.svg"},
        {"assets/img/FA.bmp", base() / "assets/img/FA.bmp"},
        {"assets/img/FB.bmp", base() / "assets/img/FB.bmp"},
        {"assets/img/FD.bmp", base() / "assets/img/FD.bmp"},
        {"assets/img/FS.bmp", base() / "assets/img/FS.bmp"},
    };
    // The hint script loads the module by name.
    ASSERT_NE(test::LeggiFile(base() / "template/aiutino.js").find("'kelvaro_aiuto.js'"), std::string::npos);
    if (modulo) attesi["kelvaro_aiuto.js"] = base() / "template/kelvaro_aiuto.js";

    const fs::path prove = base() / "perwebsiteprove";
    for (const auto& [nome, origine] : attesi) {
        SCOPED_TRACE(nome);
        ASSERT_TRUE(fs::is_regular_file(prove / nome));
        EXPECT_EQ(test::LeggiFile(prove / nome), test::LeggiFile(origine));
    }
    for (const std::string& nome : Riferiti(prove)) EXPECT_TRUE(attesi.count(nome)) << nome;
    // The sample schemas have all four signs; the pages name every piece of the table.
    for (const char* nome :
         {"schemaFutoshiki.js", "aiutino.js", "assets/favicon.svg", "assets/img/FA.bmp", "assets/img/FD.bmp"})
        EXPECT_TRUE(Riferiti(prove).count(nome)) << nome;
    // The main page, in its own folder, loads its favicon from there.
    for (const std::string& nome : Riferiti(base() / "perwebsite")) {
        ASSERT_TRUE(fs::is_regular_file(base() / "perwebsite" / nome)) << nome;
        EXPECT_EQ(test::LeggiFile(base() / "perwebsite" / nome), test::LeggiFile(base() / nome)) << nome;
    }
    EXPECT_TRUE(fs::exists(base() / "perwebsite/assets/favicon.svg"));
}

TEST_F(SitoIntero, FileUgualiNonRiscrittiEAltriFileIntatti) {
    const fs::path prove = base() / "perwebsiteprove";
    test::ScriviFile(prove / "mio.js", "// a mano");
    ASSERT_EQ(Pubblica().stato, 0);
    // Old times, so that a rewrite shows.
    const auto prima = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const char* nome : {"aiutino.js", "assets/img/FD.bmp", "mio.js", "schemaFutoshiki.js"})
        fs::last_write_time(prove / nome, prima);
    // A piece changed in the program directory is written again.
    test::ScriviFile(base() / "assets/img/FS.bmp", "BM nuova");
    ASSERT_EQ(Pubblica().stato, 0);
    for (const char* nome : {"aiutino.js", "assets/img/FD.bmp", "mio.js", "schemaFutoshiki.js"})
        EXPECT_EQ(fs::last_write_time(prove / nome), prima) << nome;
    EXPECT_EQ(test::LeggiFile(prove / "assets/img/FS.bmp"), "BM nuova");
    EXPECT_EQ(test::LeggiFile(prove / "mio.js"), "// a mano");
}

// A piece the pages load that the program directory lacks: exit status 1, a message naming it,
// and no page (nor any other file) written.
struct CasoMancante {
    const char* file;  // removed from the program directory
};

class PezzoMancante : public SitoIntero, public testing::WithParamInterface<CasoMancante> {};

TEST_P(PezzoMancante, NessunaPaginaEMessaggioCheLoNomina) {
    const fs::path via = base() / GetParam().file;
    ASSERT_TRUE(fs::remove(via));
    const auto cli = Pubblica("2>&1");
    EXPECT_EQ(cli.stato, 1);
    EXPECT_NE(cli.uscita.find(via.string()), std::string::npos) << cli.uscita;
    EXPECT_NE(cli.uscita.find("non trovato"), std::string::npos) << cli.uscita;
    EXPECT_EQ(cli.uscita.find("pagine:"), std::string::npos) << cli.uscita;
    EXPECT_TRUE(fs::is_empty(base() / "perwebsiteprove"));
    EXPECT_TRUE(fs::is_empty(base() / "perwebsite"));
}

INSTANTIATE_TEST_SUITE_P(Sito, PezzoMancante,
                         testing::Values(CasoMancante{"template/aiutino.js"},
                                         CasoMancante{"template/schemaFutoshiki.js"},
                                         CasoMancante{"assets/favicon.svg"},
                                         CasoMancante{"assets/img/FA.bmp"},
                                         CasoMancante{"assets/img/FS.bmp"}),
                         test::NomeDa([](const CasoMancante& c) { return std::string(c.file); }));

// Without the module (a build without emscripten) the pages still play and say "Aiutino non
// disponibile": the run publishes, and says the module is missing.
TEST_F(SitoIntero, SenzaModuloPubblicaEDiceCheManca) {
    std::error_code ec;
    fs::remove(base() / "template/kelvaro_aiuto.js", ec);
    const auto cli = Pubblica("2>&1");
    EXPECT_EQ(cli.stato, 0) << cli.uscita;
    EXPECT_NE(cli.uscita.find("Modulo dell'Aiutino non trovato"), std::string::npos) << cli.uscita;
    EXPECT_NE(cli.uscita.find((base() / "template/kelvaro_aiuto.js").string()), std::string::npos)
        << cli.uscita;
    EXPECT_NE(cli.uscita.find("pagine: 7\n"), std::string::npos) << cli.uscita;
    EXPECT_TRUE(fs::exists(base() / "perwebsiteprove/aiutino.js"));
    EXPECT_FALSE(fs::exists(base() / "perwebsiteprove/kelvaro_aiuto.js"));
}

// Every site gets the page that makes new schemas in the browser, linked from the index: the
// schema pages' template with the choice of size and difficulty in place of a grid, loading the
// same pieces as the schema pages (the generator is in the hint's module).
TEST_F(SitoIntero, PaginaNuovoSchemaConLaSceltaELinkDallIndice) {
    ASSERT_EQ(Pubblica().stato, 0);
    const fs::path prove = base() / "perwebsiteprove";
    const std::string pagina = test::LeggiFile(prove / "nuovo_schema.html");
    EXPECT_NE(test::LeggiFile(prove / "futoshiki_090101.html")
                  .find("<a href=\"nuovo_schema.html\">Nuovo schema</a>"),
              std::string::npos);
    EXPECT_NE(pagina.find("<title>Nuovo schema</title>"), std::string::npos);
    EXPECT_EQ(pagina.find("<table id='ritb1'"), std::string::npos);
    for (const char* pezzo :
         {"<script src=\"schemaFutoshiki.js\"></script>", "<script src=\"aiutino.js\"></script>",
          "<select id='nuovoLato'>", "<option value='4'>4 &times; 4</option>",
          "<option value='6' selected>6 &times; 6</option>", "<option value='9'>9 &times; 9</option>",
          "<option value='Facile' data-lati='456789'>Facile</option>",
          "<option value='Medio' data-lati='456789' selected>Medio</option>",
          "<option value='Difficile' data-lati='56789'>Difficile</option>",
          "<option value='Esperto' data-lati='56789'>Esperto</option>",
          "<button type='button' id='bGenera' class='primario' disabled>Genera</button>"})
        EXPECT_NE(pagina.find(pezzo), std::string::npos) << pezzo;
    // Diabolico needs a trial: the generator keeps only schemas its check solves without one.
    EXPECT_EQ(pagina.find("Diabolico"), std::string::npos);
    // Not a schema page of the publisher's: a later run never removes it.
    EXPECT_FALSE(PaginaDelPubblicatore((prove / "nuovo_schema.html").string()));
}

}  // namespace
}  // namespace kelvaro
