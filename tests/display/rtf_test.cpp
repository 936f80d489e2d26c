#include "display/rtf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace kelvaro {
namespace {

// --- text: what the reader shows, paragraphs separated by '\n' ---------------------------------

struct CasoTesto {
    const char* nome;
    std::string rtf;
    std::string atteso;
};

class TestoRtf : public ::testing::TestWithParam<CasoTesto> {};

TEST_P(TestoRtf, TestoMostrato) {
    EXPECT_EQ(TestoSemplice(LeggiRtf(GetParam().rtf)), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, TestoRtf,
    ::testing::Values(
        CasoTesto{"semplice", "{\\rtf1\\ansi Ciao mondo}", "Ciao mondo"},
        CasoTesto{"paragrafi", "{\\rtf1 Uno\\par Due\\par}", "Uno\nDue"},
        CasoTesto{"paragrafoVuoto", "{\\rtf1 Uno\\par\\par Tre}", "Uno\n\nTre"},
        CasoTesto{"lineaETab", "{\\rtf1 a\\line b\\tab c}", "a\nb\tc"},
        CasoTesto{"accentiCp1252", "{\\rtf1\\ansi\\ansicpg1252 citt\\'e0 perch\\'e9 \\'c8 pi\\'f9}",
                  "città perché È più"},
        CasoTesto{"euroEVirgolette", "{\\rtf1 \\'80 \\'93x\\'94 \\'85}", "€ “x” …"},
        CasoTesto{"esadecimaleMaiuscolo", "{\\rtf1 \\'E8}", "è"},
        CasoTesto{"esadecimaleTroncato", "{\\rtf1 a\\'e}", "ae"},
        CasoTesto{"unicodeConRipiego", "{\\rtf1 \\u8364?X}", "€X"},
        CasoTesto{"unicodeRipiegoEsadecimale", "{\\rtf1 \\u232\\'e8 fine}", "è fine"},
        CasoTesto{"unicodeNegativo", "{\\rtf1 \\u-3913?}", "\xEF\x82\xB7"},  // U+F0B7
        CasoTesto{"ucZero", "{\\rtf1\\uc0 \\u233 x}", "éx"},
        CasoTesto{"ucDue", "{\\rtf1\\uc2 \\u233 ab c}", "é c"},
        CasoTesto{"ripiegoFinisceColGruppo", "{\\rtf1\\uc3 {\\u233 a}b}", "éb"},
        CasoTesto{"surrogati", "{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80"},  // U+1F600
        CasoTesto{"surrogatoSolo", "{\\rtf1 \\u-10179?z}", "\xEF\xBF\xBDz"},
        CasoTesto{"escape", "{\\rtf1 a\\\\b \\{c\\}}", "a\\b {c}"},
        CasoTesto{"tabellaFontSaltata", "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}Testo}", "Testo"},
        CasoTesto{"tabellaColoriSaltata", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}X}", "X"},
        CasoTesto{"destinazioneStella", "{\\rtf1{\\*\\generator Qualcosa;}{\\*\\sconosciuta ab{c}d}Y}", "Y"},
        CasoTesto{"infoSaltata", "{\\rtf1{\\info{\\title Titolo}}Corpo}", "Corpo"},
        CasoTesto{"campoMostraRisultato",
                  "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Collegamento}}}", "Collegamento"},
        CasoTesto{"parolaSconosciuta", "{\\rtf1 a\\zzz12 b}", "ab"},
        CasoTesto{"spazioDelimitatore", "{\\rtf1\\b grassetto\\b0  normale}", "grassetto normale"},
        CasoTesto{"simboli", "{\\rtf1 \\bullet\\~\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}",
                  "•\xC2\xA0—–‘’“”"},
        CasoTesto{"trattinoFacoltativo", "{\\rtf1 ca\\-sa}", "casa"},
        CasoTesto{"acapoDelFileIgnorati", "{\\rtf1 a\r\nb\nc}", "abc"},
        CasoTesto{"barraPrimaDiAcapo", "{\\rtf1 a\\\nb}", "a\nb"},
        CasoTesto{"binSaltato", "{\\rtf1 a\\bin3 {}\\}b", "ab"},
        CasoTesto{"nascosto", "{\\rtf1 a{\\v segreto}b}", "ab"},
        CasoTesto{"graffeChiuseInPiu", "{\\rtf1 a}}}b", "ab"}, CasoTesto{"nonChiuso", "{\\rtf1 {\\b a", "a"},
        CasoTesto{"vuoto", "", ""}, CasoTesto{"testoNonRtf", "solo testo", "solo testo"},
        CasoTesto{"barraFinale", "{\\rtf1 a\\", "a"}),
    [](const ::testing::TestParamInfo<CasoTesto>& info) { return std::string(info.param.nome); });

// --- styles ------------------------------------------------------------------------------------

TEST(StiliRtf, GrassettoCorsivoSottolineatoEDimensioni) {
    const DocumentoRtf doc =
        LeggiRtf("{\\rtf1\\ansi\\fs20 n{\\b g{\\i gc}}{\\ul s\\ulnone x}\\fs32 G\\i c\\i0 d\\plain p}");
    ASSERT_EQ(doc.Paragrafi.size(), 1u);
    const auto& s = doc.Paragrafi[0].Segmenti;
    struct Atteso {
        std::string testo;
        bool b, i, ul;
        int mezzi;
    };
    const std::vector<Atteso> attesi = {
        {"n", false, false, false, 20}, {"g", true, false, false, 20},  {"gc", true, true, false, 20},
        {"s", false, false, true, 20},  {"x", false, false, false, 20}, {"G", false, false, false, 32},
        {"c", false, true, false, 32},  {"d", false, false, false, 32}, {"p", false, false, false, 24}};
    ASSERT_EQ(s.size(), attesi.size());
    for (size_t k = 0; k < attesi.size(); ++k) {
        SCOPED_TRACE(attesi[k].testo);
        EXPECT_EQ(s[k].Testo, attesi[k].testo);
        EXPECT_EQ(s[k].Stile.Grassetto, attesi[k].b);
        EXPECT_EQ(s[k].Stile.Corsivo, attesi[k].i);
        EXPECT_EQ(s[k].Stile.Sottolineato, attesi[k].ul);
        EXPECT_EQ(s[k].Stile.MezziPunti, attesi[k].mezzi);
    }
}

TEST(StiliRtf, LoStessoStileSiUnisceInUnSegmento) {
    const DocumentoRtf doc = LeggiRtf("{\\rtf1 {\\b uno }{\\b due}}");
    ASSERT_EQ(doc.Paragrafi.size(), 1u);
    ASSERT_EQ(doc.Paragrafi[0].Segmenti.size(), 1u);
    EXPECT_EQ(doc.Paragrafi[0].Segmenti[0].Testo, "uno due");
}

TEST(StiliRtf, FontFissoDallaTabella) {
    const DocumentoRtf doc = LeggiRtf(
        "{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}{\\f2 DejaVu Sans Mono;}}"
        "a\\f1 b\\f2 c\\f0 d{\\f1 e}f}");
    ASSERT_EQ(doc.Paragrafi.size(), 1u);
    const auto& s = doc.Paragrafi[0].Segmenti;
    ASSERT_EQ(s.size(), 5u);
    const std::vector<std::pair<std::string, bool>> attesi = {
        {"a", false}, {"bc", true}, {"d", false}, {"e", true}, {"f", false}};
    for (size_t k = 0; k < attesi.size(); ++k) {
        EXPECT_EQ(s[k].Testo, attesi[k].first);
        EXPECT_EQ(s[k].Stile.Fisso, attesi[k].second) << s[k].Testo;
    }
}

TEST(StiliRtf, ProprietaDelParagrafo) {
    const DocumentoRtf doc = LeggiRtf(
        "{\\rtf1\\pard\\qc\\sb120\\sa60 Titolo\\par\\pard\\li360\\fi-240 voce\\par\\pard\\qj testo}");
    ASSERT_EQ(doc.Paragrafi.size(), 3u);
    EXPECT_EQ(doc.Paragrafi[0].Allineamento, AllineamentoRtf::Centro);
    EXPECT_EQ(doc.Paragrafi[0].SpazioPrima, 120);
    EXPECT_EQ(doc.Paragrafi[0].SpazioDopo, 60);
    EXPECT_EQ(doc.Paragrafi[1].Allineamento, AllineamentoRtf::Sinistra);
    EXPECT_EQ(doc.Paragrafi[1].RientroSinistro, 360);
    EXPECT_EQ(doc.Paragrafi[1].RientroPrimaRiga, -240);
    EXPECT_EQ(doc.Paragrafi[2].Allineamento, AllineamentoRtf::Giustificato);
    EXPECT_EQ(doc.Paragrafi[2].RientroSinistro, 0);
}

TEST(StiliRtf, DimensioneFuoriMisuraLimitata) {
    const DocumentoRtf doc = LeggiRtf("{\\rtf1\\fs99999999999999999999 a\\fs0 b\\fs-4 c}");
    ASSERT_EQ(doc.Paragrafi.size(), 1u);
    const auto& s = doc.Paragrafi[0].Segmenti;
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Stile.MezziPunti, 400);
    EXPECT_EQ(s[1].Testo, "bc");
    EXPECT_EQ(s[1].Stile.MezziPunti, 24);
}

TEST(IntestazioneRtf, RiconosciutaSoloAllInizio) {
    EXPECT_TRUE(LeggiRtf("{\\rtf1 a}").IntestazioneRtf);
    EXPECT_TRUE(LeggiRtf("\r\n {\\rtf1 a}").IntestazioneRtf);
    EXPECT_FALSE(LeggiRtf("ciao {\\rtf1 a}").IntestazioneRtf);
    EXPECT_FALSE(LeggiRtf("").IntestazioneRtf);
}

// --- hostile input: it must end, without crashing, on anything ---------------------------------

TEST(RobustezzaRtf, AnnidamentoProfondo) {
    std::string rtf = "{\\rtf1 ";
    rtf += std::string(200000, '{');
    rtf += "\\b profondo";
    rtf += std::string(200000, '}');
    rtf += " fuori}";
    const DocumentoRtf doc = LeggiRtf(rtf);
    EXPECT_EQ(TestoSemplice(doc), "profondo fuori");
    ASSERT_EQ(doc.Paragrafi[0].Segmenti.size(), 2u);
    EXPECT_FALSE(doc.Paragrafi[0].Segmenti[1].Stile.Grassetto);
}

TEST(RobustezzaRtf, ParametriEnormiEBinTroppoLungo) {
    EXPECT_EQ(TestoSemplice(LeggiRtf("{\\rtf1 a\\bin99999999999999999999999 xyz")), "a");
    EXPECT_EQ(TestoSemplice(LeggiRtf("{\\rtf1 \\u99999999999999999 q\\uc99999999 \\u65 zz}")), "A");
    EXPECT_EQ(TestoSemplice(LeggiRtf("{\\rtf1 \\" + std::string(10000, 'x') + " a}")), "a");
}

TEST(RobustezzaRtf, ByteCasualiNonFannoDanni) {
    std::mt19937 gen(12345);
    const std::string alfabeto = "{}\\'*abufsinpl0123456789- \r\n\xe8\x80\x00";
    for (int prova = 0; prova < 3000; ++prova) {
        std::uniform_int_distribution<int> lunghezza(0, 400);
        std::string rtf = "{\\rtf1 ";
        const int n = lunghezza(gen);
        for (int k = 0; k < n; ++k) {
            if (gen() % 4 == 0)
                rtf += static_cast<char>(gen() % 256);
            else
                rtf += alfabeto[gen() % alfabeto.size()];
        }
        const DocumentoRtf doc = LeggiRtf(rtf);
        // Whatever came in, what comes out is valid UTF-8.
        const std::string t = TestoSemplice(doc);
        for (size_t k = 0; k < t.size();) {
            const unsigned char c = static_cast<unsigned char>(t[k]);
            const size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
            ASSERT_NE(len, 0u) << "byte non valido in posizione " << k;
            ASSERT_LE(k + len, t.size());
            k += len;
        }
    }
}

// --- the shipped guide -------------------------------------------------------------------------

TEST(GuidaKelvaro, SiLeggeEDescriveIComandi) {
    std::ifstream f(std::filesystem::path(KELVARO_SORGENTI) / "resources" / "Kelvaro.rtf", std::ios::binary);
    ASSERT_TRUE(f) << "resources/Kelvaro.rtf mancante";
    std::stringstream ss;
    ss << f.rdbuf();
    const std::string rtf = ss.str();
    // Plain 7-bit file: every accented letter is an escape of the code page.
    for (unsigned char c : rtf) ASSERT_LT(c, 0x80);
    const DocumentoRtf doc = LeggiRtf(rtf);
    EXPECT_TRUE(doc.IntestazioneRtf);
    const std::string t = TestoSemplice(doc);
    for (const char* atteso : {"Apri ",         "Log sequenza soluzione",
                               "Ricomincia",    "Annulla ultima mossa",
                               "Stampa schema", "Esci",
                               "Continua log",  "Aggiorna situazione",
                               "Interompi log", "Livelli e dimensioni",
                               "FILESCHEMA=",   "FILEINDICE=",
                               "<REGOLA>",      "/HTML",
                               "/prod",         "Esc",
                               "kelvaro-cli",   "CHECK",
                               "più",           "è"})
        EXPECT_NE(t.find(atteso), std::string::npos) << atteso;
    bool grassetto = false, corsivo = false, grande = false;
    for (const auto& p : doc.Paragrafi)
        for (const auto& s : p.Segmenti) {
            grassetto |= s.Stile.Grassetto;
            corsivo |= s.Stile.Corsivo;
            grande |= s.Stile.MezziPunti >= 28;
        }
    EXPECT_TRUE(grassetto);
    EXPECT_TRUE(corsivo);
    EXPECT_TRUE(grande);
}

}  // namespace
}  // namespace kelvaro
