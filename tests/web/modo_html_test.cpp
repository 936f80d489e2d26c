// The "/HTML" mode on a program directory of its own: pages, index, levels, the site's pictures.
#include "app/modo_html.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "app/ini.h"
#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/testo.h"
#include "solver/difficolta.h"
#include "solver/livello.h"
#include "solver/risolvi.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"
#include "web/finestre_prova.h"
#include "web/grado.h"
#include "web/pubblica.h"
#include "web/stringi.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// resources/Kelvaro.ini, the test templates, four schema files (one broken), the pictures with a
// sign picture of its own.
class ModoHtml : public testing::Test {
protected:
    void SetUp() override {
        const fs::path base = dir.percorso();
        fs::copy_file(std::string(KELVARO_SORGENTI) + "/resources/Kelvaro.ini", base / "Kelvaro.ini");
        fs::copy(test::Fixture("web/template"), base / "template", fs::copy_options::recursive);
        fs::copy(test::Fixture("web/schemi"), base / "schemixwebsite", fs::copy_options::recursive);
        fs::copy(std::string(KELVARO_SORGENTI) + "/resources/assets", base / "assets",
                 fs::copy_options::recursive);
        test::ScriviFile(base / "assets/img/FD.bmp", "BM");
        fs::create_directory(base / "perwebsiteprove");
        fs::create_directory(base / "perwebsite");
        b.ImpostaFinestre(&f);
        b.CartellaProgramma = base.string();
    }
    std::string Sito(const std::string& nome) const {
        return test::LeggiFile(dir.percorso() / "perwebsiteprove" / nome);
    }
    bool Vuota(const char* cartella) const { return fs::is_empty(dir.percorso() / cartella); }

    test::CartellaTemporanea dir;
    test::FinestreRegistrate f;
    Banco b;
};

TEST_F(ModoHtml, PagineIndiceELivelli) {
    ASSERT_TRUE(EseguiModoHtml(b));
    EXPECT_EQ(b.conf.FileSchema, "schema.html");
    EXPECT_EQ(b.conf.FileIndice, "indice.html");

    // The broken file is reported with its name and gets neither page nor index entry.
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo, "File inesistente o dati errati");
    EXPECT_EQ(f.messaggi[0].dettaglio, b.CartellaProgramma + "/schemixwebsite/d_rotto.txt");
    EXPECT_FALSE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_d_rotto.html"));

    EXPECT_EQ(Sito("futoshiki_090101.html"),
              "<html>\r\n<body>\r\n<h1>Schemi del 01 Gennaio 2009</h1>\r\n<ul>\r\n"
              "<li><a href='Futoshiki_a_facile.html'>5x5 Livello 0</a></li>\r\n"
              "<li><a href='Futoshiki_b_swordfish.html'>6x6 Livello 210</a></li>\r\n"
              "<li><a href='Futoshiki_c_difficile.html'>5x5 Livello 311</a></li>\r\n"
              "</ul>\r\n</body>\r\n</html>\r\n");

    struct Caso {
        const char* pagina;
        const char* titolo;
        const char* id;  // the group's prefix and the date; 8 hex digits of the schema follow
        const char* schema;
        const char* grado;
    };
    // At techniques 3 b and c need a trial ("Provo" in their logs); the master tier finishes both
    // with forcing chains, so they are named Esperto and counted without a trial. a needs signs
    // read against a neighbour's range: Medio.
    const Caso casi[] = {
        {"Futoshiki_a_facile.html", "Futoshiki 5x5 Livello 0", "M_090101_", "a_facile.txt",
         "var grado='medio';var gradoParola='Medio';var gradoCome='Tecniche: singoli e disuguaglianze; "
         "nessun tentativo.';var gradoTentativo=false;var gradoLivello=0;"},
        {"Futoshiki_b_swordfish.html", "Futoshiki 6x6 Livello 210", "D_090101_", "b_swordfish.TXT",
         "var grado='difficile';var gradoParola='Esperto';var gradoCome='Tecniche: singoli, disuguaglianze, "
         "Swordfish (1), catene di ipotesi (1); nessun tentativo.';var gradoTentativo=false;var "
         "gradoLivello=210;"},
        {"Futoshiki_c_difficile.html", "Futoshiki 5x5 Livello 311", "D_090101_", "c_difficile.txt",
         "var grado='difficile';var gradoParola='Esperto';var gradoCome='Tecniche: singoli, "
         "disuguaglianze, gruppi di candidati (1), Swordfish (1), catene di ipotesi (10); nessun "
         "tentativo.';var gradoTentativo=false;var gradoLivello=311;"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.pagina);
        const std::string pagina = Sito(c.pagina);
        const std::string t = c.titolo;
        EXPECT_EQ(pagina.rfind("<html> <head> <title>" + t +
                                   "</title> <script src='schemaFutoshiki.js'></script> "
                                   "</head> <body onload=\"a100001('" +
                                   c.id,
                               0),
                  0u);
        const size_t dopoId =
            pagina.find("')\"> \t<h1>" + t +
                        "</h1> "
                        "<p>01 Gennaio 2009</p> <script lang='javascript'>var a010101;a010101='");
        ASSERT_NE(dopoId, std::string::npos);
        const size_t inizioId = pagina.find(c.id);
        EXPECT_TRUE(std::regex_match(pagina.substr(inizioId, dopoId - inizioId),
                                     std::regex(std::string(c.id) + "[0-9A-F]{8}")));
        // The grade for the page script, at the end of the data script.
        EXPECT_NE(pagina.find(std::string(c.grado) + "\r\n</script>"), std::string::npos);
        // The solver's result is the stored solution; the page ends after the fragment's table.
        const auto letto = LeggiSchemaFile(b.CartellaProgramma + "/schemixwebsite/" + c.schema);
        ASSERT_TRUE(letto);
        const int n = letto->schema.Sizesc;
        EXPECT_NE(pagina.find("a010101='" + ConcatenaTabella(letto->schema.tblSoluzione, n) +
                              "';var schema;schema='" + ConcatenaTabella(letto->schema.tblSchema, n) + "';"),
                  std::string::npos);
        EXPECT_NE(pagina.find("height='" + std::to_string(60 * n + 50) + "'"), std::string::npos);
        EXPECT_EQ(pagina.substr(pagina.size() - 29), "</table>\r\n </body> </html> \r\n");
        EXPECT_EQ(pagina.find("posizioneTD"), std::string::npos);
        EXPECT_NE(pagina.find("onmouseup=\"javascript:a100111(this)\""), std::string::npos);
    }

    // The output folder is a site on its own: pictures and compacted script.
    EXPECT_EQ(Sito("assets/img/FD.bmp"), "BM");
    EXPECT_EQ(Sito("schemaFutoshiki.js"),
              "function a100111(cella) {\r\nvar a010011 = cella.id; // "
              "identificatore\r\na000010(a010011);\r\n}\r\n");
}

TEST_F(ModoHtml, SenzaSchemiIndiceSoloModello) {
    for (const auto& e : fs::directory_iterator(dir.percorso() / "schemixwebsite")) fs::remove(e.path());
    ASSERT_TRUE(EseguiModoHtml(b));
    EXPECT_TRUE(f.messaggi.empty());
    EXPECT_EQ(
        Sito("futoshiki_090101.html"),
        "<html>\r\n<body>\r\n<h1>Schemi del 01 Gennaio 2009</h1>\r\n<ul>\r\n</ul>\r\n</body>\r\n</html>\r\n");
}

TEST_F(ModoHtml, SenzaIniNonFaNulla) {
    fs::remove(dir.percorso() / "Kelvaro.ini");
    EXPECT_FALSE(EseguiModoHtml(b));
    EXPECT_TRUE(f.messaggi.empty());
    EXPECT_TRUE(Vuota("perwebsiteprove"));
}

struct CasoMancante {
    const char* togli;
    const char* testo;
    const char* dettaglio;  // relative to the program directory
};

class ModoHtmlMancante : public ModoHtml, public testing::WithParamInterface<CasoMancante> {};

TEST_P(ModoHtmlMancante, MessaggioENienteScritto) {
    fs::remove_all(dir.percorso() / GetParam().togli);
    EXPECT_FALSE(EseguiModoHtml(b));
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo, GetParam().testo);
    EXPECT_EQ(f.messaggi[0].dettaglio, b.CartellaProgramma + "/" + GetParam().dettaglio);
    if (fs::exists(dir.percorso() / "perwebsiteprove")) {
        EXPECT_TRUE(Vuota("perwebsiteprove"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pezzi, ModoHtmlMancante,
    testing::Values(CasoMancante{"template/schema.html", "Modello non trovato", "template/schema.html"},
                    CasoMancante{"template/indice.html", "Modello non trovato", "template/indice.html"},
                    CasoMancante{"schemixwebsite", "Cartella degli schemi non trovata", "schemixwebsite/"},
                    CasoMancante{"perwebsiteprove", "Cartella di pubblicazione non trovata",
                                 "perwebsiteprove/"}),
    test::NomeDa([](const CasoMancante& c) { return std::string(c.togli); }));

TEST_F(ModoHtml, ModelloSenzaEstensione) {
    b.conf.FileSchema = "schema";
    b.conf.FileIndice = "indice.html";
    const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    EXPECT_FALSE(e.Riuscita);
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo,
              "Nome di modello non valido per FILESCHEMA: deve essere una pagina .html o .htm");
    EXPECT_TRUE(Vuota("perwebsiteprove"));
}

TEST_F(ModoHtml, PaginaPrincipale) {
    fs::copy_file(dir.percorso() / "schemixwebsite/a_facile.txt",
                  dir.percorso() / "schemixwebsite/3_Prova_Medio.txt");
    std::string scritto;
    ASSERT_TRUE(GeneraPaginaFutoshiki(b, &scritto));
    EXPECT_EQ(scritto, b.CartellaProgramma + "/perwebsite/Futoshiki.html");
    // Slot 1 has no file: it stays empty.
    EXPECT_EQ(test::LeggiFile(scritto),
              "<html>\r\n  <p>01 Gennaio 2009</p>\r\n<a href='x'></a>\r\n"
              "<a href='y'>SCHEMA 3&nbsp;&nbsp;Prova&nbsp;&nbsp;MEDIO</a>\r\n</html>\r\n");
    EXPECT_EQ(test::LeggiFile(dir.percorso() / "perwebsite/assets/img/FD.bmp"), "BM");
}

TEST_F(ModoHtml, ComandoPubblica) {
    const std::string comando = std::string(KELVARO_BIN) + "/kelvaro-cli pubblica --cartella '" +
                                b.CartellaProgramma + "' --principale --stringi > '" + b.CartellaProgramma +
                                "/uscita.txt' 2>&1";
    // One schema does not load: everything else is published, the exit status says so.
    EXPECT_NE(std::system(comando.c_str()), 0);
    const std::string uscita = test::LeggiFile(dir.percorso() / "uscita.txt");
    EXPECT_NE(uscita.find("pagine: 3\n"), std::string::npos) << uscita;
    EXPECT_NE(uscita.find("scartati: 1\n"), std::string::npos) << uscita;
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/futoshiki_090101.html"));
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsite/Futoshiki.html"));

    fs::remove(dir.percorso() / "schemixwebsite/d_rotto.txt");
    EXPECT_EQ(std::system(comando.c_str()), 0);
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// The program directory as the build lays it out: its own templates, schemas and pictures.
TEST(ModoHtmlRisorse, CartellaDelProgrammaCompleta) {
    test::CartellaTemporanea dir;
    fs::copy(std::string(KELVARO_SORGENTI) + "/resources", dir.percorso(), fs::copy_options::recursive);
    // The hint module the build compiles beside the hint script, where emscripten is there.
    const fs::path modulo = std::string(KELVARO_BIN) + "/template/kelvaro_aiuto.js";
    const bool conModulo = fs::exists(modulo);
    if (conModulo) fs::copy_file(modulo, dir.percorso() / "template/kelvaro_aiuto.js");
    test::FinestreRegistrate f;
    Banco b;
    b.ImpostaFinestre(&f);
    b.CartellaProgramma = dir.percorso().string();
    ASSERT_TRUE(EseguiModoHtml(b));
    if (conModulo) {
        EXPECT_TRUE(f.messaggi.empty());
    } else {
        ASSERT_EQ(f.messaggi.size(), 1u);
        EXPECT_EQ(f.messaggi[0].testo,
                  "Modulo dell'Aiutino non trovato: le pagine avranno l'Aiutino non disponibile");
    }

    const auto schemi = ElencoSchemiSito(dir / "schemixwebsite");
    ASSERT_FALSE(schemi.empty());
    const std::string indice = test::LeggiFile(dir.percorso() / "perwebsiteprove/futoshiki_090101.html");
    // Every schema has its page and its link; the links come in the order of the index keys,
    // made here from each schema's difficulty (its group, then the name) and a solve.
    std::vector<std::pair<std::string, std::string>> chiavi;
    for (const std::string& s : schemi) {
        const std::string pagina = NomePaginaSchema(s, ".html");
        EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove" / pagina)) << pagina;
        Banco r;
        r.file.NomeFileAperto = (dir.percorso() / "schemixwebsite" / s).string();
        ASSERT_TRUE(CaricaSchema(r));
        RisolviSchema(r);
        const int n = r.schema.Sizesc;
        const Difficolta d = DifficoltaSchema(r.schema);
        chiavi.emplace_back(std::to_string(GruppoDifficolta(d)) + std::to_string(static_cast<int>(d)) +
                                Formatta0(LivelloSchema(r.ris.NumSwordfish, r.ris.NumMultipli), 6) +
                                std::to_string(n) + "x" + std::to_string(n) + "|" + pagina,
                            pagina);
    }
    std::sort(chiavi.begin(), chiavi.end());
    size_t dopo = 0;
    for (const auto& [chiave, pagina] : chiavi) {
        const size_t p = indice.find(pagina, dopo);
        ASSERT_NE(p, std::string::npos) << chiave;
        dopo = p;
    }
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/assets/img/FD.bmp"));
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/schemaFutoshiki.js"));
}

}  // namespace
}  // namespace kelvaro
