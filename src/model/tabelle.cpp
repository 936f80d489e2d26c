#include "model/tabelle.h"

namespace kelvaro {

void InizializzaTab(Tabella& tbl, int n) {
    std::string tutte;
    for (int d = 1; d <= n; ++d) tutte += static_cast<char>('0' + d);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) tbl[r][c] = tutte;
}

int ContaCelleProblema(const Schema& s) {
    int k = 0;
    for (int r = 1; r <= s.Sizesc; ++r)
        for (int c = 1; c <= s.Sizesc; ++c)
            if (EDato(s.tblSchema[r][c])) ++k;
    return k;
}

std::string DesCella(int r, int c) {
    std::string s;
    AccodaCella(s, r, c);
    return s;
}

void AccodaCella(std::string& riga, int r, int c) {
    // Every log line names cells: the usual case is one append.
    if (r >= 0 && r <= 9 && c >= 0 && c <= 9) {
        const char nome[4] = {'R', static_cast<char>('0' + r), 'C', static_cast<char>('0' + c)};
        riga.append(nome, 4);
        return;
    }
    auto numero = [&riga](int v) {
        if (v >= 0 && v <= 9)
            riga += static_cast<char>('0' + v);
        else
            riga += std::to_string(v);
    };
    riga += 'R';
    numero(r);
    riga += 'C';
    numero(c);
}

void CostruisciSegni(Schema& s) {
    const int n = s.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) s.tblSegni[r][c] = SegniCella{};
    for (const std::string& v : s.Vincoli) {
        if (v.size() < 4) continue;  // the loader only admits four in-grid digits
        const int r1 = v[0] - '0', c1 = v[1] - '0', r2 = v[2] - '0', c2 = v[3] - '0';
        if (r1 < 0 || r1 > 9 || c1 < 0 || c1 > 9 || r2 < 0 || r2 > 9 || c2 < 0 || c2 > 9) continue;
        SegniCella& a = s.tblSegni[r1][c1];
        SegniCella& b = s.tblSegni[r2][c2];
        if (r1 == r2 && c2 > c1) {
            a.MagDes = 1;
            b.MinSin = 1;
        } else if (r1 == r2) {
            a.MagSin = 1;
            b.MinDes = 1;
        } else if (r2 > r1) {
            a.MagGiu = 1;
            b.MinSu = 1;
        } else {
            a.MagSu = 1;
            b.MinGiu = 1;
        }
    }
}

std::string ConcatenaTabella(const Tabella& tbl, int n) {
    std::string s;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) s += tbl[r][c];
    return s;
}

}  // namespace kelvaro
