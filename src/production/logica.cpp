#include "production/logica.h"

#include <bit>

#include "solver/tecniche.h"

namespace kelvaro {

// What a size's cells are to each other, the same for every schema of that size.
struct GeometriaLogica {
    std::array<std::array<uint8_t, DimMax>, 2 * DimMax> linee{};  // rows, then columns
    // Per cell, its neighbours left, right, up, down; -1 outside the grid.
    std::array<std::array<int8_t, 4>, CelleMax> vicini{};
    // Per cell, the bounds of its neighbours that read it: the neighbour, the bound's direction
    // (as in Regola) and the neighbour's flag that makes the bound read this cell.
    struct Lettore {
        uint8_t cella;
        uint8_t d;
        uint8_t flag;
    };
    std::array<std::array<Lettore, 8>, CelleMax> lettori{};
    std::array<uint8_t, CelleMax> numLettori{};
};

namespace {

// Per bound direction (horizontal greater, horizontal less, vertical greater, vertical less): the
// flags naming the neighbour before and after the cell along the line.
constexpr std::array<uint8_t, 4> FlagPrec{MagSin, MinSin, MagSu, MinSu};
constexpr std::array<uint8_t, 4> FlagSucc{MagDes, MinDes, MagGiu, MinGiu};

GeometriaLogica CostruisciGeometriaLogica(int n) {
    GeometriaLogica g;
    for (int a = 0; a < n; ++a)
        for (int k = 0; k < n; ++k) {
            g.linee[a][k] = static_cast<uint8_t>(a * n + k);
            g.linee[n + a][k] = static_cast<uint8_t>(k * n + a);
        }
    for (int i = 0; i < n * n; ++i) {
        const int r = i / n, c = i % n;
        auto dentro = [n](int r2, int c2) -> int8_t {
            return r2 < 0 || r2 >= n || c2 < 0 || c2 >= n ? int8_t{-1} : static_cast<int8_t>(r2 * n + c2);
        };
        g.vicini[i] = {dentro(r, c - 1), dentro(r, c + 1), dentro(r - 1, c), dentro(r + 1, c)};
    }
    for (int i = 0; i < n * n; ++i)
        for (int d = 0; d < 4; ++d) {
            const bool verticale = d >= 2;
            const int8_t prec = g.vicini[i][verticale ? 2 : 0], succ = g.vicini[i][verticale ? 3 : 1];
            if (prec >= 0)
                g.lettori[prec][g.numLettori[prec]++] = {static_cast<uint8_t>(i), static_cast<uint8_t>(d),
                                                         FlagPrec[d]};
            if (succ >= 0)
                g.lettori[succ][g.numLettori[succ]++] = {static_cast<uint8_t>(i), static_cast<uint8_t>(d),
                                                         FlagSucc[d]};
        }
    return g;
}

const GeometriaLogica& GeometriaDi(int n) {
    static const std::array<GeometriaLogica, DimMax + 1> tutte = [] {
        std::array<GeometriaLogica, DimMax + 1> t{};
        for (int k = 1; k <= DimMax; ++k) t[k] = CostruisciGeometriaLogica(k);
        return t;
    }();
    return tutte[n];
}

}  // namespace

StatoLogico::StatoLogico(int n, int tecniche)
    : n_(n < 1 || n > DimMax ? 0 : n),
      geo_(&GeometriaDi(n_)),
      tecniche_(tecniche),
      tutte_(TutteLeCifre(n_)),
      aperte_(n_ > 1 ? n_ * n_ : 0),
      vuota_(n_ == 0) {
    for (int i = 0; i < n_ * n_; ++i) c_[i] = tutte_;
    righeDaVedere_ = colonneDaVedere_ = (1u << n_) - 1;
}

StatoLogico::StatoLogico(const SchemaBit& s, int tecniche) : StatoLogico(s.n, tecniche) {
    for (int i = 0; i < n_ * n_; ++i) {
        if (s.dato[i]) AggiungiDato(i, s.dato[i]);
        if (s.segni[i]) AggiungiSegni(i, s.segni[i]);
    }
}

void StatoLogico::AggiungiDato(int cella, int cifra) {
    if (cella < 0 || cella >= n_ * n_) return;
    Restringi(cella, c_[cella] & BitCifra(cifra));
}

void StatoLogico::AggiungiSegni(int cella, uint8_t flag) {
    if (cella < 0 || cella >= n_ * n_ || !(flag & ~segni_[cella])) return;
    segni_[cella] |= flag;
    for (int d = 0; d < 4; ++d)
        if (flag & (FlagPrec[d] | FlagSucc[d])) Regola(cella, d);
}

// A cell's candidates shrink: it goes on the queue, its lines to the scan for hidden singles.
void StatoLogico::Restringi(int i, Maschera nuova) {
    const Maschera prima = c_[i];
    if (nuova == prima) return;
    c_[i] = nuova;
    if (Indecisa(prima) && !Indecisa(nuova)) --aperte_;
    if (!nuova) vuota_ = true;
    righeDaVedere_ |= 1u << (i / n_);
    colonneDaVedere_ |= 1u << (i % n_);
    lineeMult_ |= 1u << (i / n_) | 1u << (DimMax + i % n_);
    cifreSwf_ |= prima;
    if (!inCoda_[i]) {
        inCoda_[i] = true;
        coda_[fine_++ % CelleMax] = static_cast<uint8_t>(i);
    }
}

// The sign bound of one cell along one line (d as FlagPrec) from its neighbours' candidates.
void StatoLogico::Regola(int cella, int d) {
    const GeometriaLogica& g = *geo_;
    const uint8_t f = segni_[cella];
    const bool verticale = d >= 2;
    const int8_t p = g.vicini[cella][verticale ? 2 : 0], s = g.vicini[cella][verticale ? 3 : 1];
    const Maschera prec = (f & FlagPrec[d]) && p >= 0 ? c_[p] : Maschera{0};
    const Maschera succ = (f & FlagSucc[d]) && s >= 0 ? c_[s] : Maschera{0};
    if (!prec && !succ) return;
    // The bound is one of the neighbours' candidates: a cell already above all of them ("greater")
    // or below all of them ("less") has nothing to lose.
    const Maschera qui = c_[cella], vicini = prec | succ;
    if (d % 2 == 0 ? MinimoDi(qui) > MassimoDi(vicini) : MassimoDi(qui) < MinimoDi(vicini)) return;
    const Maschera via = c_[cella] & EsclusiDaSegno(d % 2 == 0, prec, succ);
    if (via) Restringi(cella, c_[cella] & static_cast<Maschera>(~via));
}

// Hidden singles of one line: false on a digit without a place.
bool StatoLogico::Nascosti(int l) {
    const auto& linea = geo_->linee[l];
    const Presenze pr = ContaLinea(n_, [&](int k) { return c_[linea[k]]; });
    if (Mancanti(pr, tutte_)) return false;
    Maschera uniche = SingoliNascosti(pr);
    for (int k = 0; k < n_ && uniche; ++k) {
        const int i = linea[k];
        const Maschera qui = c_[i] & uniche;
        if (!qui) continue;
        uniche &= static_cast<Maschera>(~qui);
        Restringi(i, MinimoDi(qui));  // two digits that fit only here leave one unplaced
    }
    return true;
}

// Singles (naked and hidden) and sign bounds, driven by the cells that changed, until nothing
// changes; false on a contradiction.
bool StatoLogico::Propaga(bool haSoluzione) {
    const GeometriaLogica& g = *geo_;
    for (;;) {
        while (inizio_ != fine_) {
            if (vuota_) return false;
            if (haSoluzione && aperte_ == 0) return true;
            const int j = coda_[inizio_++ % CelleMax];
            inCoda_[j] = false;
            const Maschera m = c_[j];
            if (!Indecisa(m) && !posto_[j]) {
                posto_[j] = true;
                TogliDallaCroce(n_, j / n_, j % n_, m, c_.data(), [this](int i, Maschera nuova) {
                    Restringi(i, nuova);
                    return true;
                });
            }
            for (int k = 0; k < g.numLettori[j]; ++k) {
                const GeometriaLogica::Lettore& l = g.lettori[j][k];
                if (segni_[l.cella] & l.flag) Regola(l.cella, l.d);
            }
        }
        if (vuota_) return false;
        if ((haSoluzione && aperte_ == 0) || (!righeDaVedere_ && !colonneDaVedere_)) return true;
        const uint32_t righe = righeDaVedere_, colonne = colonneDaVedere_;
        righeDaVedere_ = colonneDaVedere_ = 0;
        for (int a = 0; a < n_; ++a) {
            if ((righe >> a & 1) && !Nascosti(a)) return false;
            if ((colonne >> a & 1) && !Nascosti(n_ + a)) return false;
        }
    }
}

// Naked subsets in every line that changed since the last search (a line unchanged holds no
// new group); true when something was struck.
bool StatoLogico::Multipli() {
    const GeometriaLogica& g = *geo_;
    const uint32_t linee = lineeMult_;
    lineeMult_ = 0;
    bool cambiato = false;
    for (int l = 0; l < 2 * n_; ++l) {
        if (!(linee >> (l < n_ ? l : DimMax + l - n_) & 1)) continue;
        const auto& linea = g.linee[l];
        std::array<Maschera, DimMax> celle{};
        int aperte = 0;
        std::array<int, DimMax + 1> perNumero{};  // undecided cells by number of candidates
        for (int k = 0; k < n_; ++k) {
            celle[k] = c_[linea[k]];
            if (Indecisa(celle[k])) {
                ++aperte;
                ++perNumero[ContaCifre(celle[k])];
            }
        }
        // A group of k strikes only from an undecided cell outside it, and needs k cells with at
        // most k candidates.
        Gruppo gr;
        int piccole = 0;
        for (int k = 2; k <= 4 && k < aperte; ++k) {
            piccole += perNumero[k];
            if (piccole < k) continue;
            while (k < aperte && VerificaMult(celle.data(), n_, k, gr)) {
                for (int p = 0; p < n_; ++p) {
                    if ((gr.Posizioni >> p & 1) || !(celle[p] & gr.Cifre)) continue;
                    Restringi(linea[p], celle[p] & static_cast<Maschera>(~gr.Cifre));
                    if (!Indecisa(c_[linea[p]])) --aperte;
                    celle[p] = c_[linea[p]];
                }
                cambiato = true;
            }
        }
    }
    return cambiato;
}

// Swordfish on two lines (columns, then rows) for every digit that changed somewhere since the
// last search.
bool StatoLogico::Swordfish() {
    const Maschera cifreNuove = cifreSwf_ & tutte_;
    cifreSwf_ = 0;
    if (!cifreNuove) return false;
    // Per digit and line, the positions of the undecided cells holding it: [0] per column (rows),
    // [1] per row (columns); one pass over the grid for every digit.
    std::array<std::array<std::array<uint16_t, DimMax>, DimMax>, 2> pos{};
    for (int i = 0; i < n_ * n_; ++i) {
        const Maschera m = c_[i];
        if (!Indecisa(m)) continue;
        const int r = i / n_, col = i % n_;
        for (Maschera resto = m; resto; resto &= static_cast<Maschera>(resto - 1)) {
            const int v = std::countr_zero(unsigned{resto});
            pos[0][v][col] |= static_cast<uint16_t>(1u << r);
            pos[1][v][r] |= static_cast<uint16_t>(1u << col);
        }
    }
    // A cell loses a digit: the positions follow. A cell this leaves decided keeps its place for
    // its last digit until the singles have taken that digit from its lines: a line still holding
    // it elsewhere must not look like a line with two places for it.
    auto togli = [&](int r, int col, Maschera bit) {
        const int i = r * n_ + col;
        Restringi(i, c_[i] & static_cast<Maschera>(~bit));
        const int v = std::countr_zero(unsigned{bit});
        pos[0][v][col] &= static_cast<uint16_t>(~(1u << r));
        pos[1][v][r] &= static_cast<uint16_t>(~(1u << col));
    };
    bool cambiato = false;
    for (int tipo = 0; tipo < 2; ++tipo)
        for (int v = 0; v < n_; ++v) {
            const Maschera bit = static_cast<Maschera>(1u << v);
            if (!(cifreNuove & bit)) continue;
            auto& p = pos[tipo][v];
            CoppiaLinee cp;
            while (VerificaSwf(p.data(), n_, cp)) {
                const uint16_t colpite = p[cp.Prima];
                for (int m = 0; m < n_; ++m) {
                    if (m == cp.Prima || m == cp.Seconda) continue;
                    for (uint16_t qui = p[m] & colpite; qui; qui &= static_cast<uint16_t>(qui - 1)) {
                        const int k = std::countr_zero(unsigned{qui});
                        if (tipo == 0)
                            togli(k, m, bit);
                        else
                            togli(m, k, bit);
                    }
                }
                cambiato = true;
            }
        }
    return cambiato;
}

EsitoLogica StatoLogico::Avanza(bool haSoluzione) {
    for (;;) {
        if (!Propaga(haSoluzione)) return EsitoLogica::Contraddizione;
        if (aperte_ == 0) return EsitoLogica::Risolto;
        if ((tecniche_ & 1) && Multipli()) {
            usaMultipli_ = true;
            continue;
        }
        if ((tecniche_ & 2) && Swordfish()) {
            usaSwordfish_ = true;
            continue;
        }
        return EsitoLogica::Bloccato;
    }
}

RisultatoLogica RisolviLogica(const SchemaBit& s, int tecniche) {
    RisultatoLogica out;
    StatoLogico x(s, tecniche);
    out.esito = x.Avanza(false);
    out.UsaMultipli = x.UsaMultipli();
    out.UsaSwordfish = x.UsaSwordfish();
    out.candidati = x.Candidati();
    return out;
}

}  // namespace kelvaro
