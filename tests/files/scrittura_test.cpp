#include "files/scrittura.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/caricamento.h"
#include "supporto/finestre_finte.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using test::CartellaTemporanea;
using test::FinestreFinte;
using test::LeggiFile;
namespace fs = std::filesystem;

Schema SchemaEsempio4() {
    Schema s;
    s.Sizesc = 4;
    const std::string giv = "0000300000000020", sol = "1234341221434321";
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c) {
            s.tblSchema[r][c] = giv.substr((r - 1) * 4 + c - 1, 1);
            s.tblSoluzione[r][c] = sol.substr((r - 1) * 4 + c - 1, 1);
        }
    s.Vincoli = {"1211", "3444"};
    CostruisciSegni(s);
    s.Caricato = true;
    return s;
}

TEST(Scrittura, SetteRigheConCrLf) {
    EXPECT_EQ(TestoFileSchema(SchemaEsempio4()),
              "<?xml version=\"1.0\" ?>\r\n"
              "<FUTOSHIKI SIZE=\"4\">\r\n"
              "<SCHEMA>0000300000000020</SCHEMA>\r\n"
              "<SOLUTION>1234341221434321</SOLUTION>\r\n"
              "<CONSTRAINT>1211|3444</CONSTRAINT>\r\n"
              "<CHECK>662364</CHECK>\r\n"
              "</FUTOSHIKI>\r\n");
    Schema s = SchemaEsempio4();
    s.Vincoli.clear();
    EXPECT_NE(TestoFileSchema(s).find("\r\n<CONSTRAINT></CONSTRAINT>\r\n"), std::string::npos);
}

TEST(Scrittura, AndataERitorno) {
    for (const char* nome : {"5e_1.txt", "6k_2.txt", "7x_3.txt", "8e_1.txt", "9x_1.txt", "9k_2.txt"}) {
        const auto orig = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/schemi/" + nome);
        ASSERT_TRUE(orig) << nome;
        CartellaTemporanea dir;
        Banco b;
        FinestreFinte f;
        b.ImpostaFinestre(&f);
        b.schema = orig->schema;
        f.fileDaSalvare.push_back(dir / "copia.xml");
        CmdSalvaxml_Click(b);
        ASSERT_TRUE(b.file.Salvato);
        const auto letto = LeggiSchemaFile(dir / "copia.xml");
        ASSERT_TRUE(letto) << nome;
        EXPECT_EQ(letto->schema.Sizesc, orig->schema.Sizesc);
        EXPECT_EQ(letto->schema.tblSchema, orig->schema.tblSchema);
        EXPECT_EQ(letto->schema.tblSoluzione, orig->schema.tblSoluzione);
        EXPECT_EQ(letto->schema.Vincoli, orig->schema.Vincoli);
        EXPECT_EQ(letto->CheckLetto, CreaPwd(letto->schema.tblSoluzione, letto->schema.Sizesc));
        EXPECT_EQ(letto->CheckLetto, orig->CheckLetto);
    }
}

TEST(Scrittura, DialogoPropostoConNomeFileEAnnullato) {
    CartellaTemporanea dir;
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.schema = SchemaEsempio4();
    b.file.NomeFile = "4_0000_090101000000.TXT";
    b.file.Salvato = true;
    CmdSalvaxml_Click(b);
    EXPECT_FALSE(b.file.Salvato);
    ASSERT_EQ(f.propostiSalva.size(), 1u);
    EXPECT_EQ(f.propostiSalva[0], "4_0000_090101000000.TXT");
    EXPECT_TRUE(fs::is_empty(dir.percorso()));
}

TEST(Scrittura, GenerazioneContinuaNellaCartellaDellaRegolaSenzaSovrascrivere) {
    CartellaTemporanea dir;
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.CartellaProgramma = dir.percorso().string();
    b.schema = SchemaEsempio4();
    b.imp.GenCont = true;
    b.conf.Regole[2].DIR = "uscita/facili";  // relative: from the program directory
    b.conf.RegolaCorrente = 2;
    b.file.NomeFile = "4_0000_090101000000.TXT";
    for (int k = 0; k < 3; ++k) {
        CmdSalvaxml_Click(b);
        EXPECT_TRUE(b.file.Salvato);
    }
    EXPECT_TRUE(f.propostiSalva.empty());
    const fs::path cartella = dir.percorso() / "uscita/facili";
    EXPECT_TRUE(fs::exists(cartella / "4_0000_090101000000.TXT"));
    EXPECT_TRUE(fs::exists(cartella / "4_0000_090101000000_2.TXT"));
    EXPECT_TRUE(fs::exists(cartella / "4_0000_090101000000_3.TXT"));
    EXPECT_EQ(LeggiFile(cartella / "4_0000_090101000000_3.TXT"), TestoFileSchema(b.schema));
}

TEST(Scrittura, ErroreDiScritturaSegnalatoEFilePrecedenteIntatto) {
    CartellaTemporanea dir;
    Banco b;
    FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.schema = SchemaEsempio4();
    test::ScriviFile(dir / "file", "non una cartella");
    const std::string bersaglio = (dir.percorso() / "file" / "schema.txt").string();
    f.fileDaSalvare.push_back(bersaglio);
    CmdSalvaxml_Click(b);
    EXPECT_FALSE(b.file.Salvato);
    ASSERT_EQ(f.messaggi.size(), 1u);
    EXPECT_NE(f.messaggi[0].find(bersaglio), std::string::npos);
    EXPECT_EQ(LeggiFile(dir / "file"), "non una cartella");
    // No temporary file left behind.
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir.percorso())) (void)e, ++file;
    EXPECT_EQ(file, 1);
}

}  // namespace
}  // namespace kelvaro
