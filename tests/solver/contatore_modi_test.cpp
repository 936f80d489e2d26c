// The counter's two ways of propagating must agree: same count, same solution when it is the
// only one. Checked on every schema of the repository and on random partial schemas, against a
// plain enumeration where the grid is small enough.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "files/caricamento.h"
#include "solver/aiuto.h"
#include "solver/contatore.h"

namespace kelvaro {
namespace {

constexpr ModoConteggio Modi[] = {ModoConteggio::Semplice, ModoConteggio::Intervalli};

struct Esito {
    int conta;
    std::array<uint8_t, CelleMax> soluzione;
};

Esito Conta(const SchemaBit& s, int limite, ModoConteggio modo) {
    Esito e{0, {}};
    e.conta = ContaSoluzioni(s, limite, modo, &e.soluzione);
    return e;
}

// Hall intervals against singles and signs only; the solution is compared when it is the only one.
void StessiEsiti(const SchemaBit& s, int limite, const std::string& nome) {
    const Esito base = Conta(s, limite, ModoConteggio::Semplice);
    for (const ModoConteggio modo : Modi) {
        const Esito e = Conta(s, limite, modo);
        ASSERT_EQ(e.conta, base.conta) << nome << " modo " << static_cast<int>(modo);
        if (e.conta == 1) {
            for (int i = 0; i < s.n * s.n; ++i)
                ASSERT_EQ(e.soluzione[i], base.soluzione[i]) << nome << " cella " << i;
        }
    }
}

// Plain enumeration, row by row: each cell is checked against its row, its column and the signs
// towards cells already filled.
struct Enumerazione {
    const SchemaBit& s;
    std::vector<std::array<uint8_t, 2>> coppie = CoppieSegni(s);
    std::array<uint8_t, CelleMax> griglia{};
    std::array<uint8_t, CelleMax> prima{};
    int trovate = 0;
    int limite = 30;

    bool Va(int i, int v) const {
        const int n = s.n, r = i / n, c = i % n;
        if (s.dato[i] && s.dato[i] != v) return false;
        for (int k = 0; k < c; ++k)
            if (griglia[r * n + k] == v) return false;
        for (int k = 0; k < r; ++k)
            if (griglia[k * n + c] == v) return false;
        for (const auto& [g, p] : coppie) {
            if (g == i && p < i && v <= griglia[p]) return false;
            if (p == i && g < i && griglia[g] <= v) return false;
        }
        return true;
    }
    void Riempi(int i) {
        if (trovate >= limite) return;
        if (i == s.n * s.n) {
            if (trovate++ == 0) prima = griglia;
            return;
        }
        for (int v = 1; v <= s.n; ++v)
            if (Va(i, v)) {
                griglia[i] = static_cast<uint8_t>(v);
                Riempi(i + 1);
                griglia[i] = 0;
            }
    }
};

TEST(ContatoreModi, SchemiDelProgettoStessiConteggiEStesseSoluzioni) {
    const auto schemi =
        test::FileSchemi({"/bench/schemi", "/bench/unequal", "/bench/difficili", "/bench/lunghi"});
    ASSERT_GE(schemi.size(), 70u);
    for (const std::string& percorso : schemi) {
        const auto letto = LeggiSchemaFile(percorso);
        ASSERT_TRUE(letto.has_value()) << percorso;
        const auto bit = SchemaBitDa(letto->schema);
        ASSERT_TRUE(bit && bit->DatiValidi) << percorso;
        StessiEsiti(bit->schema, 2, percorso);
        // Without its givens a schema has many solutions: the counts must still stop alike.
        SchemaBit senza = bit->schema;
        senza.dato.fill(0);
        StessiEsiti(senza, 40, percorso + " senza dati");
    }
}

// A random Latin square of order n, by shuffling rows, columns and digits of the cyclic one.
std::array<uint8_t, CelleMax> QuadratoACaso(int n, std::mt19937& g) {
    std::vector<int> righe(n), colonne(n), cifre(n);
    for (int k = 0; k < n; ++k) righe[k] = colonne[k] = cifre[k] = k;
    std::shuffle(righe.begin(), righe.end(), g);
    std::shuffle(colonne.begin(), colonne.end(), g);
    std::shuffle(cifre.begin(), cifre.end(), g);
    std::array<uint8_t, CelleMax> q{};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            q[r * n + c] = static_cast<uint8_t>(cifre[(righe[r] + colonne[c]) % n] + 1);
    return q;
}

// Givens and signs drawn from a Latin square, `percErrati` in a hundred against it (so 0, 1 or
// many solutions all occur).
SchemaBit SchemaACaso(int n, std::mt19937& g, int percDati, int percSegni, int percErrati) {
    const auto q = QuadratoACaso(n, g);
    std::uniform_int_distribution<int> cento(0, 99);
    SchemaBit s;
    s.n = n;
    for (int i = 0; i < n * n; ++i) {
        if (cento(g) < percDati)
            s.dato[i] = cento(g) < percErrati ? static_cast<uint8_t>(1 + cento(g) % n) : q[i];
        const int r = i / n, c = i % n;
        for (const int j : {c + 1 < n ? i + 1 : -1, r + 1 < n ? i + n : -1}) {
            if (j < 0 || cento(g) >= percSegni) continue;
            const bool giusto = cento(g) >= percErrati;
            const bool maggiore = (q[i] > q[j]) == giusto;
            if (j == i + 1)
                s.segni[i] |= maggiore ? MagDes : MinDes;
            else
                s.segni[i] |= maggiore ? MagGiu : MinGiu;
        }
    }
    return s;
}

TEST(ContatoreModi, SchemiACasoComeLEnumerazione) {
    std::mt19937 g(20261210);
    int nessuna = 0, una = 0, molte = 0;
    for (int prova = 0; prova < 600; ++prova) {
        const int n = 3 + prova % 3;
        const SchemaBit s = SchemaACaso(n, g, 5 + prova % 25, 10 + prova % 60, 3);
        Enumerazione e{s};
        e.Riempi(0);
        const std::string nome = "prova " + std::to_string(prova);
        for (const ModoConteggio modo : Modi) {
            const Esito x = Conta(s, 30, modo);
            ASSERT_EQ(x.conta, e.trovate) << nome << " modo " << static_cast<int>(modo);
            if (x.conta == 1) {
                for (int i = 0; i < n * n; ++i) ASSERT_EQ(x.soluzione[i], e.prima[i]) << nome;
            }
        }
        (e.trovate == 0 ? nessuna : e.trovate == 1 ? una : molte)++;
    }
    EXPECT_GT(nessuna, 20);
    EXPECT_GT(una, 20);
    EXPECT_GT(molte, 20);
}

TEST(ContatoreModi, SchemiGrandiACasoStessiEsiti) {
    // Sparse 7 x 7 to 9 x 9, some counted up to 400: long searches, many solutions.
    std::mt19937 g(7);
    int una = 0, lunghe = 0;
    for (int prova = 0; prova < 150; ++prova) {
        const int n = 7 + prova % 3;
        const SchemaBit s = SchemaACaso(n, g, 2 + prova % 10, 40 + prova % 50, prova % 4 == 0 ? 1 : 0);
        const int limite = prova % 2 ? 2 : 400;
        StessiEsiti(s, limite, "prova " + std::to_string(prova));
        long nodi = 0;
        if (ContaSoluzioni(s, limite, ModoConteggio::Semplice, nullptr, &nodi) == 1) ++una;
        if (nodi > 1000) ++lunghe;
    }
    EXPECT_GT(una, 5);
    EXPECT_GT(lunghe, 5);
}

TEST(ContatoreModi, NodiSegnalatiEAzzeratiSenzaRicerca) {
    SchemaBit s;
    s.n = 4;
    long nodi = -1;
    EXPECT_EQ(ContaSoluzioni(s, 0, ModoConteggio::Intervalli, nullptr, &nodi), 0);
    EXPECT_EQ(nodi, 0);
    EXPECT_EQ(ContaSoluzioni(s, 1000, ModoConteggio::Intervalli, nullptr, &nodi), 576);
    EXPECT_GT(nodi, 576);
}

}  // namespace
}  // namespace kelvaro
