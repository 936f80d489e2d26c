#include "display/gioco.h"

#include <algorithm>

#include "display/visualizza.h"

namespace kelvaro {

namespace {

struct Vincolo {
    int r1, c1, r2, c2;  // cell 1 greater than cell 2
};

std::vector<Vincolo> LeggiVincoli(const Banco& b) {
    std::vector<Vincolo> v;
    const int n = b.schema.Sizesc;
    for (const std::string& s : b.schema.Vincoli) {
        if (s.size() != 4) continue;
        Vincolo x{s[0] - '0', s[1] - '0', s[2] - '0', s[3] - '0'};
        auto dentro = [n](int k) { return k >= 1 && k <= n; };
        if (!dentro(x.r1) || !dentro(x.c1) || !dentro(x.r2) || !dentro(x.c2)) continue;
        if (std::abs(x.r1 - x.r2) + std::abs(x.c1 - x.c2) != 1) continue;
        v.push_back(x);
    }
    return v;
}

}  // namespace

int CifraMostrata(const Banco& b, int r, int c) {
    const int n = b.schema.Sizesc;
    if (r < 1 || c < 1 || r > n || c > n) return 0;
    const int i = RigaGriglia(r), j = ColonnaGriglia(c);
    if (!b.Gr.Contiene(i, j)) return 0;
    const std::string& t = b.Gr.Cella(i, j).Testo;
    if (t.size() != 1 || t[0] < '1' || t[0] > '0' + n) return 0;
    return t[0] - '0';
}

bool CellaModificabile(const Banco& b, int r, int c) {
    const int n = b.schema.Sizesc;
    if (r < 1 || c < 1 || r > n || c > n) return false;
    return !EDato(b.schema.tblSchema[r][c]) && b.Gr.Contiene(RigaGriglia(r), ColonnaGriglia(c));
}

Cifre CifreMostrate(const Banco& b) {
    Cifre cifre{};
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) cifre[r][c] = CifraMostrata(b, r, c);
    return cifre;
}

Segnalazioni CercaErrori(const Banco& b) {
    Segnalazioni s;
    auto aggiungi = [](auto& dove, std::pair<int, int> x) {
        if (std::find(dove.begin(), dove.end(), x) == dove.end()) dove.push_back(x);
    };
    for (const Violazione& v : ControllaRegole(b.schema, CifreMostrate(b))) {
        const bool manoA = CellaModificabile(b, v.A.Riga, v.A.Colonna);
        const bool manoB = CellaModificabile(b, v.B.Riga, v.B.Colonna);
        if (v.tipo == Violazione::Tipo::Segno) {
            // Grid position of the sign between the two neighbours.
            if (manoA || manoB)
                aggiungi(s.Segni,
                         v.A.Riga == v.B.Riga
                             ? std::pair{RigaGriglia(v.A.Riga), 2 * std::min(v.A.Colonna, v.B.Colonna)}
                             : std::pair{2 * std::min(v.A.Riga, v.B.Riga), ColonnaGriglia(v.A.Colonna)});
            continue;
        }
        // Only hand entries are marked: a given is never the mistake.
        if (manoA) aggiungi(s.Celle, {v.A.Riga, v.A.Colonna});
        if (manoB) aggiungi(s.Celle, {v.B.Riga, v.B.Colonna});
    }
    // Row-major, as the marks were always listed.
    std::sort(s.Celle.begin(), s.Celle.end());
    return s;
}

uint16_t CifreAmmesse(const Banco& b, int r, int c) {
    const int n = b.schema.Sizesc;
    if (r < 1 || c < 1 || r > n || c > n || CifraMostrata(b, r, c) != 0) return 0;
    // Bounds through the signs: a cell greater than another is at least one more, repeated until
    // nothing moves (a chain of k signs needs k rounds at most).
    int minimo[10][10], massimo[10][10];
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const int d = CifraMostrata(b, i, j);
            minimo[i][j] = d ? d : 1;
            massimo[i][j] = d ? d : n;
        }
    const std::vector<Vincolo> vincoli = LeggiVincoli(b);
    for (int giro = 0; giro <= n * n; ++giro) {
        bool cambiato = false;
        for (const Vincolo& v : vincoli) {
            int& minA = minimo[v.r1][v.c1];
            int& maxZ = massimo[v.r2][v.c2];
            if (minA < minimo[v.r2][v.c2] + 1) minA = minimo[v.r2][v.c2] + 1, cambiato = true;
            if (maxZ > massimo[v.r1][v.c1] - 1) maxZ = massimo[v.r1][v.c1] - 1, cambiato = true;
        }
        if (!cambiato) break;
    }
    uint16_t m = 0;
    for (int d = minimo[r][c]; d <= massimo[r][c] && d <= n; ++d) m |= uint16_t(1u << d);
    for (int k = 1; k <= n; ++k) {
        if (k != c) m &= uint16_t(~(1u << CifraMostrata(b, r, k)));
        if (k != r) m &= uint16_t(~(1u << CifraMostrata(b, k, c)));
    }
    return uint16_t(m & ~1u);
}

bool GrigliaRisolta(const Banco& b) {
    return b.schema.Caricato && PosizioneRisolta(b.schema, CifreMostrate(b));
}

Griglia GrigliaDaMostrare(const Banco& b) {
    Griglia g = b.Gr;
    if (!b.modifica.InGioco) return g;
    const Segnalazioni s = CercaErrori(b);
    for (const auto& [r, c] : s.Celle)
        g.Cella(RigaGriglia(r), ColonnaGriglia(c)).CellForeColor = ColoreErrore;
    for (const auto& [i, j] : s.Segni)
        if (g.Contiene(i, j)) g.Cella(i, j).CellForeColor = ColoreErrore;
    return g;
}

}  // namespace kelvaro
