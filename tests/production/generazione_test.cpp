// The generation step: every schema it saves has one solution, the step solver solves it without a
// trial, its name carries the level the step solver counts, and the settings do what they say.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/casuale.h"
#include "production/genera_banco.h"
#include "production/logica.h"
#include "solver/risolvi.h"
#include "supporto/finestre_finte.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Impostazione {
    int n = 5;
    int celle = 2;
    int profondita = 10;
    int max1 = 2;
    int max2 = 2;
    int soglia = 11;
    int tecniche = 3;
    bool tutti = false;  // OutputSchema
};

// A workbench whose current rule writes into <tmp>/out, with the settings given.
struct Officina {
    test::CartellaTemporanea tmp;
    test::FinestreFinte f;
    Banco b;
    int secondi = 0;

    explicit Officina(const Impostazione& i) {
        b.ImpostaFinestre(&f);
        b.CartellaProgramma = tmp.percorso().string();
        b.conf.NumRegole = 1;
        b.conf.Regole[1].DIR = "out";
        b.conf.RegolaCorrente = 1;
        // A new second for every name, so that the files come out in the order they were made.
        b.Orologio = [this] {
            std::tm t{};
            t.tm_year = 109;
            t.tm_mon = 0;
            t.tm_mday = 8;
            t.tm_hour = 10 + secondi / 3600;
            t.tm_min = secondi / 60 % 60;
            t.tm_sec = secondi % 60;
            ++secondi;
            return t;
        };
        Imposta(i);
    }
    void Imposta(const Impostazione& i) {
        b.schema.Sizesc = i.n;
        b.imp.CelleIniziali = i.celle;
        b.imp.MaxCercaVincoli = i.profondita;
        b.imp.MaxCiclo1 = i.max1;
        b.imp.MaxCiclo2 = i.max2;
        b.imp.Soglia = i.soglia;
        b.imp.AttivaMultipli = i.tecniche;
        b.imp.OutputSchema = i.tutti;
    }
    // The files written, in the order of their names (the order they were made).
    std::vector<fs::path> File() const {
        std::vector<fs::path> out;
        const fs::path dir = tmp.percorso() / "out";
        if (fs::exists(dir))
            for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path());
        std::sort(out.begin(), out.end(), [](const fs::path& a, const fs::path& b) {
            return a.filename().string().substr(8) < b.filename().string().substr(8);
        });
        return out;
    }
};

// Everything a saved schema must be. Returns the level digits of its name.
void ControllaSchemaSalvato(const fs::path& file, int n, int tecniche) {
    SCOPED_TRACE(file.string());
    const auto letto = LeggiSchemaFile(file.string());
    ASSERT_TRUE(letto.has_value());
    const Schema& s = letto->schema;
    EXPECT_EQ(s.Sizesc, n);
    EXPECT_EQ(letto->CheckLetto, CreaPwd(s.tblSoluzione, n));
    EXPECT_EQ(ContaSoluzioni(s, 2), 1);
    // The solution satisfies the givens and every sign.
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (s.tblSchema[r][c] != "0") {
                EXPECT_EQ(s.tblSchema[r][c], s.tblSoluzione[r][c]);
            }
    for (const std::string& v : s.Vincoli)
        EXPECT_GT(s.tblSoluzione[v[0] - '0'][v[1] - '0'], s.tblSoluzione[v[2] - '0'][v[3] - '0']) << v;

    Banco b;
    b.schema = s;
    b.imp.AttivaMultipli = tecniche;
    b.ris.MaxLivello = 99;
    b.ris.MostraLog = false;
    RisolviSchema(b);
    EXPECT_TRUE(b.ris.Risolto);
    for (int k = 1; k <= b.ris.NumPassi; ++k) EXPECT_NE(b.ris.Passi[k].Codice, "T") << "passo " << k;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) EXPECT_EQ(b.schema.tblRisolto[r][c], s.tblSoluzione[r][c]);
    // The name: size "_" level "S" "M" "_" ...
    const int sw = b.ris.NumSwordfish, mu = b.ris.NumMultipli;
    char livello[16];
    std::snprintf(livello, sizeof livello, "%d_%02d%d%d_", n, 2 * sw + mu, sw, mu);
    EXPECT_EQ(file.filename().string().rfind(livello, 0), 0u);
}

TEST(Generazione, OgniDimensioneDa4A9DaSchemiUniciRisoltiSenzaTentativi) {
    RiportaCasualeAllInizio();
    for (int n = 4; n <= 9; ++n)
        for (int tecniche : {0, 3}) {
            Officina o({.n = n, .tecniche = tecniche});
            for (int k = 0; k < 3; ++k) {
                DoGeneraAutoF1(o.b);
                EXPECT_TRUE(o.b.file.Salvato);
            }
            const auto file = o.File();
            ASSERT_EQ(file.size(), 3u) << n;
            for (const auto& p : file) ControllaSchemaSalvato(p, n, tecniche);
            EXPECT_TRUE(o.f.messaggi.empty());
        }
}

TEST(Generazione, LeTecnicheAvanzateVengonoRichieste) {
    // Over a batch with both techniques on, most schemas need them and some need Swordfish.
    RiportaCasualeAllInizio();
    for (int n : {7, 9}) {
        Officina o({.n = n, .tecniche = 3});
        const int numero = 24;
        for (int k = 0; k < numero; ++k) DoGeneraAutoF1(o.b);
        int avanzati = 0, swordfish = 0;
        for (const auto& p : o.File()) {
            const std::string nome = p.filename().string();
            avanzati += nome.substr(2, 2) != "00";
            swordfish += nome[4] != '0';
        }
        EXPECT_GT(avanzati, numero / 2) << n;
        EXPECT_GT(swordfish, 0) << n;
    }
}

TEST(Generazione, SenzaTecnicheAvanzateIlLivelloEZero) {
    RiportaCasualeAllInizio();
    for (int tecniche : {0, 1, 2}) {
        Officina o({.n = 7, .tecniche = tecniche});
        for (int k = 0; k < 6; ++k) DoGeneraAutoF1(o.b);
        for (const auto& p : o.File()) {
            const std::string nome = p.filename().string();
            if (!(tecniche & 2)) {
                EXPECT_EQ(nome[4], '0') << nome;  // no Swordfish step
            }
            if (!(tecniche & 1)) {
                EXPECT_EQ(nome[5], '0') << nome;  // no subset step
            }
            ControllaSchemaSalvato(p, 7, tecniche);
        }
    }
}

std::vector<std::string> Contenuti(const Officina& o) {
    std::vector<std::string> out;
    for (const auto& p : o.File()) out.push_back(test::LeggiFile(p));
    return out;
}

TEST(Generazione, StesseImpostazioniStessiSchemi) {
    std::vector<std::string> prima, dopo;
    for (auto* uscita : {&prima, &dopo}) {
        RiportaCasualeAllInizio();
        Officina o({.n = 6});
        for (int k = 0; k < 4; ++k) DoGeneraAutoF1(o.b);
        *uscita = Contenuti(o);
    }
    ASSERT_EQ(prima.size(), 4u);
    EXPECT_EQ(prima, dopo);
    // and the four are different schemas
    EXPECT_EQ(std::set<std::string>(prima.begin(), prima.end()).size(), 4u);
}

TEST(Generazione, CelleInizialiSonoIDatiDiPartenza) {
    RiportaCasualeAllInizio();
    for (int celle : {0, 2, 6, 30}) {
        Officina o({.n = 5, .celle = celle});
        for (int k = 0; k < 3; ++k) DoGeneraAutoF1(o.b);
        for (const auto& p : o.File()) {
            const auto letto = LeggiSchemaFile(p.string());
            ASSERT_TRUE(letto.has_value());
            // the givens drawn stay; a grid the signs leave open gets a few more
            EXPECT_GE(ContaCelleProblema(letto->schema), std::min(celle, 25)) << p;
        }
    }
}

TEST(Generazione, ConAnalisiCompletaOgniSegnoRimastoServe) {
    // A removal pass that never gives up tries every sign once: each sign left must be one the
    // schema cannot do without, by the same check, and the schema itself must pass it.
    for (const int tecniche : {0, 3})
        for (int n = 4; n <= 7; ++n) {
            RiportaCasualeAllInizio();
            Officina o({.n = n, .profondita = 255, .max1 = 0, .max2 = 0, .tecniche = tecniche});
            for (int k = 0; k < 3; ++k) DoGeneraAutoF1(o.b);
            for (const fs::path& file : o.File()) {
                SCOPED_TRACE(file.string());
                const auto letto = LeggiSchemaFile(file.string());
                ASSERT_TRUE(letto.has_value());
                const auto bit = SchemaBitDa(letto->schema);
                ASSERT_TRUE(bit.has_value());
                ASSERT_EQ(RisolviLogica(bit->schema, tecniche).esito, EsitoLogica::Risolto);
                const auto coppie = CoppieSegni(bit->schema);
                EXPECT_FALSE(coppie.empty());
                for (const auto& [magg, min] : coppie) {
                    SchemaBit senza = bit->schema;
                    ImpostaSegno(senza, SegnoGrid{magg, min}, false);
                    EXPECT_NE(RisolviLogica(senza, tecniche).esito, EsitoLogica::Risolto)
                        << int{magg} << " > " << int{min};
                }
            }
        }
}

TEST(Generazione, UnaAnalisiPiuProfondaLasciaMenoSegni) {
    // One cycle per schema, so that only the depth differs.
    auto segni = [](int profondita) {
        RiportaCasualeAllInizio();
        Officina o({.n = 7, .profondita = profondita, .max1 = 0, .max2 = 0, .tecniche = 0});
        int totale = 0;
        for (int k = 0; k < 8; ++k) {
            DoGeneraAutoF1(o.b);
            totale += o.b.schema.NumVincoli();
        }
        return totale;
    };
    const int superficiale = segni(1), media = segni(5), profonda = segni(40);
    EXPECT_GT(superficiale, media);
    EXPECT_GE(media, profonda);
}

TEST(Generazione, SalvaTuttiGliSchemiUnoPerCiclo) {
    RiportaCasualeAllInizio();
    // MaxCiclo1 1 and MaxCiclo2 2 with a threshold that never stops: two primary cycles, each
    // followed by one secondary cycle.
    Officina o({.n = 5, .max1 = 1, .max2 = 2, .soglia = 0, .tutti = true});
    DoGeneraAutoF1(o.b);
    const auto file = o.File();
    EXPECT_EQ(file.size(), 4u);
    for (const auto& p : file) ControllaSchemaSalvato(p, 5, 3);
    EXPECT_EQ(o.b.cicli.ContaCiclo1, 2);
    EXPECT_EQ(o.b.cicli.ContaCiclo2, 2);

    // Without OutputSchema the same cycles give one file.
    RiportaCasualeAllInizio();
    Officina uno({.n = 5, .max1 = 1, .max2 = 2, .soglia = 0});
    DoGeneraAutoF1(uno.b);
    EXPECT_EQ(uno.File().size(), 1u);
}

TEST(Generazione, LaSogliaFermaICicli) {
    RiportaCasualeAllInizio();
    // Every 4 x 4 keeps fewer than 24 signs: with Soglia 24 the first cycle is the last.
    Officina o({.n = 4, .max1 = 5, .max2 = 5, .soglia = 24, .tutti = true});
    DoGeneraAutoF1(o.b);
    EXPECT_EQ(o.File().size(), 1u);
    EXPECT_EQ(o.b.cicli.ContaCiclo1, 0);
    EXPECT_EQ(o.b.cicli.ContaCiclo2, 0);
    EXPECT_LE(o.b.cicli.MisuraCiclo, 24);
}

TEST(Generazione, IContatoriNonPassano255) {
    RiportaCasualeAllInizio();
    Officina o({.n = 5, .celle = 0, .max1 = 255, .max2 = 0, .soglia = 0});
    DoGeneraAutoF1(o.b);
    EXPECT_EQ(o.b.cicli.ContaCiclo1, 255);
    EXPECT_EQ(o.File().size(), 1u);
    // the next schema starts its cycles from zero again
    DoGeneraAutoF1(o.b);
    EXPECT_EQ(o.b.cicli.ContaCiclo1, 255);
    EXPECT_EQ(o.File().size(), 2u);
}

TEST(Generazione, GenContTornaComePrima) {
    RiportaCasualeAllInizio();
    Officina o({.n = 4});
    o.b.imp.GenCont = false;
    DoGeneraAutoF1(o.b);
    EXPECT_FALSE(o.b.imp.GenCont);
    EXPECT_TRUE(o.f.messaggi.empty());  // no "ripeti" question while generating
    EXPECT_EQ(o.File().size(), 1u);
}

TEST(Generazione, DimensioniNonGenerabili) {
    for (int n : {0, 1, 10, 255}) {
        Officina o({.n = n});
        DoGeneraAutoF1(o.b);
        EXPECT_FALSE(o.b.file.Salvato);
        EXPECT_TRUE(o.File().empty());
        ASSERT_EQ(o.f.messaggi.size(), 1u);
        EXPECT_NE(o.f.messaggi[0].find(std::to_string(n)), std::string::npos) << o.f.messaggi[0];
    }
}

// The step on plain values: what it hands over is what the workbench's step saves, and a taker
// that refuses a schema ends the step there.
TEST(GeneraSchema, SenzaBancoGliStessiSchemiEIlRifiutoFerma) {
    RiportaCasualeAllInizio();
    Officina o({.n = 5, .max1 = 1, .max2 = 2, .soglia = 0, .tutti = true});
    DoGeneraAutoF1(o.b);
    std::vector<std::string> salvati;  // in the order they were made
    for (const auto& p : o.File()) salvati.push_back(TestoFileSchema(LeggiSchemaFile(p.string())->schema));
    ASSERT_EQ(salvati.size(), 4u);

    RiportaCasualeAllInizio();
    Impostazioni imp = o.b.imp;
    Risolutore ris;
    std::vector<std::string> dati;
    const EsitoGenerazione e = GeneraSchema(imp, 5, ris, nullptr, [&](const Schema& s, const Risolutore& r) {
        EXPECT_EQ(ContaSoluzioni(s, 2), 1);
        EXPECT_TRUE(r.Risolto);
        EXPECT_EQ(r.NumProve, 0);
        dati.push_back(TestoFileSchema(s));
        return true;
    });
    EXPECT_TRUE(e.Preso);
    EXPECT_FALSE(e.Fermato);
    EXPECT_EQ(dati, salvati);
    EXPECT_EQ(e.cicli.ContaCiclo1, 2);

    int chiamate = 0;
    const EsitoGenerazione rifiuto =
        GeneraSchema(imp, 5, ris, nullptr, [&](const Schema&, const Risolutore&) {
            ++chiamate;
            return false;
        });
    EXPECT_EQ(chiamate, 1);
    EXPECT_TRUE(rifiuto.Fermato);
    EXPECT_FALSE(rifiuto.Preso);

    int nessuna = 0;
    EXPECT_TRUE(GeneraSchema(imp, 10, ris, nullptr, [&](const Schema&, const Risolutore&) {
                    ++nessuna;
                    return true;
                }).DimensioneNonValida);
    EXPECT_EQ(nessuna, 0);
}

TEST(Generazione, DueSchemiNelloStessoSecondoNonSiSovrascrivono) {
    RiportaCasualeAllInizio();
    Officina o({.n = 4, .tecniche = 0});
    o.b.Orologio = [] {
        std::tm t{};
        t.tm_year = 109;
        t.tm_mday = 1;
        return t;
    };
    for (int k = 0; k < 3; ++k) DoGeneraAutoF1(o.b);
    const auto file = o.File();
    ASSERT_EQ(file.size(), 3u);
    std::set<std::string> nomi;
    for (const auto& p : file) nomi.insert(p.filename().string());
    EXPECT_TRUE(nomi.count("4_0000_090101000000.TXT"));
    EXPECT_TRUE(nomi.count("4_0000_090101000000_2.TXT"));
    EXPECT_TRUE(nomi.count("4_0000_090101000000_3.TXT"));
}

TEST(GrigliaCasuale, QuadratiLatini) {
    RiportaCasualeAllInizio();
    for (int n = 1; n <= 9; ++n) {
        const auto g = GrigliaCasuale(n);
        for (int a = 0; a < n; ++a) {
            unsigned riga = 0, colonna = 0;
            for (int k = 0; k < n; ++k) {
                riga |= 1u << g[a * n + k];
                colonna |= 1u << g[k * n + a];
            }
            EXPECT_EQ(riga, ((1u << n) - 1) << 1) << n;
            EXPECT_EQ(colonna, ((1u << n) - 1) << 1) << n;
        }
    }
}

}  // namespace
}  // namespace kelvaro
