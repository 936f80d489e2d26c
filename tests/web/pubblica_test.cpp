// Identifiers, sort, index and main page of the published site.
#include "web/pubblica.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/testo.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"
#include "web/finestre_prova.h"
#include "web/pagine.h"
#include "web/stringi.h"

namespace kelvaro {
namespace {

struct CasoId {
    int i;
    long L;
    const char* atteso;
};

class IdSchemaCasi : public testing::TestWithParam<CasoId> {};

TEST_P(IdSchemaCasi, PrefissoDataNumero) {
    Banco b;
    GeneraIdSchema(b, GetParam().i, GetParam().L);
    EXPECT_EQ(b.web.IdSchema, GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(Livelli, IdSchemaCasi,
                         testing::Values(CasoId{1, 0, "F_090101_01"}, CasoId{3, 1, "M_090101_03"},
                                         CasoId{3, 101, "M_090101_03"}, CasoId{7, 299, "M_090101_07"},
                                         CasoId{10, 300, "D_090101_10"}, CasoId{12, 311, "D_090101_12"},
                                         CasoId{60, 210, "M_090101_60"}),
                         test::NomeDa([](const CasoId& c) { return std::string(c.atteso); }));

// A template saved with a UTF-8 byte order mark: its first line is read as written.
TEST(Modello, MarcaUtf8AllInizioIgnorata) {
    test::CartellaTemporanea dir;
    test::ScriviFile(dir / "pagina.html", "\xEF\xBB\xBF|SCHEMA|\r\n<p>fine</p>\r\n");
    std::string errore;
    const auto righe = LeggiModello(dir / "pagina.html", errore);
    ASSERT_TRUE(righe.has_value()) << errore;
    ASSERT_EQ(righe->size(), 2u);
    EXPECT_EQ((*righe)[0], "|SCHEMA|");
    EXPECT_TRUE(ModelloHaSchema(*righe));
}

TEST(NomePagina, EstensioneDelModello) {
    EXPECT_EQ(NomePaginaSchema("3_Prova_Medio.txt", ".html"), "Futoshiki_3_Prova_Medio.html");
    EXPECT_EQ(NomePaginaSchema("GRANDE.TXT", ".html"), "Futoshiki_GRANDE.html");
    EXPECT_EQ(NomePaginaSchema("misto.Txt", ".htm"), "Futoshiki_misto.htm");
    EXPECT_EQ(NomePaginaSchema("5_Prova_Facile.xml", ".html"), "Futoshiki_5_Prova_Facile.html");
    EXPECT_EQ(NomePaginaSchema("GRANDE.XML", ".htm"), "Futoshiki_GRANDE.htm");
    EXPECT_EQ(EstensioneModello("schema.tpl.html"), ".tpl.html");
    EXPECT_EQ(EstensioneModello("schema"), "");
}

const std::vector<std::string> ModelloIndice = {"<html>",
                                                "  <h1>Schemi del <DATA> (|DATA|)</h1>",
                                                "<ul>",
                                                "  <li><a href='<SCHEMIFUT0110>'><TITOLOSCHEMA></a></li>",
                                                "<li><a href='<SCHEMIFUT1120>'><TITOLOSCHEMA></a></li>",
                                                "</ul>",
                                                "</html>"};

std::vector<VoceIndice> Voci(int n) {
    std::vector<VoceIndice> v;
    for (int k = 1; k <= n; ++k)
        v.push_back({ValutaGrado(100 + k, {Difficolta::Difficile}), "5x5 Livello " + std::to_string(100 + k),
                     "P" + std::to_string(k) + ".html"});
    return v;
}

TEST(Indice, QuattroSchemiQuattroRighe) {
    Banco b;
    EXPECT_EQ(CompilaIndice(b, ModelloIndice, Voci(4)),
              "<html>\r\n<h1>Schemi del 01 Gennaio 2009 (01 Gennaio 2009)</h1>\r\n<ul>\r\n"
              "<li><a href='P1.html'>5x5 Livello 101</a></li>\r\n"
              "<li><a href='P2.html'>5x5 Livello 102</a></li>\r\n"
              "<li><a href='P3.html'>5x5 Livello 103</a></li>\r\n"
              "<li><a href='P4.html'>5x5 Livello 104</a></li>\r\n"
              "</ul>\r\n</html>\r\n");
}

TEST(Indice, NessunoSchemaSoloModelloConDate) {
    Banco b;
    EXPECT_EQ(
        CompilaIndice(b, ModelloIndice, Voci(0)),
        "<html>\r\n<h1>Schemi del 01 Gennaio 2009 (01 Gennaio 2009)</h1>\r\n<ul>\r\n</ul>\r\n</html>\r\n");
}

TEST(Indice, SecondaRigaModelloContinuaDaUndici) {
    Banco b;
    const std::string out = CompilaIndice(b, ModelloIndice, Voci(12));
    const auto righe = DividiRighe(out);
    ASSERT_EQ(righe.size(), 3u + 12u + 2u);
    EXPECT_EQ(righe[3 + 9], "<li><a href='P10.html'>5x5 Livello 110</a></li>");
    EXPECT_EQ(righe[3 + 10], "<li><a href='P11.html'>5x5 Livello 111</a></li>");
    EXPECT_EQ(righe[3 + 11], "<li><a href='P12.html'>5x5 Livello 112</a></li>");
}

TEST(Indice, ModelloDaZeroComincaDalPrimo) {
    Banco b;
    EXPECT_EQ(CompilaIndice(b, {"<SCHEMIFUT0002>=<TITOLOSCHEMA>"}, Voci(3)),
              "P1.html=5x5 Livello 101\r\nP2.html=5x5 Livello 102\r\nP3.html=5x5 Livello 103\r\n");
}

TEST(PaginaFutoshiki, Segnaposti) {
    Banco b;
    const std::vector<std::string> schemi = {
        "10_Dieci_difficile.txt", "1_Uno_Facile.txt", "3_Prova_Medio.txt",
        "4_Strano_Xyz.txt",       "5_Corto.txt",      "3_Altro_Facile.txt"};
    const std::vector<std::string> righe = {"  <p>|DATA|</p>  ",
                                            "<a>|SCHEMA03</a>|SCHEMA03",
                                            "<a>|SCHEMA01</a><a>|SCHEMA10</a>",
                                            "<a>|SCHEMA04</a>",
                                            "<a>|SCHEMA05</a>",
                                            "<a>|SCHEMA02</a>",
                                            "<DATA>"};
    EXPECT_EQ(
        CompilaPaginaFutoshiki(b, righe, schemi),
        "  <p>01 Gennaio 2009</p>  \r\n"
        "<a>SCHEMA 3&nbsp;&nbsp;Prova&nbsp;&nbsp;MEDIO</a>SCHEMA 3&nbsp;&nbsp;Prova&nbsp;&nbsp;MEDIO\r\n"
        "<a>SCHEMA 1&nbsp;&nbsp;Uno&nbsp;&nbsp;FACILE</a><a>SCHEMA "
        "10&nbsp;&nbsp;Dieci&nbsp;&nbsp;DIFFICILE</a>\r\n"
        "<a>SCHEMA 4&nbsp;&nbsp;Strano&nbsp;&nbsp;</a>\r\n"
        "<a>SCHEMA 5&nbsp;&nbsp;Corto&nbsp;&nbsp;</a>\r\n"
        "<a></a>\r\n"
        "<DATA>\r\n");
}

TEST(ElencoSchemi, TuttiOrdinatiAncheOltreCinquanta) {
    test::CartellaTemporanea dir;
    for (int k = 60; k >= 1; --k) test::ScriviFile(dir / ("s" + Formatta0(k, 2) + ".txt"), "");
    test::ScriviFile(dir / "GRANDE.TXT", "");
    test::ScriviFile(dir / "altro.xml", "");
    test::ScriviFile(dir / "txt", "");
    test::ScriviFile(dir / "xml", "");
    test::ScriviFile(dir / "note.md", "");
    std::filesystem::create_directory(dir / "cartella.txt");
    std::filesystem::create_directory(dir / "cartella.xml");
    const auto nomi = ElencoSchemiSito(dir.percorso().string());
    ASSERT_EQ(nomi.size(), 62u);
    EXPECT_EQ(nomi[0], "GRANDE.TXT");
    EXPECT_EQ(nomi[1], "altro.xml");  // the same format as .txt
    EXPECT_EQ(nomi[2], "s01.txt");
    EXPECT_EQ(nomi[61], "s60.txt");
}

TEST(CaricaLista, TipoEstensioneESelezione) {
    test::CartellaTemporanea dir;
    Banco b;
    b.CartellaProgramma = dir.percorso().string();
    std::filesystem::create_directory(dir / "template");
    for (const char* nome : {"schema.html", "schemaFutoshiki.js", "Schema2.htm", "indice.html",
                             "INDICE_B.html", "schema_senza_punto", "Futoshiki.html"})
        test::ScriviFile(dir / (std::string("template/") + nome), "x");

    auto sche = ElencoModelli(b, "SCHEMA", "schema.html", ".js");
    EXPECT_EQ(sche.Nomi, (std::vector<std::string>{"Schema2.htm", "schema.html"}));
    EXPECT_EQ(sche.Selezionato, 0);  // the name is compared in upper case
    sche = ElencoModelli(b, "SCHEMA", "SCHEMA.HTML", ".js");
    EXPECT_EQ(sche.Selezionato, 1);

    const auto ind = ElencoModelli(b, "INDICE", "INDICE.HTML", ".js");
    EXPECT_EQ(ind.Nomi, (std::vector<std::string>{"INDICE_B.html", "indice.html"}));
    EXPECT_EQ(ind.Selezionato, 1);

    const auto nulla = ElencoModelli(b, "NIENTE", "", ".js");
    EXPECT_TRUE(nulla.Nomi.empty());
    EXPECT_EQ(nulla.Selezionato, -1);
}

}  // namespace
}  // namespace kelvaro
