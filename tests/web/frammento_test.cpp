// The schema fragment of the published page, checked line for line.
#include "web/frammento.h"

#include <gtest/gtest.h>

#include "files/caricamento.h"
#include "model/testo.h"
#include "supporto/supporto.h"
#include "web/finestre_prova.h"
#include "web/stringi.h"

namespace kelvaro {
namespace {

Banco CaricaFixture(const std::string& nome, test::FinestreRegistrate& f) {
    Banco b;
    b.ImpostaFinestre(&f);
    b.file.NomeFileAperto = test::Fixture(nome);
    EXPECT_TRUE(CaricaSchema(b));
    return b;
}

// 3x3 schema: givens R1C1 = 1 and R3C3 = 2; R2C2 > R2C3 (FD), R1C3 > R1C2 (FS),
// R2C2 > R3C2 (FB), R2C1 > R1C1 (FA).
TEST(Frammento, SchemaTreRigaPerRiga) {
    test::FinestreRegistrate f;
    Banco b = CaricaFixture("web/tre_segni.txt", f);
    b.schema.tblRisolto = b.schema.tblSoluzione;
    b.storia.NumStoria = 2;
    b.storia.StoriaS = {"", "1       2", "123231312"};
    b.storia.StoriaV = {"", "", "12132122233132"};
    b.storia.StoriaR = {"", "", ""};

    const std::vector<std::string> attese = {
        "<script lang='javascript'>var solution;solution='123231312';var schema;schema='100000002';"
        "var sizesc;sizesc='3';var mpl;mpl=12;var mll;mll=9;var mlp;mlp=12;var mpp;mpp=16;",
        " var tbls = new Array(); var tblv = new Array(); var tblr = new Array(); var mls=2; var imls=0;",
        "tbls[0]='';",
        "tblv[0]='';",
        "tblr[0]='';",
        "tbls[1]='1       2';",
        "tblv[1]='';",
        "tblr[1]='';",
        "tbls[2]='123231312';",
        "tblv[2]='12132122233132';",
        "tblr[2]='';",
        "</script>",
        "<table id='ritb1' align='center'  border='0'  cellpadding='0' cellspacing='0' class='laterale' "
        "height='230' width='230'>",
        "<tr id='ritd1'>",
        "<td id='PP0' >  </TD>",
        "<td id='PL0' >  </TD>",
        "<td id='PP1' >  </TD>",
        "<td id='PL1' >  </TD>",
        "<td id='PP2' >  </TD>",
        "<td id='PL2' >  </TD>",
        "<td id='PP3' >  </TD>",
        "</tr>",
        "<tr id='ritd2'>",
        "<td id='LP0' >  </TD>",
        "<td id='LL0' >  1</TD>",
        "<td id='LP1' >  </TD>",
        "<td id='LL1' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP2' >  <img src='assets/img/FS.bmp'   alt=''></TD>",
        "<td id='LL2' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP3' >  </TD>",
        "</tr>",
        "<tr id='ritd3'>",
        "<td id='PP4' >  </TD>",
        "<td id='PL3' >  <img src='assets/img/FA.bmp'   alt=''></TD>",
        "<td id='PP5' >  </TD>",
        "<td id='PL4' >  </TD>",
        "<td id='PP6' >  </TD>",
        "<td id='PL5' >  </TD>",
        "<td id='PP7' >  </TD>",
        "</tr>",
        "<tr id='ritd4'>",
        "<td id='LP4' >  </TD>",
        "<td id='LL3' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP5' >  </TD>",
        "<td id='LL4' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP6' >  <img src='assets/img/FD.bmp'   alt=''></TD>",
        "<td id='LL5' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP7' >  </TD>",
        "</tr>",
        "<tr id='ritd5'>",
        "<td id='PP8' >  </TD>",
        "<td id='PL6' >  </TD>",
        "<td id='PP9' >  </TD>",
        "<td id='PL7' >  <img src='assets/img/FB.bmp'   alt=''></TD>",
        "<td id='PP10' >  </TD>",
        "<td id='PL8' >  </TD>",
        "<td id='PP11' >  </TD>",
        "</tr>",
        "<tr id='ritd6'>",
        "<td id='LP8' >  </TD>",
        "<td id='LL6' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP9' >  </TD>",
        "<td id='LL7' onmouseup=\"javascript:posizioneTD(this)\"></td>",
        "<td id='LP10' >  </TD>",
        "<td id='LL8' >  2</TD>",
        "<td id='LP11' >  </TD>",
        "</tr>",
        "<tr id='ritd7'>",
        "<td id='PP12' >  </TD>",
        "<td id='PL9' >  </TD>",
        "<td id='PP13' >  </TD>",
        "<td id='PL10' >  </TD>",
        "<td id='PP14' >  </TD>",
        "<td id='PL11' >  </TD>",
        "<td id='PP15' >  </TD>",
        "</tr>",
        "</table>",
    };
    std::string atteso;
    for (const auto& r : attese) atteso += r + "\r\n";

    Generahtml_Click(b);
    EXPECT_EQ(b.web.Frammento, atteso);
    EXPECT_EQ(DividiRighe(b.web.Frammento), attese);
}

TEST(Frammento, CinqueAltezzaConteggiEStoriaVuota) {
    test::FinestreRegistrate f;
    Banco b;
    b.ImpostaFinestre(&f);
    b.file.NomeFileAperto = std::string(KELVARO_SORGENTI) + "/resources/schemixwebsite/2_Cinque_Facile.txt";
    ASSERT_TRUE(CaricaSchema(b));
    b.schema.tblRisolto = b.schema.tblSoluzione;
    b.storia.Azzera();
    const auto righe = DividiRighe(FrammentoSchema(b));
    ASSERT_GT(righe.size(), 6u);
    EXPECT_EQ(righe[0],
              "<script lang='javascript'>var solution;solution='3241554231135244135225143';"
              "var schema;schema='3000000000100040000000000';var sizesc;sizesc='5';"
              "var mpl;mpl=30;var mll;mll=25;var mlp;mlp=30;var mpp;mpp=36;");
    EXPECT_EQ(
        righe[1],
        " var tbls = new Array(); var tblv = new Array(); var tblr = new Array(); var mls=0; var imls=0;");
    EXPECT_EQ(righe[2], "tbls[0]='';");
    EXPECT_EQ(righe[3], "tblv[0]='';");
    EXPECT_EQ(righe[4], "tblr[0]='';");
    EXPECT_EQ(righe[5], "</script>");
    EXPECT_EQ(
        righe[6],
        "<table id='ritb1' align='center'  border='0'  cellpadding='0' cellspacing='0' class='laterale' "
        "height='350' width='350'>");
    // 11 grid rows of 11 cells, each between its row start and end, then the table end.
    EXPECT_EQ(righe.size(), 7u + 11u * 13u + 1u);
    EXPECT_EQ(righe[7], "<tr id='ritd1'>");
    EXPECT_EQ(righe[7 + 10 * 13], "<tr id='ritd11'>");
    EXPECT_EQ(righe.back(), "</table>");
    // R1C1 = 3 is a given; R1C2 is empty and clickable; 1112 puts R1C1 > R1C2: FD.
    EXPECT_EQ(righe[7 + 13 + 2], "<td id='LL0' >  3</TD>");
    EXPECT_EQ(righe[7 + 13 + 3], "<td id='LP1' >  <img src='assets/img/FD.bmp'   alt=''></TD>");
    EXPECT_EQ(righe[7 + 13 + 4], "<td id='LL1' onmouseup=\"javascript:posizioneTD(this)\"></td>");
}

TEST(Frammento, OgniChiamataRicominciaINumeri) {
    test::FinestreRegistrate f;
    Banco b = CaricaFixture("web/tre_segni.txt", f);
    Generahtml_Click(b);
    const std::string primo = b.web.Frammento;
    Generahtml_Click(b);
    EXPECT_EQ(b.web.Frammento, primo);
    EXPECT_NE(primo.find("<td id='LL0' >  1</TD>"), std::string::npos);
    EXPECT_EQ(primo.find("LL9"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
