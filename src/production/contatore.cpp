#include "production/contatore.h"

#include <bit>

namespace kelvaro {

namespace {

struct Contesto {
    int n = 0;
    int celle = 0;
    Maschera tutte = 0;
    std::array<std::array<uint8_t, DimMax>, 2 * DimMax> linee{};  // rows, then columns
    std::vector<std::array<uint8_t, 2>> coppie;
    int trovate = 0;
    int limite = 2;
    std::array<uint8_t, CelleMax>* soluzione = nullptr;
};

struct Stato {
    std::array<Maschera, CelleMax> c;
    std::array<uint64_t, 2> posti{};  // cells whose digit has been struck from their lines

    bool Posto(int i) const { return (posti[i >> 6] >> (i & 63)) & 1; }
    void Poni(int i) { posti[i >> 6] |= uint64_t{1} << (i & 63); }
};

inline bool Singolo(Maschera m) {
    return (m & (m - 1)) == 0;
}

// Singles (naked and hidden) and sign bounds until nothing changes; false on a contradiction.
bool Propaga(const Contesto& x, Stato& s) {
    const int n = x.n;
    for (;;) {
        bool cambiato = false;
        for (int i = 0; i < x.celle; ++i) {
            const Maschera m = s.c[i];
            if (m == 0) return false;
            if (!Singolo(m) || s.Posto(i)) continue;
            s.Poni(i);
            cambiato = true;
            const int r = i / n, col = i % n;
            for (int k = 0; k < n; ++k) {
                const int jr = r * n + k, jc = k * n + col;
                if (jr != i && (s.c[jr] & m)) {
                    if ((s.c[jr] &= static_cast<Maschera>(~m)) == 0) return false;
                }
                if (jc != i && (s.c[jc] & m)) {
                    if ((s.c[jc] &= static_cast<Maschera>(~m)) == 0) return false;
                }
            }
        }
        for (int l = 0; l < 2 * n; ++l) {
            const auto& linea = x.linee[l];
            Maschera una = 0, due = 0;
            for (int k = 0; k < n; ++k) {
                const Maschera m = s.c[linea[k]];
                due |= una & m;
                una |= m;
            }
            if (una != x.tutte) return false;
            const Maschera uniche = una & static_cast<Maschera>(~due);
            if (!uniche) continue;
            for (int k = 0; k < n; ++k) {
                const Maschera m = s.c[linea[k]];
                if (!(m & uniche) || Singolo(m)) continue;
                const Maschera nuova = m & uniche;
                if (!Singolo(nuova)) return false;  // two digits that both fit only here
                s.c[linea[k]] = nuova;
                cambiato = true;
            }
        }
        for (const auto& [a, b] : x.coppie) {
            const Maschera ma = s.c[a], mb = s.c[b];
            const Maschera minimoB = mb & static_cast<Maschera>(-mb);
            const Maschera na = ma & static_cast<Maschera>(~((minimoB << 1) - 1));
            if (na == 0) return false;
            const Maschera massimoA = static_cast<Maschera>(1u << (std::bit_width(unsigned{na}) - 1));
            const Maschera nb = mb & static_cast<Maschera>(massimoA - 1);
            if (nb == 0) return false;
            if (na != ma || nb != mb) {
                s.c[a] = na;
                s.c[b] = nb;
                cambiato = true;
            }
        }
        if (!cambiato) return true;
    }
}

void Cerca(Contesto& x, Stato& s) {
    if (!Propaga(x, s)) return;
    int scelta = -1, migliore = 99;
    for (int i = 0; i < x.celle; ++i) {
        const int k = ContaCifre(s.c[i]);
        if (k > 1 && k < migliore) {
            migliore = k;
            scelta = i;
            if (k == 2) break;
        }
    }
    if (scelta < 0) {
        if (x.trovate++ == 0 && x.soluzione)
            for (int i = 0; i < x.celle; ++i)
                (*x.soluzione)[i] = static_cast<uint8_t>(std::countr_zero(unsigned{s.c[i]}) + 1);
        return;
    }
    Maschera m = s.c[scelta];
    while (m && x.trovate < x.limite) {
        const Maschera bit = m & static_cast<Maschera>(-m);
        m ^= bit;
        Stato t = s;
        t.c[scelta] = bit;
        Cerca(x, t);
    }
}

}  // namespace

std::optional<SchemaBitLetto> SchemaBitDa(const Schema& s) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return std::nullopt;
    SchemaBitLetto out;
    out.schema.n = n;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int i = (r - 1) * n + c - 1;
            const std::string& t = s.tblSchema[r][c];
            if (t == "0" || t.empty()) {
                out.schema.dato[i] = 0;
            } else if (t.size() == 1 && t[0] >= '1' && t[0] < '1' + n) {
                out.schema.dato[i] = static_cast<uint8_t>(t[0] - '0');
            } else {
                out.DatiValidi = false;
            }
            const SegniCella& f = s.tblSegni[r][c];
            out.schema.segni[i] = static_cast<uint8_t>((f.MagSin ? MagSin : 0) | (f.MagDes ? MagDes : 0) |
                                                       (f.MagSu ? MagSu : 0) | (f.MagGiu ? MagGiu : 0) |
                                                       (f.MinSin ? MinSin : 0) | (f.MinDes ? MinDes : 0) |
                                                       (f.MinSu ? MinSu : 0) | (f.MinGiu ? MinGiu : 0));
        }
    return out;
}

std::vector<std::array<uint8_t, 2>> CoppieSegni(const SchemaBit& s) {
    const int n = s.n;
    std::vector<std::array<uint8_t, 2>> coppie;
    auto aggiungi = [&](int magg, int r2, int c2, bool maggiore) {
        if (r2 < 0 || r2 >= n || c2 < 0 || c2 >= n) return;  // a flag pointing out of the grid
        const auto altra = static_cast<uint8_t>(r2 * n + c2);
        const auto questa = static_cast<uint8_t>(magg);
        if (maggiore)
            coppie.push_back({questa, altra});
        else
            coppie.push_back({altra, questa});
    };
    for (int i = 0; i < n * n; ++i) {
        const int r = i / n, c = i % n;
        const uint8_t f = s.segni[i];
        // Every sign sits on both its cells: the greater-than side is enough, unless only the
        // less-than flag was set.
        if (f & MagSin) aggiungi(i, r, c - 1, true);
        if (f & MagDes) aggiungi(i, r, c + 1, true);
        if (f & MagSu) aggiungi(i, r - 1, c, true);
        if (f & MagGiu) aggiungi(i, r + 1, c, true);
        if ((f & MinSin) && !(c > 0 && (s.segni[i - 1] & MagDes))) aggiungi(i, r, c - 1, false);
        if ((f & MinDes) && !(c + 1 < n && (s.segni[i + 1] & MagSin))) aggiungi(i, r, c + 1, false);
        if ((f & MinSu) && !(r > 0 && (s.segni[i - n] & MagGiu))) aggiungi(i, r - 1, c, false);
        if ((f & MinGiu) && !(r + 1 < n && (s.segni[i + n] & MagSu))) aggiungi(i, r + 1, c, false);
    }
    return coppie;
}

int ContaSoluzioni(const SchemaBit& s, int limite, std::array<uint8_t, CelleMax>* soluzione) {
    if (s.n < 1 || s.n > DimMax || limite < 1) return 0;
    Contesto x;
    x.n = s.n;
    x.celle = s.n * s.n;
    x.tutte = static_cast<Maschera>((1u << s.n) - 1);
    for (int a = 0; a < s.n; ++a)
        for (int k = 0; k < s.n; ++k) {
            x.linee[a][k] = static_cast<uint8_t>(a * s.n + k);
            x.linee[s.n + a][k] = static_cast<uint8_t>(k * s.n + a);
        }
    x.coppie = CoppieSegni(s);
    x.limite = limite;
    x.soluzione = soluzione;
    Stato st;
    for (int i = 0; i < x.celle; ++i) {
        const int d = s.dato[i];
        if (d > s.n) return 0;
        st.c[i] = d ? static_cast<Maschera>(1u << (d - 1)) : x.tutte;
    }
    Cerca(x, st);
    return x.trovate < limite ? x.trovate : limite;
}

int ContaSoluzioni(const Schema& s, int limite) {
    const auto letto = SchemaBitDa(s);
    if (!letto || !letto->DatiValidi) return 0;
    return ContaSoluzioni(letto->schema, limite);
}

}  // namespace kelvaro
