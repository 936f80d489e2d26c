// A published site people can trust: escaped names, one page per schema file, the same level and
// page whatever else is published, only schemas with one solution, every schema in the index, and
// templates that are pages of template/.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>

#include "app/modo_html.h"
#include "model/testo.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"
#include "web/finestre_prova.h"
#include "web/grado.h"
#include "web/pagine.h"
#include "web/pubblica.h"
#include "web/stringi.h"
#include "web/testo_sicuro.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// --- escaping ----------------------------------------------------------------------------------

struct CasoTesto {
    const char* dato;
    const char* html;
    const char* url;
    const char* script;
};

class Sfuggi : public testing::TestWithParam<CasoTesto> {};

TEST_P(Sfuggi, OgniPostoIlSuo) {
    EXPECT_EQ(TestoHtml(GetParam().dato), GetParam().html);
    EXPECT_EQ(IndirizzoRelativo(GetParam().dato), GetParam().url);
    EXPECT_EQ(StringaScript(GetParam().dato), GetParam().script);
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, Sfuggi,
    testing::Values(
        CasoTesto{"3_Apici_Medio.html", "3_Apici_Medio.html", "3_Apici_Medio.html", "3_Apici_Medio.html"},
        CasoTesto{"<img src=x onerror=alert(1)>", "&lt;img src=x onerror=alert(1)&gt;",
                  "%3Cimg%20src%3Dx%20onerror%3Dalert%281%29%3E", "\\x3Cimg src=x onerror=alert(1)\\x3E"},
        CasoTesto{"x\"'&", "x&quot;&#39;&amp;", "x%22%27%26", "x\\x22\\x27\\x26"},
        CasoTesto{"a#b?c|d%", "a#b?c|d%", "a%23b%3Fc%7Cd%25", "a#b?c|d%"},
        CasoTesto{"</script>\\\n", "&lt;/script&gt;\\\n", "%3C%2Fscript%3E%5C%0A",
                  "\\x3C/script\\x3E\\x5C\\x0A"},
        CasoTesto{"citt\xC3\xA0 \xE2\x80\xA8", "citt\xC3\xA0 \xE2\x80\xA8", "citt%C3%A0%20%E2%80%A8",
                  "citt\xC3\xA0 \\u2028"}),
    test::NomeDa([](const CasoTesto& c) { return std::string(c.dato); }));

// --- page names --------------------------------------------------------------------------------

TEST(PagineSchemi, UnaPaginaPerFileAncheSeDifferisconoPerMaiuscole) {
    const std::string lungo = std::string(236, 'L') + ".txt";
    const std::vector<std::string> file = {"090101.txt",
                                           "3_Apici_Medio.txt",
                                           "9_<img src=x onerror=alert(1)>_Facile.txt",
                                           "a#b?c|d.txt",
                                           "dup.TXT",
                                           "dup.txt",
                                           lungo,
                                           "x\"><img src=x onerror=alert(1)>.txt"};
    const auto pagine = PagineSchemi(file, ".html", {"futoshiki_090101.html"});
    ASSERT_EQ(pagine.size(), file.size());
    std::set<std::string> viste;
    for (size_t i = 0; i < pagine.size(); ++i) {
        SCOPED_TRACE(file[i]);
        EXPECT_EQ(pagine[i].File, file[i]);
        EXPECT_TRUE(NomePaginaUtilizzabile(pagine[i].Pagina)) << pagine[i].Pagina;
        EXPECT_TRUE(pagine[i].Pagina.rfind("Futoshiki_", 0) == 0);
        EXPECT_TRUE(viste.insert(Maiuscolo(pagine[i].Pagina)).second) << pagine[i].Pagina;
    }
    // Names that make a good page keep the usual one; the first of two equal names keeps it too.
    EXPECT_EQ(pagine[1].Pagina, "Futoshiki_3_Apici_Medio.html");
    EXPECT_EQ(pagine[4].Pagina, "Futoshiki_dup.html");
    EXPECT_TRUE(pagine[1].NomeProprio);
    EXPECT_FALSE(pagine[5].NomeProprio);
    // The index's name is taken: a schema file called like it gets another page.
    EXPECT_FALSE(pagine[0].NomeProprio);
    EXPECT_FALSE(pagine[3].NomeProprio);
    EXPECT_FALSE(pagine[6].NomeProprio);
    EXPECT_LE(pagine[6].Pagina.size(), MaxNomePagina);
}

TEST(PagineSchemi, IlNomeNonDipendeDagliAltriFile) {
    const std::vector<std::string> soli = {"x\"><img src=x onerror=alert(1)>.txt"};
    const std::vector<std::string> tanti = {"0.txt", "a#b.txt", "x\"><img src=x onerror=alert(1)>.txt",
                                            "z.txt"};
    EXPECT_EQ(PagineSchemi(soli, ".html", {})[0].Pagina, PagineSchemi(tanti, ".html", {})[2].Pagina);
}

// --- template names ----------------------------------------------------------------------------

struct CasoModello {
    const char* nome;
    bool buono;
};

class NomiModello : public testing::TestWithParam<CasoModello> {};

TEST_P(NomiModello, SoloPagineDellaCartellaTemplate) {
    EXPECT_EQ(ControlloNomeModello(GetParam().nome).empty(), GetParam().buono) << GetParam().nome;
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomiModello,
    testing::Values(CasoModello{"schema.html", true}, CasoModello{"INDICE.HTM", true},
                    CasoModello{"schema.tpl.html", true}, CasoModello{"../../../../etc/hostname", false},
                    CasoModello{"../indice.html", false}, CasoModello{"/etc/indice.html", false},
                    CasoModello{"sotto\\indice.html", false}, CasoModello{"schemaFutoshiki.js", false},
                    CasoModello{"schema", false}, CasoModello{".html", false}, CasoModello{"", false},
                    CasoModello{"indice.html ", false}),
    test::NomeDa([](const CasoModello& c) { return std::string(c.nome); }));

// --- grade -------------------------------------------------------------------------------------

struct CasoGrado {
    GiudizioDifficolta giudizio;
    const char* chiave;  // the index group
    const char* come;
};

class Gradi : public testing::TestWithParam<CasoGrado> {};

TEST_P(Gradi, NomeGruppoEComeDalGiudizio) {
    const CasoGrado& c = GetParam();
    const GradoSchema g = ValutaGrado(816, c.giudizio);
    EXPECT_EQ(g.Livello, 816);
    EXPECT_STREQ(ChiaveGrado(g.Gruppo), c.chiave);
    EXPECT_EQ(ComeGrado(g), c.come);
    const std::string script = DatiGradoScript(g);
    EXPECT_NE(script.find("var gradoParola='" + std::string(NomeDifficolta(c.giudizio.Nome)) + "';"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find(g.Tentativo ? "gradoTentativo=true" : "gradoTentativo=false"), std::string::npos);
    EXPECT_EQ(g.Tentativo, c.giudizio.Nome == Difficolta::Diabolico);
    // The texts reach the pages through the name compaction: it must leave them alone.
    EXPECT_EQ(CompattaIdentificatori(script), script);
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, Gradi,
    testing::Values(
        CasoGrado{{Difficolta::Facile}, "facile", "Tecniche: singoli e disuguaglianze; nessun tentativo."},
        CasoGrado{{Difficolta::Medio}, "medio", "Tecniche: singoli e disuguaglianze; nessun tentativo."},
        CasoGrado{{Difficolta::Difficile, 1, 0, {}},
                  "medio",
                  "Tecniche: singoli, disuguaglianze, gruppi di candidati (1); nessun tentativo."},
        CasoGrado{
            {Difficolta::Esperto, 0, 1, {2, 1, 1}},
            "difficile",
            "Tecniche: singoli, disuguaglianze, gruppi nascosti (2), Swordfish (1), catene di segni (1), "
            "catene di ipotesi (1); nessun tentativo."},
        CasoGrado{{Difficolta::Diabolico, 3, 0, {0, 0, 0}},
                  "difficile",
                  "Tecniche: singoli, disuguaglianze, gruppi di candidati (3); serve un tentativo."}),
    test::NomeDa([](const CasoGrado& c) { return std::string(NomeDifficolta(c.giudizio.Nome)); }));

// --- index -------------------------------------------------------------------------------------

TEST(IndiceSito, LivelliLunghiNumericiETitoloIntatto) {
    Banco b;
    // Group first (Medio and Difficile share one, Esperto and Diabolico another), then the name,
    // then the level as a number.
    std::vector<VoceIndice> voci = {
        {ValutaGrado(10055005, {Difficolta::Esperto}), "9x9 Livello 10055005", "G.html"},
        {ValutaGrado(311, {Difficolta::Difficile}), "5x5 Livello 311", "B.html"},
        {ValutaGrado(0, {Difficolta::Diabolico}), "6x6 Livello 0", "T.html"},
        {ValutaGrado(1105010, {Difficolta::Esperto}), "7x7 Livello 1105010", "M.html"},
        {ValutaGrado(0, {Difficolta::Facile}), "5x5 Livello 0", "F.html"},
        {ValutaGrado(513, {Difficolta::Medio}), "5x5 Livello 513", "E.html"}};
    OrdinaIndice(voci);
    EXPECT_EQ(CompilaIndice(b, {"<SCHEMIFUT0199>|<TITOLOSCHEMA>|<PAROLASCHEMA>|<GRADOSCHEMA>"}, voci),
              "F.html|5x5 Livello 0|Facile|facile\r\n"
              "E.html|5x5 Livello 513|Medio|medio\r\n"
              "B.html|5x5 Livello 311|Difficile|medio\r\n"
              "M.html|7x7 Livello 1105010|Esperto|difficile\r\n"
              "G.html|9x9 Livello 10055005|Esperto|difficile\r\n"
              "T.html|6x6 Livello 0|Diabolico|difficile\r\n");
}

TEST(IndiceSito, CentocinquantaVociTutteElencate) {
    Banco b;
    std::vector<VoceIndice> voci;
    for (int k = 1; k <= 150; ++k)
        voci.push_back({ValutaGrado(0, {}), "5x5 Livello 0", "P" + std::to_string(k)});
    // The test template stops its patterns at 99, the shipped one has a single pattern.
    const auto fixture = test::RigheDelFile(test::Fixture("web/template/indice.html"));
    const auto spedito =
        test::RigheDelFile(std::string(KELVARO_SORGENTI) + "/resources/template/indice.html");
    ASSERT_TRUE(fixture && spedito);
    for (const auto* righe : {&*fixture, &*spedito}) {
        const std::string out = CompilaIndice(b, *righe, voci);
        for (int k = 1; k <= 150; ++k) {
            const std::string href = "href='P" + std::to_string(k) + "'";
            const std::string href2 = "href=\"P" + std::to_string(k) + "\"";
            const size_t volte =
                (out.find(href) != std::string::npos) + (out.find(href2) != std::string::npos);
            EXPECT_EQ(volte, 1u) << k;
        }
    }
}

TEST(IndiceSito, RigheDelModelloSpeditoConGradoECome) {
    Banco b;
    const auto righe = test::RigheDelFile(std::string(KELVARO_SORGENTI) + "/resources/template/indice.html");
    ASSERT_TRUE(righe);
    const std::string out = CompilaIndice(b, *righe,
                                          {{ValutaGrado(0, {Difficolta::Diabolico}), "6x6 Livello 0",
                                            "Futoshiki_a#b.html", NomeLeggibile("a#b<i>.txt")}});
    EXPECT_NE(out.find("<li class=\"voce difficile\" data-grado=\"difficile\" data-parola=\"Diabolico\" "
                       "data-livello=\"0\" "
                       "data-come=\"Tecniche: singoli e disuguaglianze; serve un tentativo.\" "
                       "data-etichetta=\"a#b&lt;i&gt;\"><a "
                       "href=\"Futoshiki_a%23b.html\" title=\"6x6 Livello 0\"><span "
                       "class=\"grande\">a#b&lt;i&gt;</span> "
                       "<span class=\"piccolo\">6x6 Livello 0 &middot; Diabolico</span></a></li>"),
              std::string::npos)
        << out;
}

struct CasoNomeLeggibile {
    const char* nome;
    std::string file;
    std::string atteso;
};

class NomeLeggibileSito : public ::testing::TestWithParam<CasoNomeLeggibile> {};

TEST_P(NomeLeggibileSito, DalNomeDelFile) {
    EXPECT_EQ(NomeLeggibile(GetParam().file), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomeLeggibileSito,
    ::testing::Values(CasoNomeLeggibile{"Trattini", "3_Apici_Medio.txt", "3 Apici Medio"},
                      CasoNomeLeggibile{"XmlMaiuscolo", "Nove.XML", "Nove"},
                      CasoNomeLeggibile{"SoloLaPrimaEstensione", "a.b.txt", "a.b"},
                      CasoNomeLeggibile{"SpaziDoppiEInCoda", "__a__ _b_.txt", "a b"},
                      CasoNomeLeggibile{"Controlli",
                                        std::string("a\x01\x1b[31mb\x7f\xc2\x85"
                                                    "c.txt"),
                                        "a[31mbc"},
                      CasoNomeLeggibile{"MarcheDiDirezione", "x\xe2\x80\xaey\xe2\x81\xa6z\xe2\x80\x94.txt",
                                        "xyz\xe2\x80\x94"},
                      CasoNomeLeggibile{"AccentiIntatti", "Citt\xc3\xa0_\xc3\xa8.txt",
                                        "Citt\xc3\xa0 \xc3\xa8"},
                      CasoNomeLeggibile{"Vuoto", "_.txt", ""}),
    test::NomeDa([](const CasoNomeLeggibile& c) { return std::string(c.nome); }));

TEST(IndiceSito, NomeDelloSchemaNelleRighe) {
    Banco b;
    EXPECT_EQ(CompilaIndice(b, {"<SCHEMIFUT0199>|<NOMESCHEMA>|<TITOLOSCHEMA>"},
                            {{ValutaGrado(0, {}), "5x5 Livello 0", "P.html", "Le \"Apici\" & co"}}),
              "P.html|Le &quot;Apici&quot; &amp; co|5x5 Livello 0\r\n");
}

// --- main page ---------------------------------------------------------------------------------

TEST(PrincipaleSito, EtichetteSicureEIndirizzi) {
    Banco b;
    const std::vector<std::string> schemi = {"8e_1.txt",
                                             "9_<img src=x onerror=alert(1)>_Facile.txt",
                                             "2_<!--_Difficile.txt",
                                             "3_Le_Apici_Medio.txt",
                                             "4_Rifiutato_Facile.txt",
                                             "4_Buono_Facile.txt"};
    CollegamentiPrincipale c;
    c.Indice = "../perwebsiteprove/futoshiki_090101.html";
    c.Pagina = [](const std::string& f) -> std::string {
        return f.rfind("4_Rifiutato", 0) == 0 ? "" : "../p/" + IndirizzoRelativo(f);
    };
    const std::vector<std::string> righe = {"<a href=\"|INDICE|\">",
                                            "<a href=\"|PAGINA08\">|SCHEMA08</a>",
                                            "<a href=\"|PAGINA09\">|SCHEMA09</a>",
                                            "<a href=\"|PAGINA02\">|SCHEMA02</a>",
                                            "<a href=\"|PAGINA03\">|SCHEMA03</a>",
                                            "<a href=\"|PAGINA04\">|SCHEMA04</a>",
                                            "<a href=\"|PAGINA05\">|SCHEMA05</a>"};
    EXPECT_EQ(
        CompilaPaginaFutoshiki(b, righe, schemi, c),
        "<a href=\"../perwebsiteprove/futoshiki_090101.html\">\r\n"
        "<a href=\"../p/8e_1.txt\">SCHEMA 8&nbsp;&nbsp;8e_1&nbsp;&nbsp;</a>\r\n"
        "<a href=\"../p/9_%3Cimg%20src%3Dx%20onerror%3Dalert%281%29%3E_Facile.txt\">SCHEMA "
        "9&nbsp;&nbsp;&lt;img src=x onerror=alert(1)&gt;&nbsp;&nbsp;FACILE</a>\r\n"
        "<a href=\"../p/2_%3C%21--_Difficile.txt\">SCHEMA 2&nbsp;&nbsp;&lt;!--&nbsp;&nbsp;DIFFICILE</a>\r\n"
        "<a href=\"../p/3_Le_Apici_Medio.txt\">SCHEMA 3&nbsp;&nbsp;Le_Apici&nbsp;&nbsp;MEDIO</a>\r\n"
        "<a href=\"../p/4_Buono_Facile.txt\">SCHEMA 4&nbsp;&nbsp;Buono&nbsp;&nbsp;FACILE</a>\r\n"
        "<a href=\"\"></a>\r\n");
}

// The publisher depends on nothing above it: the run mode and the INI readers call it.
TEST(DipendenzeSito, IlWebNonIncludeNullaDaApp) {
    for (const auto& e : fs::directory_iterator(std::string(KELVARO_SORGENTI) + "/src/web")) {
        const std::string testo = test::LeggiFile(e.path());
        EXPECT_EQ(testo.find("#include \"app/"), std::string::npos) << e.path();
    }
}

// --- publishing runs ---------------------------------------------------------------------------

// A program directory with the test templates and the schema files the test puts in.
class SitoProva : public testing::Test {
protected:
    void SetUp() override {
        const fs::path base = dir.percorso();
        fs::copy_file(std::string(KELVARO_SORGENTI) + "/resources/Kelvaro.ini", base / "Kelvaro.ini");
        fs::copy(test::Fixture("web/template"), base / "template", fs::copy_options::recursive);
        fs::copy(std::string(KELVARO_SORGENTI) + "/resources/assets", base / "assets",
                 fs::copy_options::recursive);
        fs::create_directories(base / "schemixwebsite");
        fs::create_directory(base / "perwebsiteprove");
        fs::create_directory(base / "perwebsite");
        b.ImpostaFinestre(&f);
        b.CartellaProgramma = base.string();
        b.conf.FileSchema = "schema.html";  // as in Kelvaro.ini
        b.conf.FileIndice = "indice.html";
    }
    void Schema(const std::string& fixture, const std::string& nome) {
        fs::copy_file(test::Fixture(fixture), dir.percorso() / "schemixwebsite" / nome,
                      fs::copy_options::overwrite_existing);
    }
    std::string Sito(const std::string& nome) const {
        return test::LeggiFile(dir.percorso() / "perwebsiteprove" / nome);
    }
    bool NienteScritto() const { return fs::is_empty(dir.percorso() / "perwebsiteprove"); }
    // The links of the index, decoded, in order.
    std::vector<std::string> LinkIndice() const {
        std::vector<std::string> link;
        for (const auto& [l, titolo] : VociIndice()) link.push_back(l);
        return link;
    }
    // The entries of the index: link decoded, title.
    std::vector<std::pair<std::string, std::string>> VociIndice() const {
        std::vector<std::pair<std::string, std::string>> voci;
        const std::string indice = Sito("futoshiki_090101.html");
        static const std::regex href("href='([^']*)'>([^<]*)<");
        for (auto it = std::sregex_iterator(indice.begin(), indice.end(), href); it != std::sregex_iterator();
             ++it) {
            std::string s = (*it)[1], d;
            for (size_t i = 0; i < s.size(); ++i) {
                if (s[i] == '%' && i + 2 < s.size()) {
                    d += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
                    i += 2;
                } else {
                    d += s[i];
                }
            }
            voci.emplace_back(d, (*it)[2]);
        }
        return voci;
    }

    test::CartellaTemporanea dir;
    test::FinestreRegistrate f;
    Banco b;
};

TEST_F(SitoProva, StessoLivelloEPaginaDaSoloETraAltri) {
    Schema("web/stabili/9k_1.txt", "9k_1.txt");
    ASSERT_TRUE(EseguiModoHtml(b));
    const std::string solo = Sito("Futoshiki_9k_1.html");
    ASSERT_NE(solo.find("<title>Futoshiki 9x9 Livello "), std::string::npos);

    // Schemas that sort before it and need trials draw from the random sequence first.
    for (const char* altro : {"5r_1.txt", "5x_1.txt", "6x_1.txt"})
        Schema(std::string("web/stabili/") + altro, altro);
    Banco altri;
    altri.ImpostaFinestre(&f);
    altri.CartellaProgramma = b.CartellaProgramma;
    ASSERT_TRUE(EseguiModoHtml(altri));
    EXPECT_EQ(Sito("Futoshiki_9k_1.html"), solo);
    EXPECT_TRUE(f.messaggi.empty());
}

TEST_F(SitoProva, SoloSchemiConUnaSoluzione) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    Schema("web/rifiutati/nessuna.txt", "nessuna.txt");
    Schema("web/rifiutati/molte.txt", "molte.txt");
    const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    EXPECT_TRUE(e.Riuscita);
    EXPECT_EQ(e.Pagine, 1);
    EXPECT_EQ(e.Scartati, 2);
    ASSERT_EQ(f.messaggi.size(), 2u);
    EXPECT_EQ(f.messaggi[0].testo, "Lo schema ha più di una soluzione: non viene pubblicato");
    EXPECT_EQ(f.messaggi[0].dettaglio, b.CartellaProgramma + "/schemixwebsite/molte.txt");
    EXPECT_EQ(f.messaggi[1].testo, "Lo schema non ha soluzione: non viene pubblicato");
    EXPECT_EQ(f.messaggi[1].dettaglio, b.CartellaProgramma + "/schemixwebsite/nessuna.txt");
    EXPECT_FALSE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_nessuna.html"));
    EXPECT_FALSE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_molte.html"));
    EXPECT_EQ(LinkIndice(), std::vector<std::string>{"Futoshiki_a_facile.html"});

    const auto cli = test::EseguiCli("pubblica --cartella '" + b.CartellaProgramma + "' 2>/dev/null");
    EXPECT_EQ(cli.stato, 1);
    EXPECT_NE(cli.uscita.find("pagine: 1\nscartati: 2\n"), std::string::npos) << cli.uscita;
}

TEST_F(SitoProva, CentocinquantaSchemiTuttiNellIndice) {
    for (int k = 1; k <= 150; ++k) Schema("web/schemi/a_facile.txt", "s" + Formatta0(k, 3) + ".txt");
    const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    EXPECT_EQ(e.Pagine, 150);
    const auto link = LinkIndice();
    ASSERT_EQ(link.size(), 150u);
    EXPECT_EQ(std::set<std::string>(link.begin(), link.end()).size(), 150u);
    for (const std::string& l : link) EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove" / l)) << l;
}

TEST_F(SitoProva, NomiOstiliPubblicatiConPagineProprieELinkBuoni) {
    const std::string lungo = std::string(236, 'L') + ".txt";
    const std::vector<std::string> nomi = {"dup.txt", "x\"><img src=x onerror=alert(1)>.txt", "a#b?c|d.txt",
                                           lungo};
    for (const std::string& n : nomi) Schema("web/schemi/a_facile.txt", n);
    Schema("web/schemi/b_swordfish.TXT", "dup.TXT");
    const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    EXPECT_EQ(e.Pagine, 5);
    EXPECT_EQ(e.Scartati, 0);
    const auto link = LinkIndice();
    ASSERT_EQ(link.size(), 5u);
    std::set<std::string> diversi;
    for (const std::string& l : link) {
        EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove" / l)) << l;
        diversi.insert(Maiuscolo(l));
    }
    EXPECT_EQ(diversi.size(), 5u);
    const std::string indice = Sito("futoshiki_090101.html");
    EXPECT_EQ(indice.find("<img"), std::string::npos);
    // dup.TXT is the 6 x 6 schema: every entry leads to a page of its own size.
    for (const auto& [l, titolo] : VociIndice())
        EXPECT_NE(Sito(l).find("<title>Futoshiki " + titolo + "</title>"), std::string::npos) << l;
    // The three names that cannot be pages as they are are reported, the run goes on.
    EXPECT_EQ(f.messaggi.size(), 4u);  // dup.txt, x"><img..., a#b?c|d and the long one
}

struct CasoIni {
    const char* righe;
    const char* inizio;
};

class SitoIniCattivo : public SitoProva, public testing::WithParamInterface<CasoIni> {};

TEST_P(SitoIniCattivo, RifiutatoConLaChiave) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    test::ScriviFile(dir.percorso() / "Kelvaro.ini", GetParam().righe);
    EXPECT_FALSE(EseguiModoHtml(b));
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo.rfind(GetParam().inizio, 0), 0u) << f.messaggi[0].testo;
    EXPECT_TRUE(NienteScritto());
}

INSTANTIATE_TEST_SUITE_P(
    Chiavi, SitoIniCattivo,
    testing::Values(CasoIni{"FILESCHEMA=schema.html\nFILEINDICE=../../../../etc/hostname\n",
                            "Nome di modello non valido per FILEINDICE"},
                    CasoIni{"FILESCHEMA=schemaFutoshiki.js\nFILEINDICE=indice.html\n",
                            "Nome di modello non valido per FILESCHEMA"}),
    test::NomeDa([](const CasoIni& c) { return std::string(c.inizio).substr(31); }));

TEST_F(SitoProva, ModelliSenzaRigaDiInserimentoNonScrivonoNulla) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    const fs::path modelli = dir.percorso() / "template";
    const std::string pagina = test::LeggiFile(modelli / "schema.html");
    const std::string indice = test::LeggiFile(modelli / "indice.html");

    test::ScriviFile(modelli / "schema.html", Sostituisci(pagina, "|SCHEMA|", "SCHEMA"));
    EXPECT_FALSE(GeneraSingolaPaginaSchema(b).Riuscita);
    test::ScriviFile(modelli / "schema.html", pagina);
    test::ScriviFile(modelli / "indice.html", Sostituisci(indice, "<SCHEMIFUT", "<SCHEMI"));
    EXPECT_FALSE(GeneraSingolaPaginaSchema(b).Riuscita);
    ASSERT_EQ(f.messaggi.size(), 2u);
    EXPECT_EQ(f.messaggi[0].dettaglio, b.CartellaProgramma + "/template/schema.html");
    EXPECT_EQ(f.messaggi[1].dettaglio, b.CartellaProgramma + "/template/indice.html");
    EXPECT_TRUE(NienteScritto());
}

TEST_F(SitoProva, ModelloIndiceIlleggibilePrimaDiOgniPagina) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    const std::string indice = (dir.percorso() / "template/indice.html").string();
    // Unreadable: without permission, or (root reads anything) a folder in its place.
    const bool root = ::geteuid() == 0;
    if (root) {
        fs::remove(indice);
        fs::create_directory(indice);
    } else {
        ASSERT_EQ(::chmod(indice.c_str(), 0), 0);
    }
    EXPECT_FALSE(GeneraSingolaPaginaSchema(b).Riuscita);
    if (!root) ::chmod(indice.c_str(), 0644);
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].dettaglio, indice);
    EXPECT_TRUE(NienteScritto());
}

TEST_F(SitoProva, PaginaPrincipaleLinkVersoLePaginePubblicate) {
    Schema("web/schemi/a_facile.txt", "3_Prova_Medio.txt");
    Schema("web/schemi/a_facile.txt", "9_<img src=x onerror=alert(1)>_Facile.txt");
    Schema("web/rifiutati/molte.txt", "1_Molte_Facile.txt");
    test::ScriviFile(
        dir.percorso() / "template/Futoshiki.html",
        "<a href=\"|INDICE|\">\n<a href=\"|PAGINA01\">|SCHEMA01</a>\n<a href=\"|PAGINA03\">|SCHEMA03</a>\n"
        "<a href=\"|PAGINA09\">|SCHEMA09</a>\n");
    ASSERT_TRUE(GeneraSingolaPaginaSchema(b).Riuscita);
    std::string scritto;
    ASSERT_TRUE(GeneraPaginaFutoshiki(b, &scritto));
    const std::string principale = test::LeggiFile(scritto);
    static const std::regex href("href=\"([^\"]*)\"");
    std::vector<std::string> link;
    for (auto it = std::sregex_iterator(principale.begin(), principale.end(), href);
         it != std::sregex_iterator(); ++it)
        link.push_back((*it)[1]);
    ASSERT_EQ(link.size(), 4u);
    EXPECT_EQ(link[0], "../perwebsiteprove/futoshiki_090101.html");
    EXPECT_EQ(link[1], "");  // a schema with two solutions has no page and no slot
    EXPECT_EQ(link[2], "../perwebsiteprove/Futoshiki_3_Prova_Medio.html");
    EXPECT_EQ(link[3].rfind("../perwebsiteprove/Futoshiki_9__img_src_x_onerror_alert_1___Facile_", 0), 0u)
        << link[3];
    for (const std::string& l : {link[0], link[2], link[3]})
        EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsite" / l)) << l;
    EXPECT_EQ(principale.find("<img"), std::string::npos);
}

// The id of a process that has ended.
long PidFinito() {
    const pid_t p = ::fork();
    if (p == 0) ::_exit(0);
    ::waitpid(p, nullptr, 0);
    return p;
}

// A publishing run killed while writing left temporaries in both output folders: the next run
// clears those of dead runs and leaves those of a run still going.
TEST_F(SitoProva, TemporaneiDiRunUccisiTolti) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    // Process 1 always runs; this test's own id would name the temporaries it writes itself.
    const std::string morto = std::to_string(PidFinito()), vivo = "1";
    const fs::path prove = dir.percorso() / "perwebsiteprove", principale = dir.percorso() / "perwebsite";
    const std::vector<fs::path> via = {prove / ("Futoshiki_a_facile.html.kelvaro-" + morto + ".tmp"),
                                       prove / ("futoshiki_090101.html.kelvaro-" + morto + ".tmp"),
                                       principale / ("Futoshiki.html.kelvaro-" + morto + ".tmp")};
    const std::vector<fs::path> restano = {prove / ("Futoshiki_b.html.kelvaro-" + vivo + ".tmp"),
                                           principale / ("Futoshiki.html.kelvaro-" + vivo + ".tmp"),
                                           prove / "appunti.txt"};
    for (const auto& p : via) test::ScriviFile(p, "<html");
    for (const auto& p : restano) test::ScriviFile(p, "<html");
    ASSERT_TRUE(GeneraSingolaPaginaSchema(b).Riuscita);
    ASSERT_TRUE(GeneraPaginaFutoshiki(b, nullptr));
    for (const auto& p : via) EXPECT_FALSE(fs::exists(p)) << p;
    for (const auto& p : restano) EXPECT_TRUE(fs::exists(p)) << p;
}

// ".xml" files hold the same format as ".txt" ones: published alike, each with its own page.
TEST_F(SitoProva, SchemiXmlPubblicatiComeITxt) {
    Schema("web/schemi/a_facile.txt", "a_facile.txt");
    Schema("web/schemi/a_facile.txt", "b_xml.xml");
    Schema("web/schemi/a_facile.txt", "C_MAIUSCOLO.XML");
    Schema("web/schemi/a_facile.txt", "a_facile.xml");  // same name as a .txt: a page of its own
    const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    EXPECT_TRUE(e.Riuscita);
    EXPECT_EQ(e.Pagine, 4);
    EXPECT_EQ(e.Scartati, 0);
    const auto link = LinkIndice();
    ASSERT_EQ(link.size(), 4u);
    EXPECT_EQ(std::set<std::string>(link.begin(), link.end()).size(), 4u);
    for (const std::string& l : link) EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove" / l)) << l;
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_b_xml.html"));
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_C_MAIUSCOLO.html"));
    EXPECT_TRUE(fs::exists(dir.percorso() / "perwebsiteprove/Futoshiki_a_facile.html"));
}

// A schema removed, or one that no longer publishes, takes its page with it at the next run; the
// publisher removes only pages it wrote (named Futoshiki_*.html or .htm, holding its grid), never
// a page made by hand, a link, a folder or another file, and says how many it removed, last.
TEST_F(SitoProva, PagineSuperateRimosseSoloLeProprie) {
    const fs::path prove = dir.percorso() / "perwebsiteprove";
    for (const char* nome : {"a_facile.txt", "b_via.txt", "c_cambia.txt"})
        Schema("web/schemi/a_facile.txt", nome);
    EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
    ASSERT_TRUE(e.Riuscita);
    EXPECT_EQ(e.Pagine, 3);
    EXPECT_EQ(e.Rimosse, 0);
    const std::string pagina = Sito("Futoshiki_a_facile.html");

    fs::remove(dir.percorso() / "schemixwebsite" / "b_via.txt");
    Schema("web/rifiutati/molte.txt", "c_cambia.txt");
    // An earlier run with an .htm template wrote this one.
    test::ScriviFile(prove / "Futoshiki_vecchia.htm", pagina);
    const std::vector<fs::path> restano = {
        prove / "Futoshiki_regole.html",       prove / "copia.html",
        prove / "Futoshiki_collegamento.html", prove / "Futoshiki_cartella.html",
        prove / "Futoshiki_senza_punto",       prove / "Futoshiki_a_facile.txt"};
    test::ScriviFile(restano[0], "<html><body>Le regole del gioco</body></html>");
    test::ScriviFile(restano[1], pagina);
    fs::create_symlink("Futoshiki_b_via.html", restano[2]);
    fs::create_directory(restano[3]);
    test::ScriviFile(restano[4], pagina);
    test::ScriviFile(restano[5], pagina);

    const auto cli = test::EseguiCli("pubblica --cartella '" + b.CartellaProgramma + "'");
    EXPECT_EQ(cli.stato, 1);  // c_cambia.txt no longer publishes
    EXPECT_NE(cli.uscita.find("pagine: 1\nscartati: 1\nindice: "), std::string::npos) << cli.uscita;
    EXPECT_EQ(cli.uscita.substr(cli.uscita.rfind('\n', cli.uscita.size() - 2) + 1), "pagine rimosse: 3\n");
    EXPECT_TRUE(fs::exists(prove / "Futoshiki_a_facile.html"));
    for (const char* via : {"Futoshiki_b_via.html", "Futoshiki_c_cambia.html", "Futoshiki_vecchia.htm"})
        EXPECT_FALSE(fs::exists(prove / via)) << via;
    for (const fs::path& p : restano) EXPECT_TRUE(fs::exists(fs::symlink_status(p))) << p;
    EXPECT_TRUE(fs::exists(prove / "futoshiki_090101.html"));

    // Nothing left to remove.
    e = GeneraSingolaPaginaSchema(b);
    EXPECT_EQ(e.Rimosse, 0);
    EXPECT_EQ(e.Pagine, 1);
}

// A file name may hold a newline, escape sequences or bidirectional marks: what pubblica prints
// about it stays one plain line per message, with the name's bytes shown, never obeyed.
TEST_F(SitoProva, NomiConControlliStampatiSuUnaRiga) {
    Schema("web/schemi/a_facile.txt", "a\nscartati: 0.txt");
    Schema("web/schemi/d_rotto.txt", "rotto\x1b[2J\xE2\x80\xAEtxt.txt");
    const auto cli = test::EseguiCli("pubblica --cartella '" + b.CartellaProgramma + "' 2>&1");
    EXPECT_EQ(cli.stato, 1);
    std::vector<std::string> righe;
    for (const std::string& r : Dividi(cli.uscita, '\n'))
        if (!r.empty()) righe.push_back(r);
    size_t scartati = 0;
    for (const std::string& r : righe) {
        if (r.rfind("scartati: ", 0) == 0) ++scartati;
        EXPECT_EQ(r.find('\x1b'), std::string::npos) << r;
        EXPECT_EQ(r.find("\xE2\x80\xAE"), std::string::npos) << r;
    }
    EXPECT_EQ(scartati, 1u) << cli.uscita;  // only the publisher's own line
    EXPECT_NE(cli.uscita.find("a\\x0Ascartati: 0.txt"), std::string::npos) << cli.uscita;
    EXPECT_NE(cli.uscita.find("rotto\\x1B[2Jtxt.txt"), std::string::npos) << cli.uscita;
}

}  // namespace
}  // namespace kelvaro
