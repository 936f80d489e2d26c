// A step's lines and colours come from its record alone: whatever the technique, the lines after
// its opening sentences are one "Elimino" per group of digits it struck, in order, and the cells
// it colours are the record's cells.
#include <gtest/gtest.h>

#include <set>

#include "files/caricamento.h"
#include "model/casuale.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

using Celle = std::set<std::pair<int, int>>;

// Keeps the colours of the step in progress.
class Colori final : public Spettatore {
public:
    void Colora(int r, int c, long colore) override {
        (colore == ColoreVerde ? verdi : colore == ColoreGiallo ? gialle : rosse).insert({r, c});
    }
    bool DopoIlPasso(LogSoluzione&) override {
        ultimi[0] = verdi, ultimi[1] = gialle, ultimi[2] = rosse;
        verdi.clear(), gialle.clear(), rosse.clear();
        return true;
    }
    Celle verdi, gialle, rosse;
    std::array<Celle, 3> ultimi;
};

// Checks every step against its record as the solve reports it.
class Confronto final : public Resoconto {
public:
    explicit Confronto(const Colori& colori) : colori_(colori) {}
    bool PassoEseguito(const Passo& p, const EffettoPasso& e,
                       const std::vector<std::string>& righe) override {
        ++passi;
        codici.insert(p.Codice);
        const size_t aperte = p.Codice == "CS" ? 2 : 1;
        EXPECT_EQ(righe.size(), aperte + e.Tolte.size()) << p.Codice;
        for (size_t k = 0; k < e.Tolte.size() && aperte + k < righe.size(); ++k) {
            const Tolta& x = e.Tolte[k];
            std::string cifre;
            for (int d = 1; d <= 9; ++d)
                if (x.Cifre >> (d - 1) & 1) cifre += static_cast<char>('0' + d);
            EXPECT_EQ(righe[aperte + k],
                      "Elimino " + cifre + " da R" + std::to_string(x.Riga) + "C" + std::to_string(x.Colonna))
                << p.Codice;
        }
        const bool posa =
            p.Codice == "I" || p.Codice == "T" || p.Codice == "U" || p.Codice == "R" || p.Codice == "C";
        EXPECT_EQ(e.Posa, posa) << p.Codice;
        EXPECT_EQ(e.Contraddizione, p.Codice == "E1" || p.Codice == "ER" || p.Codice == "EC") << p.Codice;
        atteso_ = {};
        if (e.Posa) atteso_[0].insert({p.Riga, p.Colonna});
        for (const CellaRC& m : e.Motivo) atteso_[0].insert({m.Riga, m.Colonna});
        for (const Tolta& x : e.Tolte) atteso_[1].insert({x.Riga, x.Colonna});
        if (e.Contraddizione) atteso_[2].insert({p.Riga, p.Colonna});
        EXPECT_EQ(colori_.verdi, atteso_[0]) << p.Codice;
        EXPECT_EQ(colori_.gialle, atteso_[1]) << p.Codice;
        EXPECT_EQ(colori_.rosse, atteso_[2]) << p.Codice;
        return true;
    }
    void Riga(const std::string&) override {}
    int passi = 0;
    std::set<std::string> codici;

private:
    const Colori& colori_;
    std::array<Celle, 3> atteso_;
};

struct Caso {
    const char* file;
    int tecniche;
    std::vector<std::string> codici;  // steps the solve takes among others
};

class FrasiDalRecord : public ::testing::TestWithParam<Caso> {};

TEST_P(FrasiDalRecord, OgniPassoScriveEColoraIlSuoRecord) {
    RiportaCasualeAllInizio();
    auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/" + GetParam().file);
    ASSERT_TRUE(letto.has_value());
    Schema s = letto->schema;
    Risolutore ris;
    LogSoluzione log;
    Colori colori;
    Confronto confronto(colori);
    ris.resoconto = &confronto;
    Risoluzione r{s, ris, log, GetParam().tecniche, colori};
    RisolviSchema(r);
    EXPECT_TRUE(ris.Risolto);
    EXPECT_GT(confronto.passi, 20);
    for (const std::string& c : GetParam().codici) EXPECT_TRUE(confronto.codici.count(c)) << c;
}

// Between them: givens, every single, signs, subsets, Swordfish, the master tier's steps, trials
// and their contradictions.
INSTANTIATE_TEST_SUITE_P(Schemi, FrasiDalRecord,
                         ::testing::Values(Caso{"bench/schemi/9k_1.txt",
                                                3,
                                                {"I", "U", "R", "C", "MAG", "MIN", "MR", "MC", "SR", "T",
                                                 "E1", "ER"}},
                                           Caso{"bench/unequal/9x_1.txt", 7, {"CF", "NR", "SC"}},
                                           Caso{"bench/unequal/6r_1.txt", 7, {"CS"}},
                                           Caso{"bench/unequal/9r_4.txt", 7, {"EC", "NC"}}),
                         [](const auto& info) { return "caso" + std::to_string(info.index); });

}  // namespace
}  // namespace kelvaro
