#include "production/logica.h"

#include <bit>

namespace kelvaro {

namespace {

inline bool Singolo(Maschera m) {
    return (m & (m - 1)) == 0;
}
inline int Conta(Maschera m) {
    return ContaCifre(m);
}
inline Maschera Minimo(Maschera m) {
    return m & static_cast<Maschera>(-m);
}
inline Maschera Massimo(Maschera m) {
    return m ? static_cast<Maschera>(1u << (std::bit_width(unsigned{m}) - 1)) : 0;
}
// Bits up to and including b (b a single bit).
inline Maschera FinoA(Maschera b) {
    return static_cast<Maschera>((b << 1) - 1);
}

// Neighbours a cell is compared with along one line: -1 when the flag is absent.
struct Confronto {
    int8_t prec = -1;
    int8_t succ = -1;
};

struct Logica {
    int n = 0;
    int celle = 0;
    Maschera tutte = 0;
    // per cell: horizontal greater, horizontal less, vertical greater, vertical less
    std::array<std::array<Confronto, 4>, CelleMax> conf{};
    std::array<Maschera, CelleMax> c{};
    std::array<bool, CelleMax> posto{};
    // Candidates as the last sign sweep, subset search and Swordfish search saw them.
    std::array<Maschera, CelleMax> vistoMult{}, vistoSwf{};
    // Cells waiting to be looked at (each at most once in the queue), lines to scan for hidden
    // singles.
    std::array<uint8_t, CelleMax> coda{};
    std::array<bool, CelleMax> inCoda{};
    unsigned inizio = 0, fine = 0;
    uint32_t righeDaVedere = 0, colonneDaVedere = 0;
    // Per cell, the bounds that read it (at most one per neighbour and direction).
    std::array<std::array<uint16_t, 8>, CelleMax> dipendenti{};
    std::array<uint8_t, CelleMax> numDipendenti{};
    std::array<std::array<uint8_t, DimMax>, 2 * DimMax> linee{};  // rows, then columns
    // One bound per cell and direction that carries a sign.
    struct RegolaSegno {
        uint8_t cella;
        bool maggiore;
        Confronto vicini;
    };
    std::array<RegolaSegno, 4 * CelleMax> regole{};
    int numRegole = 0;

    explicit Logica(const SchemaBit& s)
        : n(s.n), celle(s.n * s.n), tutte(static_cast<Maschera>((1u << s.n) - 1)) {
        for (int a = 0; a < n; ++a)
            for (int k = 0; k < n; ++k) {
                linee[a][k] = static_cast<uint8_t>(a * n + k);
                linee[n + a][k] = static_cast<uint8_t>(k * n + a);
            }
        for (int i = 0; i < celle; ++i) {
            const int r = i / n, col = i % n;
            const uint8_t f = s.segni[i];
            auto vicino = [&](bool flag, int r2, int c2) -> int8_t {
                if (!flag || r2 < 0 || r2 >= n || c2 < 0 || c2 >= n) return -1;
                return static_cast<int8_t>(r2 * n + c2);
            };
            conf[i][0] = {vicino(f & MagSin, r, col - 1), vicino(f & MagDes, r, col + 1)};
            conf[i][1] = {vicino(f & MinSin, r, col - 1), vicino(f & MinDes, r, col + 1)};
            conf[i][2] = {vicino(f & MagSu, r - 1, col), vicino(f & MagGiu, r + 1, col)};
            conf[i][3] = {vicino(f & MinSu, r - 1, col), vicino(f & MinGiu, r + 1, col)};
            for (int d = 0; d < 4; ++d)
                if (conf[i][d].prec >= 0 || conf[i][d].succ >= 0) {
                    for (const int8_t v : {conf[i][d].prec, conf[i][d].succ})
                        if (v >= 0) dipendenti[v][numDipendenti[v]++] = static_cast<uint16_t>(numRegole);
                    regole[numRegole++] = {static_cast<uint8_t>(i), d == 0 || d == 2, conf[i][d]};
                }
            c[i] = s.dato[i] ? static_cast<Maschera>(1u << (s.dato[i] - 1)) : tutte;
            posto[i] = false;
            inCoda[i] = true;
            coda[fine++] = static_cast<uint8_t>(i);
        }
        righeDaVedere = colonneDaVedere = (1u << n) - 1;
    }

    int Cella(int linea, int k) const { return linee[linea][k]; }

    // A cell's candidates shrink: it goes on the queue of cells to look at.
    void Restringi(int i, Maschera nuova) {
        if (nuova == c[i]) return;
        c[i] = nuova;
        righeDaVedere |= 1u << (i / n);
        colonneDaVedere |= 1u << (i % n);
        if (!inCoda[i]) {
            inCoda[i] = true;
            coda[fine++ % CelleMax] = static_cast<uint8_t>(i);
        }
    }

    // Hidden singles of one line: false on a digit without a place.
    bool Nascosti(int l) {
        const auto& linea = linee[l];
        Maschera una = 0, due = 0;
        for (int k = 0; k < n; ++k) {
            const Maschera m = c[linea[k]];
            due |= una & m;
            una |= m;
        }
        if (una != tutte) return false;
        Maschera uniche = una & static_cast<Maschera>(~due);
        for (int k = 0; k < n && uniche; ++k) {
            const int i = linea[k];
            const Maschera qui = c[i] & uniche;
            if (!qui || Singolo(c[i])) continue;
            uniche &= static_cast<Maschera>(~qui);
            Restringi(i, Minimo(qui));  // two digits that fit only here leave the other unplaced
        }
        return true;
    }

    // Singles (naked and hidden) and sign bounds, driven by the cells that changed, until nothing
    // changes; false on a contradiction.
    bool Propaga() {
        for (;;) {
            while (inizio != fine) {
                const int j = coda[inizio++ % CelleMax];
                inCoda[j] = false;
                const Maschera m = c[j];
                if (m == 0) return false;
                if (Singolo(m) && !posto[j]) {
                    posto[j] = true;
                    const Maschera via = static_cast<Maschera>(~m);
                    const int r = j / n, col = j % n;
                    for (int k = 0; k < n; ++k) {
                        const int tr = r * n + k, tc = k * n + col;
                        if (tr != j && (c[tr] & m)) {
                            if ((c[tr] & via) == 0) return false;
                            Restringi(tr, c[tr] & via);
                        }
                        if (tc != j && (c[tc] & m)) {
                            if ((c[tc] & via) == 0) return false;
                            Restringi(tc, c[tc] & via);
                        }
                    }
                }
                for (int k = 0; k < numDipendenti[j]; ++k) {
                    const RegolaSegno& g = regole[dipendenti[j][k]];
                    Maschera via;
                    if (g.maggiore) {
                        const Maschera x = LimiteMaggiore(g.vicini);
                        via = x ? FinoA(x) : 0;
                    } else {
                        const Maschera x = LimiteMinore(g.vicini);
                        via = x ? static_cast<Maschera>(tutte & ~(x - 1)) : 0;
                    }
                    if (c[g.cella] & via) {
                        const Maschera nuova = c[g.cella] & static_cast<Maschera>(~via);
                        if (nuova == 0) return false;
                        Restringi(g.cella, nuova);
                    }
                }
            }
            if (!righeDaVedere && !colonneDaVedere) return true;
            const uint32_t righe = righeDaVedere, colonne = colonneDaVedere;
            righeDaVedere = colonneDaVedere = 0;
            for (int a = 0; a < n; ++a) {
                if ((righe >> a & 1) && !Nascosti(a)) return false;
                if ((colonne >> a & 1) && !Nascosti(n + a)) return false;
            }
        }
    }

    // Bound a cell gets from the neighbours it must exceed (digits up to it go), as the step
    // solver computes it; 0 when the neighbours give none.
    Maschera LimiteMaggiore(const Confronto& k) const {
        if (k.prec >= 0 && k.succ >= 0) {
            const Maschera a = c[k.prec], b = c[k.succ];
            const Maschera ma = Minimo(a), mb = Minimo(b);
            if (ma != mb) return ma > mb ? ma : mb;
            if (Singolo(a) || Singolo(b)) return 0;
            const Maschera sa = Minimo(a ^ ma), sb = Minimo(b ^ mb);
            return sa < sb ? sa : sb;
        }
        if (k.prec >= 0) return Minimo(c[k.prec]);
        if (k.succ >= 0) return Minimo(c[k.succ]);
        return 0;
    }
    Maschera LimiteMinore(const Confronto& k) const {
        if (k.prec >= 0 && k.succ >= 0) {
            const Maschera a = c[k.prec], b = c[k.succ];
            const Maschera ma = Massimo(a), mb = Massimo(b);
            if (ma != mb) return ma < mb ? ma : mb;
            if (Singolo(a) || Singolo(b)) return 0;
            const Maschera sa = Massimo(a ^ ma), sb = Massimo(b ^ mb);
            return sa > sb ? sa : sb;
        }
        if (k.prec >= 0) return Massimo(c[k.prec]);
        if (k.succ >= 0) return Massimo(c[k.succ]);
        return 0;
    }

    // One sweep of the sign bounds: 1 something removed, 0 nothing, -1 a cell emptied.
    // A line unchanged since the last search holds no new group.
    bool Multipli() {
        std::array<bool, CelleMax> cambiata;
        for (int i = 0; i < celle; ++i) {
            cambiata[i] = c[i] != vistoMult[i];
            vistoMult[i] = c[i];
        }
        bool cambiato = false;
        for (int l = 0; l < 2 * n; ++l) {
            bool nuova = false;
            for (int k = 0; k < n; ++k) nuova = nuova || cambiata[Cella(l, k)];
            if (!nuova) continue;
            std::array<int, DimMax> aperte{};
            int na = 0;
            for (int k = 0; k < n; ++k)
                if (!Singolo(c[Cella(l, k)])) aperte[na++] = Cella(l, k);
            if (na < 3) continue;  // a group must leave some undecided cell to strike from
            auto togli = [&](Maschera unione, uint32_t gruppo) {
                for (int k = 0; k < na; ++k) {
                    if (gruppo >> k & 1) continue;
                    const int i = aperte[k];
                    if (c[i] & unione) {
                        Restringi(i, c[i] & static_cast<Maschera>(~unione));
                        cambiato = true;
                    }
                }
            };
            for (int a = 0; a < na; ++a)
                for (int b = a + 1; b < na; ++b) {
                    const Maschera u2 = c[aperte[a]] | c[aperte[b]];
                    if (Conta(u2) == 2) togli(u2, 1u << a | 1u << b);
                    if (Conta(u2) > 4) continue;
                    for (int d = b + 1; d < na; ++d) {
                        const Maschera u3 = u2 | c[aperte[d]];
                        if (Conta(u3) == 3) togli(u3, 1u << a | 1u << b | 1u << d);
                        if (Conta(u3) > 4) continue;
                        for (int e = d + 1; e < na; ++e) {
                            const Maschera u4 = u3 | c[aperte[e]];
                            if (Conta(u4) == 4) togli(u4, 1u << a | 1u << b | 1u << d | 1u << e);
                        }
                    }
                }
        }
        return cambiato;
    }

    // Swordfish on two lines (columns, then rows) for each digit.
    // A digit none of whose cells changed since the last search gives nothing new.
    bool Swordfish() {
        Maschera cifreNuove = 0;
        for (int i = 0; i < celle; ++i) {
            if (c[i] != vistoSwf[i]) cifreNuove |= c[i] | vistoSwf[i];
            vistoSwf[i] = c[i];
        }
        bool cambiato = false;
        for (int tipo = 0; tipo < 2; ++tipo) {
            const int base = tipo == 0 ? n : 0;  // columns first, as the step solver looks
            for (int v = 0; v < n; ++v) {
                const Maschera bit = static_cast<Maschera>(1u << v);
                if (!(cifreNuove & bit)) continue;
                std::array<Maschera, DimMax> pos{};
                for (int l = 0; l < n; ++l)
                    for (int k = 0; k < n; ++k) {
                        const Maschera m = c[Cella(base + l, k)];
                        if ((m & bit) && !Singolo(m)) pos[l] |= static_cast<Maschera>(1u << k);
                    }
                for (int l1 = 0; l1 < n; ++l1) {
                    if (Conta(pos[l1]) != 2) continue;
                    for (int l2 = l1 + 1; l2 < n; ++l2) {
                        if (pos[l2] != pos[l1]) continue;
                        for (int m = 0; m < n; ++m) {
                            if (m == l1 || m == l2 || !(pos[m] & pos[l1])) continue;
                            for (int k = 0; k < n; ++k)
                                if (pos[l1] >> k & 1) {
                                    const int i = Cella(base + m, k);
                                    if ((c[i] & bit) && !Singolo(c[i])) {
                                        Restringi(i, c[i] & static_cast<Maschera>(~bit));
                                        cambiato = true;
                                    }
                                }
                            pos[m] &= static_cast<Maschera>(~pos[l1]);
                        }
                    }
                }
            }
        }
        return cambiato;
    }

    bool TuttiDecisi() const {
        for (int i = 0; i < celle; ++i)
            if (!Singolo(c[i])) return false;
        return true;
    }
};

}  // namespace

RisultatoLogica RisolviLogica(const SchemaBit& s, int tecniche) {
    RisultatoLogica out;
    if (s.n < 1 || s.n > DimMax) {
        out.esito = EsitoLogica::Contraddizione;
        return out;
    }
    Logica x(s);
    for (;;) {
        if (!x.Propaga()) {
            out.esito = EsitoLogica::Contraddizione;
            break;
        }
        if (x.TuttiDecisi()) {
            out.esito = EsitoLogica::Risolto;
            break;
        }
        if ((tecniche & 1) && x.Multipli()) {
            out.UsaMultipli = true;
            continue;
        }
        if ((tecniche & 2) && x.Swordfish()) {
            out.UsaSwordfish = true;
            continue;
        }
        out.esito = EsitoLogica::Bloccato;
        break;
    }
    out.candidati = x.c;
    return out;
}

}  // namespace kelvaro
