#include "files/caricamento.h"

#include <gtest/gtest.h>

#include "files/scrittura.h"
#include "supporto/finestre_finte.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using test::CartellaTemporanea;
using test::FinestreFinte;
using test::ScriviFile;

// The size-4 example: solution rows 1234/3412/2143/4321, givens R2C1 = 3 and R4C3 = 2.
const std::string Esempio4 =
    "<?xml version=\"1.0\" ?>\r\n"
    "<FUTOSHIKI SIZE=\"4\">\r\n"
    "<SCHEMA>0000300000000020</SCHEMA>\r\n"
    "<SOLUTION>1234341221434321</SOLUTION>\r\n"
    "<CONSTRAINT>1211|3444</CONSTRAINT>\r\n"
    "<CHECK>662364</CHECK>\r\n"
    "</FUTOSHIKI>\r\n";

struct CasoTollerato {
    const char* nome;
    std::string testo;
    int dimensione;
    std::string schema;  // row-major givens, '.' for a cell left ""
    int vincoli;
    std::string check;
};

class FormatoTollerato : public ::testing::TestWithParam<CasoTollerato> {};

TEST_P(FormatoTollerato, Carica) {
    const auto& caso = GetParam();
    std::vector<std::string> righe;
    size_t pos = 0;
    while (pos <= caso.testo.size()) {
        size_t k = caso.testo.find('\n', pos);
        if (k == std::string::npos) k = caso.testo.size();
        righe.push_back(caso.testo.substr(pos, k - pos));
        pos = k + 1;
    }
    auto letto = LeggiSchemaRighe(righe);
    ASSERT_TRUE(letto.has_value()) << caso.nome;
    EXPECT_EQ(letto->schema.Sizesc, caso.dimensione);
    std::string givens;
    for (int r = 1; r <= caso.dimensione; ++r)
        for (int c = 1; c <= caso.dimensione; ++c) {
            const std::string& t = letto->schema.tblSchema[r][c];
            givens += t.empty() ? "." : t;
        }
    EXPECT_EQ(givens, caso.schema);
    EXPECT_EQ(letto->schema.NumVincoli(), caso.vincoli);
    EXPECT_EQ(letto->CheckLetto, caso.check);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FormatoTollerato,
    ::testing::Values(
        CasoTollerato{"virgolette doppie", Esempio4, 4, "0000300000000020", 2, "662364"},
        CasoTollerato{"apici singoli",
                      "<?xml version='1.0' ?>\n<FUTOSHIKI SIZE='4'>\n<SCHEMA>0000300000000020</SCHEMA>\n"
                      "<SOLUTION>1234341221434321</SOLUTION>\n<CONSTRAINT>1211|3444</CONSTRAINT>\n"
                      "<CHECK>662364</CHECK>\n</FUTOSHIKI>",
                      4, "0000300000000020", 2, "662364"},
        CasoTollerato{
            "etichette minuscole",
            "<futoshiki size='4'><schema>0000300000000020</schema><solution>1234341221434321</solution>"
            "<constraint>1211</constraint>\n<CHECK>662364</CHECK>",
            4, "0000300000000020", 1, "662364"},
        CasoTollerato{"COSTRAINT",
                      "<F SIZE='4'><SCHEMA>0000300000000020</SCHEMA><SOLUTION></SOLUTION>"
                      "<COSTRAINT>1211|3444</COSTRAINT>",
                      4, "0000300000000020", 2, ""},
        CasoTollerato{"etichette spezzate su piu righe",
                      "<F SIZE='4'><SCHE\nMA>00003000\n00000020</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
                      "<CONSTRAINT></CONSTRAINT>",
                      4, "0000300000000020", 0, ""},
        CasoTollerato{"contenuto corto",
                      "<F SIZE='4'><SCHEMA>00003</SCHEMA><SOLUTION>12</SOLUTION>"
                      "<CONSTRAINT></CONSTRAINT>",
                      4, "00003...........", 0, ""},
        CasoTollerato{"CHECK minuscolo non letto",
                      "<F SIZE='4'><SCHEMA>0000300000000020</SCHEMA><SOLUTION></SOLUTION>"
                      "<CONSTRAINT></CONSTRAINT>\n<check>662364</check>",
                      4, "0000300000000020", 0, ""},
        CasoTollerato{"CHECK dal carattere 8 della riga",
                      "  <CHECK>662364</CHECK>\n<F SIZE='4'><SCHEMA></SCHEMA>"
                      "<SOLUTION></SOLUTION><CONSTRAINT></CONSTRAINT>",
                      4, "................", 0, "K>6623"},
        CasoTollerato{"dimensione di due cifre: conta la prima",
                      "<F SIZE='12'><SCHEMA>1</SCHEMA><SOLUTION>1</SOLUTION><CONSTRAINT></CONSTRAINT>", 1,
                      "1", 0, ""},
        CasoTollerato{
            "caratteri in piu ignorati",
            "<F SIZE='2'><SCHEMA>120000</SCHEMA><SOLUTION>1221</SOLUTION><CONSTRAINT>1112</CONSTRAINT>", 2,
            "1200", 1, ""}),
    [](const auto& info) {
        std::string n;
        for (char ch : std::string(info.param.nome))
            n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

struct CasoRifiutato {
    const char* nome;
    std::string testo;
    std::string motivo;  // what the refusal says
};

class FormatoRifiutato : public ::testing::TestWithParam<CasoRifiutato> {};

TEST_P(FormatoRifiutato, NonCaricaEDiceIlMotivo) {
    std::string motivo;
    EXPECT_FALSE(LeggiSchemaRighe({GetParam().testo}, &motivo).has_value()) << GetParam().nome;
    EXPECT_EQ(motivo, GetParam().motivo);
}

const std::string Coda = "<SOLUTION></SOLUTION><CONSTRAINT></CONSTRAINT>";

INSTANTIATE_TEST_SUITE_P(
    Casi, FormatoRifiutato,
    ::testing::Values(
        CasoRifiutato{"senza SIZE", "<SCHEMA>0</SCHEMA>" + Coda, "manca SIZE=\"N\""},
        CasoRifiutato{"dimensione zero", "SIZE='0'<SCHEMA>0</SCHEMA>" + Coda,
                      "dimensione '0' non valida (da 1 a 9)"},
        CasoRifiutato{"dimensione non cifra", "SIZE='X'<SCHEMA>0</SCHEMA>" + Coda,
                      "dimensione 'X' non valida (da 1 a 9)"},
        CasoRifiutato{"dimensione mancante", "SIZE='", "manca SIZE=\"N\""},
        CasoRifiutato{"senza SCHEMA", "SIZE='4'" + Coda, "manca <SCHEMA>"},
        CasoRifiutato{"senza chiusura SCHEMA", "SIZE='4'<SCHEMA>0000" + Coda, "manca </SCHEMA>"},
        CasoRifiutato{"chiusura prima dell'apertura", "SIZE='4'</SCHEMA><SCHEMA>" + Coda,
                      "</SCHEMA> prima di <SCHEMA>"},
        CasoRifiutato{"senza SOLUTION", "SIZE='4'<SCHEMA></SCHEMA><CONSTRAINT></CONSTRAINT>",
                      "manca <SOLUTION>"},
        CasoRifiutato{"senza CONSTRAINT", "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION>",
                      "manca <CONSTRAINT>"},
        CasoRifiutato{"dato non cifra", "SIZE='4'<SCHEMA>00a0</SCHEMA>" + Coda,
                      "carattere 'A' in <SCHEMA> (cifre da 0 a 4)"},
        CasoRifiutato{"dato oltre N", "SIZE='4'<SCHEMA>0050</SCHEMA>" + Coda,
                      "carattere '5' in <SCHEMA> (cifre da 0 a 4)"},
        CasoRifiutato{"dato di controllo", "SIZE='4'<SCHEMA>0\x01</SCHEMA>" + Coda,
                      "carattere '\\x01' in <SCHEMA> (cifre da 0 a 4)"},
        CasoRifiutato{"vincolo lungo",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>12341234123412</CONSTRAINT>",
                      "vincolo '123412341234...' non valido"},
        CasoRifiutato{"soluzione oltre N",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION>9</SOLUTION><CONSTRAINT></CONSTRAINT>",
                      "carattere '9' in <SOLUTION> (cifre da 0 a 4)"},
        CasoRifiutato{"vincolo corto",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>121</CONSTRAINT>",
                      "vincolo '121' non valido"},
        CasoRifiutato{"vincolo fuori griglia",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>1415</CONSTRAINT>",
                      "vincolo '1415' non valido"},
        CasoRifiutato{"vincolo con zero",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>0111</CONSTRAINT>",
                      "vincolo '0111' non valido"},
        CasoRifiutato{"vincolo su una cella sola",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>1211|1111</CONSTRAINT>",
                      "vincolo '1111' non valido"},
        CasoRifiutato{"vincolo tra celle della stessa riga non vicine",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>1211|2123</CONSTRAINT>",
                      "vincolo '2123' tra celle non vicine"},
        CasoRifiutato{"vincolo tra celle della stessa colonna non vicine",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>4121</CONSTRAINT>",
                      "vincolo '4121' tra celle non vicine"},
        CasoRifiutato{"vincolo in diagonale",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>2233</CONSTRAINT>",
                      "vincolo '2233' tra celle non vicine"},
        CasoRifiutato{"barra finale",
                      "SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>1211|</CONSTRAINT>",
                      "vincolo vuoto tra le barre"}),
    [](const auto& info) {
        std::string n;
        for (char ch : std::string(info.param.nome))
            n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

TEST(Caricamento, PiuDi255VincoliRifiutati) {
    std::string v;
    for (int k = 0; k < 256; ++k) v += (k ? "|" : "") + std::string("1211");
    std::string motivo;
    EXPECT_FALSE(
        LeggiSchemaRighe({"SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>" + v + "</CONSTRAINT>"},
                         &motivo)
            .has_value());
    EXPECT_EQ(motivo, "più di 255 vincoli");
    v = v.substr(5);
    EXPECT_TRUE(
        LeggiSchemaRighe({"SIZE='4'<SCHEMA></SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>" + v + "</CONSTRAINT>"})
            .has_value());
}

// Saved by an editor that starts UTF-8 files with a byte order mark: the file loads as without it.
TEST(Caricamento, MarcaUtf8AllInizioIgnorata) {
    CartellaTemporanea dir;
    for (const std::string& testo :
         {"\xEF\xBB\xBF" + Esempio4, std::string("\xEF\xBB\xBF") + "  <CHECK>662364</CHECK>\n" + Esempio4}) {
        ScriviFile(dir / "a.txt", testo);
        std::string motivo;
        auto letto = LeggiSchemaFile(dir / "a.txt", motivo);
        ASSERT_TRUE(letto.has_value()) << motivo;
        EXPECT_EQ(letto->schema.NumVincoli(), 2);
        EXPECT_EQ(letto->CheckLetto, testo[3] == ' ' ? "K>6623" : "662364");
    }
    ScriviFile(dir / "b.txt",
               "\xEF\xBB\xBF"
               "<F SIZE='2'><SCHEMA>1000</SCHEMA><SOLUTION>1221</SOLUTION>"
               "<CONSTRAINT></CONSTRAINT>\n<CHECK>123456</CHECK>");
    auto piccolo = LeggiSchemaFile(dir / "b.txt");
    ASSERT_TRUE(piccolo.has_value());
    EXPECT_EQ(piccolo->schema.Sizesc, 2);
}

TEST(Caricamento, FileBuonoDiventaCorrenteEMostrato) {
    CartellaTemporanea dir;
    ScriviFile(dir / "a.txt", Esempio4);
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.modifica.Mosse.push_back(Mossa{});
    b.file.NomeFileAperto = dir / "a.txt";
    ASSERT_TRUE(CaricaSchema(b));
    EXPECT_TRUE(f.messaggi.empty());
    EXPECT_EQ(b.schema.Sizesc, 4);
    EXPECT_EQ(b.schema.tblSchema[2][1], "3");
    EXPECT_EQ(b.schema.tblSoluzione[4][4], "1");
    EXPECT_EQ(b.schema.tblSegni[1][2].MagSin, 1);
    EXPECT_EQ(b.schema.tblSegni[4][4].MinSu, 1);
    EXPECT_EQ(b.modifica.NumMosse(), 0);
    EXPECT_FALSE(b.modifica.UndoAbilitato);
    EXPECT_TRUE(b.Gr.Visible);
    EXPECT_EQ(b.Gr.Cella(3, 1).Testo, "3");
    EXPECT_EQ(b.Gr.Cella(3, 1).CellForeColor, ColoreNero);
    EXPECT_EQ(b.Gr.Cella(1, 1).CellForeColor, ColoreBlu);
    EXPECT_EQ(b.Gr.Cella(1, 1).Testo, "");
    EXPECT_EQ(b.file.NomeFileAperto, dir / "a.txt");
}

TEST(Caricamento, FileErratoNonCambiaNulla) {
    CartellaTemporanea dir;
    ScriviFile(dir / "a.txt", Esempio4);
    // new size and givens, but no closing SOLUTION tag
    ScriviFile(dir / "rotto.txt", "<F SIZE='5'><SCHEMA>1234500000000000000000000</SCHEMA><SOLUTION>12");
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.file.NomeFileAperto = dir / "a.txt";
    ASSERT_TRUE(CaricaSchema(b));
    const Schema prima = b.schema;
    const int ridisegni = f.ridisegni;
    for (const std::string nome : {"rotto.txt", "manca.txt"}) {
        b.file.NomeFileAperto = dir / nome;
        EXPECT_FALSE(CaricaSchema(b));
        EXPECT_EQ(b.schema.Sizesc, prima.Sizesc);
        EXPECT_EQ(b.schema.tblSchema, prima.tblSchema);
        EXPECT_EQ(b.schema.tblSoluzione, prima.tblSoluzione);
        EXPECT_EQ(b.schema.Vincoli, prima.Vincoli);
        EXPECT_EQ(b.schema.tblSegni, prima.tblSegni);
    }
    EXPECT_EQ(f.ridisegni, ridisegni);
    ASSERT_EQ(f.messaggi.size(), 2u);
    EXPECT_EQ(f.messaggi[0], "File inesistente o dati errati|" + (dir / "rotto.txt"));
    EXPECT_EQ(f.messaggi[1], "File inesistente o dati errati|" + (dir / "manca.txt"));
}

TEST(Caricamento, DialogoApriAnnullatoNonCambiaNulla) {
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    EXPECT_FALSE(CaricaSchema(b));
    EXPECT_TRUE(f.messaggi.empty());
    EXPECT_FALSE(b.schema.Caricato);
    EXPECT_FALSE(b.Gr.Visible);
}

TEST(Caricamento, DialogoApriSceglieIlFile) {
    CartellaTemporanea dir;
    ScriviFile(dir / "a.xml", Esempio4);
    Banco b;
    FinestreFinte f;
    f.fileDaAprire.push_back(dir / "a.xml");
    b.ImpostaFinestre(&f);
    EXPECT_TRUE(CaricaSchema(b));
    EXPECT_EQ(b.schema.Sizesc, 4);
}

TEST(NomeAutomatico, DimensioneLivelloEData) {
    Banco b;
    b.schema.Sizesc = 7;
    b.ris.NumSwordfish = 1;
    b.ris.NumMultipli = 3;
    b.Orologio = [] {
        std::tm t{};
        t.tm_year = 109;
        t.tm_mon = 0;
        t.tm_mday = 8;
        t.tm_hour = 15;
        t.tm_min = 30;
        t.tm_sec = 5;
        return t;
    };
    GeneraNomeAut(b);
    EXPECT_EQ(b.file.NomeFile, "7_0513_090108153005.TXT");
    b.ris.NumSwordfish = 0;
    b.ris.NumMultipli = 0;
    b.schema.Sizesc = 5;
    GeneraNomeAut(b);
    EXPECT_EQ(b.file.NomeFile, "5_0000_090108153005.TXT");
}

TEST(Salvataggio, MaiChiesto) {
    Banco b;
    EXPECT_FALSE(ChiediSalvataggio(b));
}

}  // namespace
}  // namespace kelvaro
