// Finds schemas that are hard for the exact counter, and reports its nodes on given schemas.
//   cerca_difficili nodi [--modo i|s] [--ripeti N] FILE...
//       count (limit 2), search nodes and microseconds of each schema (mean of N counts)
//   cerca_difficili scava [--modo i|s] FILE SEME PASSI USCITA
//       hill-climbing from a schema with one solution: takes away givens and signs (or swaps one
//       for a sign the solution allows) while the solution stays the only one, keeping the schema
//       whose count needs the most nodes; writes it to USCITA at each gain
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "files/caricamento.h"
#include "solver/contatore.h"

namespace {

using namespace kelvaro;

struct Indizi {
    int n = 0;
    std::vector<std::pair<int, int>> dati;       // cell, digit
    std::vector<std::array<uint8_t, 2>> coppie;  // greater cell, smaller cell
};

SchemaBit ABit(const Indizi& z) {
    SchemaBit s;
    s.n = z.n;
    for (const auto& [i, v] : z.dati) s.dato[i] = static_cast<uint8_t>(v);
    for (const auto& [g, p] : z.coppie) {
        const int d = p - g;
        s.segni[g] |= d == -1 ? MagSin : d == 1 ? MagDes : d < 0 ? MagSu : MagGiu;
    }
    return s;
}

Indizi DaBit(const SchemaBit& s) {
    Indizi z;
    z.n = s.n;
    for (int i = 0; i < s.n * s.n; ++i)
        if (s.dato[i]) z.dati.push_back({i, s.dato[i]});
    z.coppie = CoppieSegni(s);
    return z;
}

bool Scrivi(const Indizi& z, const std::string& nome) {
    const int n = z.n;
    std::string dati(static_cast<size_t>(n * n), '0');
    for (const auto& [i, v] : z.dati) dati[static_cast<size_t>(i)] = static_cast<char>('0' + v);
    std::string vincoli;
    for (const auto& [g, p] : z.coppie) {
        if (!vincoli.empty()) vincoli += '|';
        for (int c : {int{g}, int{p}}) {
            vincoli += static_cast<char>('1' + c / n);
            vincoli += static_cast<char>('1' + c % n);
        }
    }
    std::ofstream f(nome, std::ios::binary);
    f << "<?xml version=\"1.0\" ?>\r\n<FUTOSHIKI SIZE=\"" << n << "\">\r\n<SCHEMA>" << dati
      << "</SCHEMA>\r\n<SOLUTION></SOLUTION>\r\n<CONSTRAINT>" << vincoli
      << "</CONSTRAINT>\r\n<CHECK>000000</CHECK>\r\n</FUTOSHIKI>\r\n";
    return static_cast<bool>(f);
}

bool Leggi(const std::string& nome, SchemaBit& out) {
    const auto letto = LeggiSchemaFile(nome);
    if (!letto) return false;
    const auto bit = SchemaBitDa(letto->schema);
    if (!bit || !bit->DatiValidi) return false;
    out = bit->schema;
    return true;
}

ModoConteggio Modo(const std::string& m) {
    return m == "s" ? ModoConteggio::Semplice : ModoConteggio::Intervalli;
}

// Each schema is read once and counted `ripeti` times (at least once when ripeti is 1 or more);
// the figure is the mean per count. With ripeti 0 only the reading is done: a whole-process
// baseline.
int Nodi(int argc, char** argv, ModoConteggio modo, int ripeti) {
    for (int k = 0; k < argc; ++k) {
        SchemaBit s;
        if (!Leggi(argv[k], s)) {
            std::fprintf(stderr, "%s: schema non leggibile\n", argv[k]);
            continue;
        }
        if (ripeti == 0) continue;
        long nodi = 0;
        int c = 0;
        const auto t0 = std::chrono::steady_clock::now();
        for (int r = 0; r < ripeti; ++r) c = ContaSoluzioni(s, 2, modo, nullptr, &nodi);
        const auto us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() / ripeti;
        std::printf("%s soluzioni %d nodi %ld us %.1f\n", argv[k], c, nodi, us);
    }
    return 0;
}

int Scava(const std::string& file, unsigned seme, int passi, const std::string& uscita, ModoConteggio modo) {
    SchemaBit s;
    if (!Leggi(file, s)) return 1;
    std::array<uint8_t, CelleMax> sol{};
    if (ContaSoluzioni(s, 2, ModoConteggio::Intervalli, &sol) != 1) {
        std::fprintf(stderr, "%s: non ha una sola soluzione\n", file.c_str());
        return 1;
    }
    const int n = s.n;
    Indizi z = DaBit(s);
    auto costo = [&](const Indizi& y) -> long {
        long nodi = 0;
        if (ContaSoluzioni(ABit(y), 2, modo, nullptr, &nodi) != 1) return -1;
        return nodi;
    };
    long migliore = costo(z);
    std::mt19937 g(seme);
    auto caso = [&](size_t k) { return static_cast<size_t>(g() % k); };
    for (int p = 0; p < passi; ++p) {
        Indizi y = z;
        const size_t tot = y.dati.size() + y.coppie.size();
        if (tot == 0) break;
        const size_t via = caso(tot);
        if (via < y.dati.size())
            y.dati.erase(y.dati.begin() + static_cast<long>(via));
        else
            y.coppie.erase(y.coppie.begin() + static_cast<long>(via - y.dati.size()));
        if (g() % 2) {  // a new sign that the solution allows, in place of the one taken away
            const int i = static_cast<int>(caso(static_cast<size_t>(n * n)));
            const int j = (g() % 2) ? (i % n + 1 < n ? i + 1 : i - 1) : (i / n + 1 < n ? i + n : i - n);
            const auto a = static_cast<uint8_t>(sol[i] > sol[j] ? i : j);
            const auto b = static_cast<uint8_t>(sol[i] > sol[j] ? j : i);
            if (std::find(y.coppie.begin(), y.coppie.end(), std::array<uint8_t, 2>{a, b}) == y.coppie.end())
                y.coppie.push_back({a, b});
        }
        const long c = costo(y);
        if (c >= migliore) {
            const bool meglio = c > migliore;
            migliore = c;
            z = std::move(y);
            if (meglio) {  // written at once, so a search cut short keeps its best
                std::fprintf(stderr, "passo %d: %zu dati, %zu segni, nodi %ld\n", p, z.dati.size(),
                             z.coppie.size(), c);
                if (!Scrivi(z, uscita)) return 1;
            }
        }
    }
    std::printf("%s nodi %ld dati %zu segni %zu\n", uscita.c_str(), migliore, z.dati.size(), z.coppie.size());
    return Scrivi(z, uscita) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "Uso: %s nodi [--modo i|s] [--ripeti N] FILE... | scava [--modo i|s] FILE SEME PASSI USCITA\n",
            argv[0]);
        return 2;
    }
    const std::string comando = argv[1];
    int k = 2;
    ModoConteggio modo = ModoConteggio::Intervalli;
    if (std::string(argv[k]) == "--modo" && k + 1 < argc) {
        modo = Modo(argv[k + 1]);
        k += 2;
    }
    int ripeti = 1;
    if (comando == "nodi" && k + 1 < argc && std::string(argv[k]) == "--ripeti") {
        ripeti = std::max(0, std::atoi(argv[k + 1]));
        k += 2;
    }
    if (comando == "nodi") return Nodi(argc - k, argv + k, modo, ripeti);
    if (comando == "scava" && argc - k == 4)
        return Scava(argv[k], static_cast<unsigned>(std::atoi(argv[k + 1])), std::atoi(argv[k + 2]),
                     argv[k + 3], modo);
    std::fprintf(stderr, "comando sconosciuto\n");
    return 2;
}
