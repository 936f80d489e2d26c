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

// Grid position of the sign between two neighbouring cells.
std::pair<int, int> PosizioneSegno(const Vincolo& v) {
    if (v.r1 == v.r2) return {RigaGriglia(v.r1), 2 * std::min(v.c1, v.c2)};
    return {2 * std::min(v.r1, v.r2), ColonnaGriglia(v.c1)};
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

Segnalazioni CercaErrori(const Banco& b) {
    Segnalazioni s;
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int d = CifraMostrata(b, r, c);
            if (d == 0 || !CellaModificabile(b, r, c)) continue;
            bool doppia = false;
            for (int k = 1; k <= n && !doppia; ++k)
                doppia = (k != c && CifraMostrata(b, r, k) == d) || (k != r && CifraMostrata(b, k, c) == d);
            if (doppia) s.Celle.emplace_back(r, c);
        }
    for (const Vincolo& v : LeggiVincoli(b)) {
        const int a = CifraMostrata(b, v.r1, v.c1), z = CifraMostrata(b, v.r2, v.c2);
        if (a == 0 || z == 0 || a > z) continue;
        if (!CellaModificabile(b, v.r1, v.c1) && !CellaModificabile(b, v.r2, v.c2)) continue;
        s.Segni.push_back(PosizioneSegno(v));
    }
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
    const int n = b.schema.Sizesc;
    if (!b.schema.Caricato) return false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int d = CifraMostrata(b, r, c);
            if (d == 0) return false;
            for (int k = c + 1; k <= n; ++k)
                if (CifraMostrata(b, r, k) == d) return false;
            for (int k = r + 1; k <= n; ++k)
                if (CifraMostrata(b, k, c) == d) return false;
        }
    for (const Vincolo& v : LeggiVincoli(b))
        if (CifraMostrata(b, v.r1, v.c1) <= CifraMostrata(b, v.r2, v.c2)) return false;
    return true;
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
