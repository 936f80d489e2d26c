#include "rules/regole.h"

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

}  // namespace kelvaro
