// Template filling and the compaction of the script's identifiers.
#include "web/stringi.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"
#include "web/finestre_prova.h"

namespace kelvaro {
namespace {

struct CasoBinario {
    const char* codice;
    const char* atteso;
};

class NomeBinarioCasi : public testing::TestWithParam<CasoBinario> {};

TEST_P(NomeBinarioCasi, SeiCifreInBaseDue) {
    EXPECT_EQ(NomeBinario(GetParam().codice), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(Codici, NomeBinarioCasi,
                         testing::Values(CasoBinario{"a01", "a000001"}, CasoBinario{"a02", "a000010"},
                                         CasoBinario{"a13", "a001101"}, CasoBinario{"a18", "a010010"},
                                         CasoBinario{"a32", "a100000"}, CasoBinario{"a49", "a110001"},
                                         CasoBinario{"a0", "a000000"}, CasoBinario{"a", "a000000"},
                                         CasoBinario{"a7", "a000111"}),
                         test::NomeDa([](const CasoBinario& c) { return std::string(c.codice); }));

TEST(Identificatori, TabellaInOrdineConICodici) {
    const std::vector<std::pair<std::string, std::string>> attesa = {{"rinominaBottone", "a000001"},
                                                                     {"mostra", "a000010"},
                                                                     {"nascondi", "a000011"},
                                                                     {"undomosse", "a000100"},
                                                                     {"colora", "a000101"},
                                                                     {"modosetta", "a000110"},
                                                                     {"setta", "a000111"},
                                                                     {"recuperafoto", "a001000"},
                                                                     {"salvafoto", "a010010"},
                                                                     {"stato", "a001001"},
                                                                     {"ifoto", "a001010"},
                                                                     {"foto", "a001011"},
                                                                     {"imosse", "a001100"},
                                                                     {"calcolasoluzione", "a001101"},
                                                                     {"coloricelle", "a001110"},
                                                                     {"celle", "a001111"},
                                                                     {"tasti", "a010000"},
                                                                     {"stadio", "a010001"},
                                                                     {"nome", "a010011"},
                                                                     {"nomb", "a010100"},
                                                                     {"solution", "a010101"},
                                                                     {"chiediConferma", "a010110"},
                                                                     {"ancora", "a010111"},
                                                                     {"somma", "a011000"},
                                                                     {"storna", "a011001"},
                                                                     {"testo", "a011010"},
                                                                     {"clicm", "a011011"},
                                                                     {"geid", "a011100"},
                                                                     {"valoreprec", "a011101"},
                                                                     {"salvaval", "a011110"},
                                                                     {"aggiornalista", "a011111"},
                                                                     {"valoreatt", "a100000"},
                                                                     {"inizializzaschema", "a100001"},
                                                                     {"caricaschema", "a100010"},
                                                                     {"sxettadvmos", "a100011"},
                                                                     {"cxaricadvmos", "a100100"},
                                                                     {"eseguimxossa", "a100101"},
                                                                     {"cellascelta", "a100110"},
                                                                     {"posizioneTD", "a100111"},
                                                                     {"posizione", "a101000"},
                                                                     {"getPosX", "a101001"},
                                                                     {"getPosY", "a101010"},
                                                                     {"divhelp", "a101011"},
                                                                     {"pitturalog", "a101100"},
                                                                     {"nuovolog", "a101101"},
                                                                     {"chiudilog", "a101110"},
                                                                     {"visualizzalog", "a101111"},
                                                                     {"visualizzadettlog", "a110000"},
                                                                     {"inizializzavislog", "a110001"}};
    EXPECT_EQ(IdentificatoriScript(), attesa);
}

struct CasoCompatta {
    const char* testo;
    const char* atteso;
};

class CompattaCasi : public testing::TestWithParam<CasoCompatta> {};

TEST_P(CompattaCasi, NomiLunghiPrimaDeiCorti) {
    EXPECT_EQ(CompattaIdentificatori(GetParam().testo), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Ordine, CompattaCasi,
    testing::Values(CasoCompatta{"modosetta(setta)", "a000110(a000111)"},
                    CasoCompatta{"recuperafoto salvafoto ifoto foto", "a001000 a010010 a001010 a001011"},
                    CasoCompatta{"coloricelle celle", "a001110 a001111"},
                    CasoCompatta{"posizioneTD(this); posizione", "a100111(this); a101000"},
                    CasoCompatta{"var nomeCella", "var a010011Cella"},
                    CasoCompatta{"Mostra Nome", "Mostra Nome"},  // case-sensitive
                    CasoCompatta{"solution='12'", "a010101='12'"},
                    CasoCompatta{"visualizzadettlog visualizzalog", "a110000 a101111"}),
    test::NomeDa([](const CasoCompatta& c) { return std::string(c.testo); }));

struct CasoData {
    const char* data;
    const char* atteso;
};

class DataCasi : public testing::TestWithParam<CasoData> {};

TEST_P(DataCasi, MeseInLettere) {
    EXPECT_EQ(DataInlettera(GetParam().data), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(Mesi, DataCasi,
                         testing::Values(CasoData{"01/01/2009", "01 Gennaio 2009"},
                                         CasoData{"28/02/2011", "28 Febbraio 2011"},
                                         CasoData{"15/08/2010", "15 Agosto 2010"},
                                         CasoData{"05/10/2020", "05 Ottobre 2020"},
                                         CasoData{"31/12/1999", "31 Dicembre 1999"}),
                         test::NomeDa([](const CasoData& c) { return std::string(c.data); }));

TEST(Data, AAMMGG) {
    EXPECT_EQ(DataAAMMGG("01/01/2009"), "090101");
    EXPECT_EQ(DataAAMMGG("28/02/2011"), "110228");
}

const std::vector<std::string> ModelloScript = {"// commento",
                                                "\t// commento rientrato",
                                                "",
                                                "   ",
                                                "\t \t",
                                                "  var x = nome; // nota  ",
                                                "\tfunction mostra() {",
                                                "}"};

TEST(CompilaModello, PerRigheTogliCommentiERigheVuote) {
    Banco b;
    EXPECT_EQ(CompilaModello(b, ModelloScript, true, ""),
              "// commento rientrato\r\nvar x = a010011; // nota\r\nfunction a000010() {\r\n}\r\n");
}

TEST(CompilaModello, UnaRigaConUnoSpazioDopoOgniRiga) {
    Banco b;
    EXPECT_EQ(CompilaModello(b, ModelloScript, false, ""),
              "// commento \t// commento rientrato   \t \t var x = a010011; // nota \tfunction a000010() { "
              "} \r\n");
}

TEST(CompilaModello, ModelloVuoto) {
    Banco b;
    EXPECT_EQ(CompilaModello(b, {}, true, ""), "");
    EXPECT_EQ(CompilaModello(b, {}, false, ""), "\r\n");
}

TEST(CompilaModello, TitoloIdentificatoreData) {
    Banco b;
    b.web.IdSchema = "F_090101_01";
    const std::vector<std::string> righe = {"<title>|TITOLO|</title>", "<h1><TITOLO></h1>",
                                            "go('<IDSCHEMA>')", "|DATA| e <DATA>"};
    EXPECT_EQ(CompilaModello(b, righe, true, "Futoshiki 5x5 Livello 0"),
              "<title>Futoshiki 5x5 Livello 0</title>\r\n<h1>Futoshiki 5x5 Livello 0</h1>\r\n"
              "go('F_090101_01')\r\n01 Gennaio 2009 e 01 Gennaio 2009\r\n");
}

TEST(CompilaModello, FrammentoSoloSuRigaPropria) {
    Banco b;
    b.web.Frammento = "  <a>\r\n<b solution>  \r\n";
    const std::vector<std::string> righe = {"<p>", "   |SCHEMA|  ", "<SCHEMA>", "x |SCHEMA|", "<SCHEMA> y"};
    EXPECT_EQ(CompilaModello(b, righe, false, ""),
              "<p> <a>\r\n<b a010101>\r\n <a>\r\n<b a010101>\r\n x |SCHEMA| <SCHEMA> y \r\n");
}

class StringiFile : public testing::Test {
protected:
    void SetUp() override {
        b.ImpostaFinestre(&f);
        b.CartellaProgramma = dir.percorso().string();
        std::filesystem::create_directory(dir / "template");
        std::filesystem::create_directory(dir / "perwebsiteprove");
        test::ScriviFile(dir / "template/schemaFutoshiki.js", "// prova\n\tfunction mostra(nome) {\n\n\t}\n");
    }
    test::CartellaTemporanea dir;
    test::FinestreRegistrate f;
    Banco b;
};

TEST_F(StringiFile, ClickCompattaLoScript) {
    EXPECT_TRUE(Stringi_Click(b));
    EXPECT_EQ(test::LeggiFile(dir / "perwebsiteprove/schemaFutoshiki.js"),
              "function a000010(a010011) {\r\n}\r\n");
    EXPECT_TRUE(f.messaggi.empty());
}

TEST_F(StringiFile, ModelloMancanteNominato) {
    EXPECT_FALSE(Stringi(b, "manca.html", "manca.html", false, ""));
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo, "Modello non trovato");
    EXPECT_EQ(f.messaggi[0].dettaglio, dir / "template/manca.html");
    EXPECT_FALSE(std::filesystem::exists(dir / "perwebsiteprove/manca.html"));
}

TEST_F(StringiFile, CartellaDiUscitaMancante) {
    std::filesystem::remove(dir / "perwebsiteprove");
    EXPECT_FALSE(Stringi_Click(b));
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_EQ(f.messaggi[0].testo, "Cartella di pubblicazione non trovata");
    EXPECT_EQ(f.messaggi[0].dettaglio, b.CartellaProgramma + "/perwebsiteprove/");
}

}  // namespace
}  // namespace kelvaro
