#include "rules/regole.h"

#include <cstdlib>

namespace kelvaro {

std::vector<Violazione> ControllaRegole(const Schema& s, const Cifre& cifre) {
    std::vector<Violazione> v;
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return v;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int d = cifre[r][c];
            if (d == 0) continue;
            for (int k = c + 1; k <= n; ++k)
                if (cifre[r][k] == d)
                    v.push_back({Violazione::Tipo::Ripetuta, {r, c}, {r, k}, d, true, false});
            for (int k = r + 1; k <= n; ++k)
                if (cifre[k][c] == d)
                    v.push_back({Violazione::Tipo::Ripetuta, {r, c}, {k, c}, d, false, false});
        }
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const SegniCella& g = s.tblSegni[r][c];
            const int a = cifre[r][c];
            auto controlla = [&](int r2, int c2, bool maggiore) {
                const int b = cifre[r2][c2];
                if (a == 0 || b == 0 || (maggiore ? a > b : a < b)) return;
                v.push_back({Violazione::Tipo::Segno, {r, c}, {r2, c2}, 0, false, maggiore});
            };
            if (c < n && g.MagDes) controlla(r, c + 1, true);
            if (c < n && g.MinDes) controlla(r, c + 1, false);
            if (r < n && g.MagGiu) controlla(r + 1, c, true);
            if (r < n && g.MinGiu) controlla(r + 1, c, false);
        }
    return v;
}

std::string FraseViolazione(const Violazione& v) {
    if (v.tipo == Violazione::Tipo::Ripetuta)
        return "Due " + std::to_string(v.Cifra) + (v.InRiga ? " nella riga " : " nella colonna ") +
               std::to_string(v.InRiga ? v.A.Riga : v.A.Colonna);
    return DesCella(v.A.Riga, v.A.Colonna) +
           (v.Maggiore ? " deve essere maggiore di " : " deve essere minore di ") +
           DesCella(v.B.Riga, v.B.Colonna);
}

bool PosizioneRisolta(const Schema& s, const Cifre& cifre) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (cifre[r][c] < 1 || cifre[r][c] > n) return false;
    return ControllaRegole(s, cifre).empty();
}

std::optional<Cifre> SoluzioneSalvataValida(const Schema& s) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return std::nullopt;
    auto cifra = [n](const std::string& t) {
        return t.size() == 1 && t[0] >= '1' && t[0] < '1' + n ? t[0] - '0' : 0;
    };
    Cifre sol{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int d = cifra(s.tblSoluzione[r][c]);
            const int g = cifra(s.tblSchema[r][c]);
            if (d == 0 || (g > 0 && g != d)) return std::nullopt;
            sol[r][c] = d;
        }
    if (!ControllaRegole(s, sol).empty()) return std::nullopt;
    return sol;
}

bool HaSoluzioneSalvata(const Schema& s) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (!s.tblSoluzione[r][c].empty() && s.tblSoluzione[r][c] != "0") return true;
    return false;
}

uint16_t CifreValide(const Schema& s, const Cifre& cifre, int r, int c) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax || r < 1 || c < 1 || r > n || c > n || cifre[r][c] != 0) return 0;
    struct Vincolo {
        int r1, c1, r2, c2;  // cell 1 greater than cell 2
    };
    std::vector<Vincolo> vincoli;
    auto dentro = [n](int k) { return k >= 1 && k <= n; };
    for (const std::string& v : s.Vincoli) {
        if (v.size() != 4) continue;
        const Vincolo x{v[0] - '0', v[1] - '0', v[2] - '0', v[3] - '0'};
        if (!dentro(x.r1) || !dentro(x.c1) || !dentro(x.r2) || !dentro(x.c2)) continue;
        if (std::abs(x.r1 - x.r2) + std::abs(x.c1 - x.c2) != 1) continue;
        vincoli.push_back(x);
    }
    // Bounds through the signs, repeated until nothing moves (a chain of k signs needs k rounds).
    int minimo[10][10], massimo[10][10];
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const int d = cifre[i][j] >= 1 && cifre[i][j] <= n ? cifre[i][j] : 0;
            minimo[i][j] = d ? d : 1;
            massimo[i][j] = d ? d : n;
        }
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
        if (k != c && cifre[r][k] >= 1 && cifre[r][k] <= 9) m &= uint16_t(~(1u << cifre[r][k]));
        if (k != r && cifre[k][c] >= 1 && cifre[k][c] <= 9) m &= uint16_t(~(1u << cifre[k][c]));
    }
    return uint16_t(m & ~1u);
}

}  // namespace kelvaro
