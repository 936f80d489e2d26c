#include "solver/contatore.h"

#include <bit>

#include "solver/regole_bit.h"

namespace kelvaro {

namespace {

// What a sign says to the cell on its other side when one of its cells changes.
struct Legame {
    uint8_t altra;
    bool maggiore;  // this cell is the greater one: the other stays below its largest digit
};

// The signs of one cell: at most two per neighbour (a sign and its opposite, set by hand).
struct Legami {
    std::array<Legame, 8> l{};
    uint8_t quanti = 0;

    const Legame* begin() const { return l.data(); }
    const Legame* end() const { return l.data() + quanti; }
};

struct Contesto {
    int n = 0;
    int celle = 0;
    Maschera tutte = 0;
    std::array<std::array<uint8_t, DimMax>, 2 * DimMax> linee{};  // rows, then columns
    std::array<Legami, CelleMax> legami{};
    std::array<uint8_t, CelleMax> riga{}, colonna{};  // of each cell: no division on the hot path
    int trovate = 0;
    int limite = 2;
    std::array<uint8_t, CelleMax>* soluzione = nullptr;
    long nodi = 0;
    bool intervalli = true;  // Hall intervals and the dom/deg choice, or the plain counter
};

struct Stato {
    std::array<Maschera, CelleMax> c;
    std::array<uint64_t, 2> posti{};  // cells whose digit has been struck from their lines

    bool Posto(int i) const { return (posti[i >> 6] >> (i & 63)) & 1; }
    void Poni(int i) { posti[i >> 6] |= uint64_t{1} << (i & 63); }
};

// The cells that changed and wait to be looked at, and the lines to scan for hidden singles.
struct Coda {
    std::array<uint8_t, CelleMax> celle;
    std::array<bool, CelleMax> dentro{};
    unsigned inizio = 0, fine = 0;
    uint32_t righe = 0, colonne = 0;  // lines to scan for hidden singles
    uint32_t linee = 0;               // lines to scan for Hall intervals (rows, then columns)

    // Cell i went from `prima` to the smaller set `dopo`. Hall intervals look only at the lowest
    // and highest digit of each cell, so a line waits for them only when one of those changed.
    void Ristretta(const Contesto& x, int i, Maschera prima, Maschera dopo) {
        Aggiungi(x, i);
        const auto estremi = static_cast<Maschera>(MinimoDi(prima) | MassimoDi(prima));
        if ((dopo & estremi) != estremi) linee |= (1u << x.riga[i]) | (1u << (x.n + x.colonna[i]));
    }

    void Aggiungi(const Contesto& x, int i) {
        righe |= 1u << x.riga[i];
        colonne |= 1u << x.colonna[i];
        if (!dentro[i]) {
            dentro[i] = true;
            celle[fine++ % CelleMax] = static_cast<uint8_t>(i);
        }
    }
};

// Hall intervals of one line: k undecided cells whose digits all lie within an interval holding k
// digits not yet placed take those digits, which leave every other cell of the line; more than k
// such cells cannot be. Digits placed (and struck from the line) are left out, so an interval may
// hold holes. Stronger than bounds on the cells, as the whole interval leaves the other cells.
bool Intervalli(const Contesto& x, Stato& s, Coda& q, const std::array<uint8_t, DimMax>& linea) {
    const int n = x.n;
    // Bit k of basso[v] / alto[v]: the line's k-th cell has v + 1 as its lowest / highest digit.
    std::array<uint16_t, DimMax + 1> basso{}, alto{};
    unsigned libere = 0;   // the cells still open, by position
    unsigned restano = 0;  // digits not placed in the line
    for (int k = 0; k < n; ++k) {
        const int i = linea[k];
        if (s.Posto(i)) continue;
        const unsigned m = s.c[i];
        if (m == 0) return false;  // an open cell without digits: no solution this way
        restano |= m;
        libere |= 1u << k;
        basso[std::countr_zero(m)] |= static_cast<uint16_t>(1u << k);
        alto[std::bit_width(m) - 1] |= static_cast<uint16_t>(1u << k);
    }
    const int aperte = ContaCifre(static_cast<Maschera>(libere));
    if (aperte < 3) return true;  // one or two open cells: the singles' work
    // Open cells with a digit below a (sotto[a]), and with a digit above b (sopra[b + 1]).
    std::array<uint16_t, DimMax + 1> sotto{}, sopra{};
    for (int v = 0; v < n; ++v) sotto[v + 1] = sotto[v] | basso[v];
    for (int v = n - 1; v >= 0; --v) sopra[v] = sopra[v + 1] | alto[v];
    for (int a = 0; a + 1 < n; ++a) {
        if (!basso[a]) continue;  // a tight interval starts at some cell's lowest digit
        for (int b = a + 1; b < n; ++b) {
            if (!alto[b]) continue;  // and ends at some cell's highest digit
            const auto intervallo = static_cast<Maschera>(((1u << (b + 1)) - 1) & ~((1u << a) - 1));
            const int k = ContaCifre(static_cast<Maschera>(intervallo & restano));
            if (k >= aperte) break;
            const auto dentro =
                static_cast<uint16_t>(libere & ~(sotto[a] | sopra[b + 1]));  // only [a, b] fits
            const int quante = ContaCifre(dentro);
            if (quante > k) return false;
            if (quante < k) continue;
            for (auto fuori = static_cast<uint16_t>(libere & ~dentro); fuori;
                 fuori &= static_cast<uint16_t>(fuori - 1)) {
                const int i = linea[std::countr_zero(unsigned{fuori})];
                const Maschera m = s.c[i];
                if (!(m & intervallo)) continue;
                s.c[i] = m & static_cast<Maschera>(~intervallo);
                q.Ristretta(x, i, m, s.c[i]);
            }
        }
    }
    return true;
}

// Singles (naked and hidden) and sign bounds from the cells that changed, until nothing changes,
// then Hall intervals on the lines that changed when they are on; false on a contradiction.
bool Propaga(const Contesto& x, Stato& s, Coda& q) {
    const int n = x.n;
    auto restringi = [&](int i, Maschera nuova) {
        if (nuova == s.c[i]) return true;
        if (nuova == 0) return false;
        q.Ristretta(x, i, s.c[i], nuova);
        s.c[i] = nuova;
        return true;
    };
    for (;;) {
        while (q.inizio != q.fine) {
            const int j = q.celle[q.inizio++ % CelleMax];
            q.dentro[j] = false;
            const Maschera m = s.c[j];
            if (Singolo(m) && !s.Posto(j)) {
                s.Poni(j);
                if (!TogliDallaCroce(n, x.riga[j], x.colonna[j], m, s.c.data(), restringi)) return false;
            }
            for (const Legame& l : x.legami[j]) {
                // The other cell stays below this one's largest digit, or above its smallest.
                const Maschera lecite = l.maggiore ? SottoIlMassimo(s.c[j]) : SopraIlMinimo(s.c[j]);
                if (!restringi(l.altra, s.c[l.altra] & lecite)) return false;
            }
        }
        if (!q.righe && !q.colonne) {
            if (!x.intervalli || !q.linee) return true;
            const uint32_t linee = q.linee;
            q.linee = 0;
            for (int l = 0; l < 2 * n; ++l)
                if ((linee >> l & 1) && !Intervalli(x, s, q, x.linee[l])) return false;
            if (q.inizio == q.fine) return true;
            continue;
        }
        const uint32_t righe = q.righe, colonne = q.colonne;
        q.righe = q.colonne = 0;
        for (int l = 0; l < 2 * n; ++l) {
            if (!(l < n ? righe >> l & 1 : colonne >> (l - n) & 1)) continue;
            const auto& linea = x.linee[l];
            const Presenze p = ContaLinea(n, [&](int k) { return s.c[linea[k]]; });
            if (Mancanti(p, x.tutte)) return false;
            const Maschera uniche = SingoliNascosti(p);
            if (!uniche) continue;
            for (int k = 0; k < n; ++k) {
                const Maschera m = s.c[linea[k]];
                if (!(m & uniche)) continue;
                const Maschera nuova = m & uniche;
                if (!Singolo(nuova)) return false;  // two digits that both fit only here
                restringi(linea[k], nuova);
            }
        }
    }
}

void Cerca(Contesto& x, Stato& s, Coda& q);

// The first cell with the fewest digits (the first with two, if any).
int PrimaPiuStretta(const Contesto& x, const Stato& s) {
    int scelta = -1, migliore = 99;
    for (int i = 0; i < x.celle; ++i) {
        const int k = ContaCifre(s.c[i]);
        if (k > 1 && k < migliore) {
            migliore = k;
            scelta = i;
            if (k == 2) break;
        }
    }
    return scelta;
}

// Digits of a cell per sign towards an undecided cell, scaled to integers: the lower, the more a
// choice there settles ("dom/deg"). Signs cut far more than the lines, which every cell has alike.
inline constexpr auto TabellaPeso = [] {
    std::array<std::array<uint16_t, 9>, DimMax + 1> t{};
    for (int k = 0; k <= DimMax; ++k)
        for (int d = 0; d < 9; ++d) t[k][d] = static_cast<uint16_t>(k * 256 / (1 + d));
    return t;
}();

// The undecided cell of least weight, the first of them in row order.
int PiuLegata(const Contesto& x, const Stato& s) {
    int scelta = -1;
    unsigned migliore = ~0u;
    for (int i = 0; i < x.celle; ++i) {
        const Maschera m = s.c[i];
        if (Singolo(m)) continue;
        const int k = ContaCifre(m);
        if (TabellaPeso[k][x.legami[i].quanti] >= migliore) continue;  // cannot do better
        int d = 0;
        for (const Legame& l : x.legami[i]) d += !Singolo(s.c[l.altra]);
        if (TabellaPeso[k][d] < migliore) {
            migliore = TabellaPeso[k][d];
            scelta = i;
        }
    }
    return scelta;
}

// The digit of a line that fits the fewest open cells, when fewer than `meno` (and at least two):
// its line and digit, or -1. Placing that digit splits the search as well as a cell would.
int PostiMinimi(const Contesto& x, const Stato& s, int meno, Maschera& cifra) {
    int scelta = -1;
    for (int l = 0; l < 2 * x.n && meno > 2; ++l) {
        std::array<uint16_t, DimMax> dove{};  // bit k of dove[v]: digit v + 1 fits the k-th open cell
        for (int k = 0; k < x.n; ++k) {
            const Maschera m = s.c[x.linee[l][k]];
            if (Singolo(m)) continue;
            for (unsigned r = m; r; r &= r - 1) dove[std::countr_zero(r)] |= static_cast<uint16_t>(1u << k);
        }
        for (int v = 0; v < x.n; ++v) {
            const int posti = ContaCifre(dove[v]);
            if (posti >= 2 && posti < meno) {
                meno = posti;
                scelta = l;
                cifra = static_cast<Maschera>(1u << v);
            }
        }
    }
    return scelta;
}

// One branch: cell i takes the single digit `bit`.
void Prova(Contesto& x, const Stato& s, int i, Maschera bit) {
    Stato t = s;
    t.c[i] = bit;
    Coda nuova;
    nuova.Ristretta(x, i, s.c[i], bit);
    Cerca(x, t, nuova);
}

void Cerca(Contesto& x, Stato& s, Coda& q) {
    ++x.nodi;
    if (!Propaga(x, s, q)) return;
    const int scelta = x.intervalli ? PiuLegata(x, s) : PrimaPiuStretta(x, s);
    if (scelta < 0) {
        if (x.trovate++ == 0 && x.soluzione)
            for (int i = 0; i < x.celle; ++i)
                (*x.soluzione)[i] = static_cast<uint8_t>(std::countr_zero(unsigned{s.c[i]}) + 1);
        return;
    }
    Maschera cifra = 0;
    const int linea = x.intervalli ? PostiMinimi(x, s, ContaCifre(s.c[scelta]), cifra) : -1;
    if (linea >= 0) {  // the digit goes in one of its few cells: the branches exclude each other
        for (int k = 0; k < x.n && x.trovate < x.limite; ++k) {
            const int i = x.linee[linea][k];
            if ((s.c[i] & cifra) && !Singolo(s.c[i])) Prova(x, s, i, cifra);
        }
        return;
    }
    for (Maschera m = s.c[scelta]; m && x.trovate < x.limite;) {
        const Maschera bit = MinimoDi(m);
        m ^= bit;
        Prova(x, s, scelta, bit);
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

int ContaSoluzioni(const SchemaBit& s, int limite, std::array<uint8_t, CelleMax>* soluzione, long* nodi) {
    return ContaSoluzioni(s, limite, ModoConteggio::Intervalli, soluzione, nodi);
}

int ContaSoluzioni(const SchemaBit& s, int limite, ModoConteggio modo,
                   std::array<uint8_t, CelleMax>* soluzione, long* nodi) {
    if (nodi) *nodi = 0;
    if (s.n < 1 || s.n > DimMax || limite < 1) return 0;
    Contesto x;
    x.intervalli = modo == ModoConteggio::Intervalli;
    x.n = s.n;
    x.celle = s.n * s.n;
    x.tutte = static_cast<Maschera>((1u << s.n) - 1);
    for (int i = 0; i < x.celle; ++i) {
        x.riga[i] = static_cast<uint8_t>(i / s.n);
        x.colonna[i] = static_cast<uint8_t>(i % s.n);
    }
    for (int a = 0; a < s.n; ++a)
        for (int k = 0; k < s.n; ++k) {
            x.linee[a][k] = static_cast<uint8_t>(a * s.n + k);
            x.linee[s.n + a][k] = static_cast<uint8_t>(k * s.n + a);
        }
    for (const auto& [magg, min] : CoppieSegni(s)) {
        Legami& a = x.legami[magg];
        Legami& b = x.legami[min];
        a.l[a.quanti++] = {min, true};
        b.l[b.quanti++] = {magg, false};
    }
    x.limite = limite;
    x.soluzione = soluzione;
    Stato st;
    Coda q;
    for (int i = 0; i < x.celle; ++i) {
        const int d = s.dato[i];
        if (d > s.n) return 0;
        st.c[i] = d ? static_cast<Maschera>(1u << (d - 1)) : x.tutte;
        q.Aggiungi(x, i);
    }
    q.linee = (1u << (2 * s.n)) - 1;
    Cerca(x, st, q);
    if (nodi) *nodi = x.nodi;
    return x.trovate < limite ? x.trovate : limite;
}

int ContaSoluzioni(const Schema& s, int limite) {
    const auto letto = SchemaBitDa(s);
    if (!letto || !letto->DatiValidi) return 0;
    return ContaSoluzioni(letto->schema, limite);
}

}  // namespace kelvaro
