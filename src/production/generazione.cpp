#include "production/generazione.h"

#include <algorithm>
#include <bit>

#include "model/casuale.h"
#include "model/testo.h"
#include "production/logica.h"
#include "solver/risolvi.h"
#include "solver/tecniche.h"
#include "solver/valutazione.h"

namespace kelvaro {

int RispostaCiclo1(Cicli& k, const Impostazioni& imp) {
    if (k.MisuraCiclo <= imp.Soglia) return RispostaNo;
    if (!imp.GenCont) return 0;
    if (k.ContaCiclo1 == 255) return RispostaNo;  // a Byte cannot count further
    ++k.ContaCiclo1;
    if (k.ContaCiclo1 <= imp.MaxCiclo1) {
        k.ContaCiclo2 = 0;
        return RispostaSi;
    }
    return RispostaNo;
}

int RispostaCiclo2(Cicli& k, const Impostazioni& imp) {
    if (k.MisuraCiclo <= imp.Soglia) return RispostaNo;
    if (!imp.GenCont) return 0;
    if (k.ContaCiclo2 == 255) return RispostaNo;
    ++k.ContaCiclo2;
    return k.ContaCiclo2 < imp.MaxCiclo2 ? RispostaSi : RispostaNo;
}

namespace {

// A whole number 0..k-1 from the program's random draw.
int Estrai(int k) {
    return static_cast<int>(GeneraCasuale(k)) - 1;
}

template <typename T>
void Mescola(std::vector<T>& v) {
    for (int i = static_cast<int>(v.size()) - 1; i > 0; --i) std::swap(v[i], v[Estrai(i + 1)]);
}

// One row of a Latin square under the rows already made: a perfect matching of the columns to
// the digits their column still lacks, found by augmenting paths tried in random order. Rows made
// so always leave room for the next (a Latin rectangle always extends), so no row is ever undone:
// a backtracking fill cell by cell now and then wanders for a long time on a large grid.
class RigaLatina {
public:
    RigaLatina(int n, const std::array<Maschera, DimMax>& colonne) : n_(n), colonne_(colonne) {
        colonnaDi_.fill(-1);
    }
    // cifra[c]: the digit (0-based) of column c.
    void Trova(std::array<int, DimMax>& cifra) {
        std::array<int, DimMax> ordine{};
        for (int c = 0; c < n_; ++c) ordine[c] = c;
        for (int i = n_ - 1; i > 0; --i) std::swap(ordine[i], ordine[Estrai(i + 1)]);
        for (int k = 0; k < n_; ++k) {
            viste_ = 0;
            Aumenta(ordine[k]);
        }
        for (int v = 0; v < n_; ++v)
            if (colonnaDi_[v] >= 0) cifra[colonnaDi_[v]] = v;
    }

private:
    bool Aumenta(int c) {
        std::array<int, DimMax> cifre{};
        int quante = 0;
        const Maschera libere = TutteLeCifre(n_) & static_cast<Maschera>(~colonne_[c]);
        for (int v = 0; v < n_; ++v)
            if (libere >> v & 1) cifre[quante++] = v;
        for (int i = quante - 1; i > 0; --i) std::swap(cifre[i], cifre[Estrai(i + 1)]);
        for (int k = 0; k < quante; ++k) {
            const int v = cifre[k];
            if (viste_ >> v & 1) continue;
            viste_ |= 1u << v;
            if (colonnaDi_[v] < 0 || Aumenta(colonnaDi_[v])) {
                colonnaDi_[v] = c;
                return true;
            }
        }
        return false;
    }

    int n_;
    const std::array<Maschera, DimMax>& colonne_;
    std::array<int, DimMax> colonnaDi_{};  // the column each digit has, -1 none yet
    unsigned viste_ = 0;                   // digits the current augmenting search has passed
};

}  // namespace

std::array<uint8_t, CelleMax> GrigliaCasuale(int n) {
    std::array<uint8_t, CelleMax> g{};
    std::array<Maschera, DimMax> colonne{};  // digits each column has so far
    for (int r = 0; r < n; ++r) {
        std::array<int, DimMax> cifra{};
        RigaLatina(n, colonne).Trova(cifra);
        for (int c = 0; c < n; ++c) {
            g[r * n + c] = static_cast<uint8_t>(cifra[c] + 1);
            colonne[c] |= static_cast<Maschera>(1u << cifra[c]);
        }
    }
    return g;
}

std::vector<SegnoGrid> TuttiISegni(int n, const std::array<uint8_t, CelleMax>& sol) {
    std::vector<SegnoGrid> segni;
    for (int i = 0; i < n * n; ++i) {
        const int r = i / n, c = i % n;
        auto aggiungi = [&](int j) {
            const auto a = static_cast<uint8_t>(i), b = static_cast<uint8_t>(j);
            segni.push_back(sol[i] > sol[j] ? SegnoGrid{a, b} : SegnoGrid{b, a});
        };
        if (c + 1 < n) aggiungi(i + 1);
        if (r + 1 < n) aggiungi(i + n);
    }
    return segni;
}

namespace {

// The flags of one sign: `fm` on the greater cell, `fn` on the smaller one.
void FlagSegno(int n, const SegnoGrid& g, uint8_t& fm, uint8_t& fn) {
    if (g.min == g.magg + 1) {
        fm = MagDes, fn = MinSin;
    } else if (g.min + 1 == g.magg) {
        fm = MagSin, fn = MinDes;
    } else if (g.min == g.magg + n) {
        fm = MagGiu, fn = MinSu;
    } else {
        fm = MagSu, fn = MinGiu;
    }
}

}  // namespace

void ImpostaSegno(SchemaBit& s, const SegnoGrid& g, bool presente) {
    uint8_t fm, fn;
    FlagSegno(s.n, g, fm, fn);
    if (presente) {
        s.segni[g.magg] |= fm;
        s.segni[g.min] |= fn;
    } else {
        s.segni[g.magg] &= static_cast<uint8_t>(~fm);
        s.segni[g.min] &= static_cast<uint8_t>(~fn);
    }
}

Schema SchemaDaProdotto(const SchemaProdotto& p) {
    const int n = p.schema.n;
    Schema s;
    s.Sizesc = n;
    for (int i = 0; i < n * n; ++i) {
        const int r = i / n + 1, c = i % n + 1;
        s.tblSchema[r][c] = std::string(1, static_cast<char>('0' + p.schema.dato[i]));
        s.tblSoluzione[r][c] = std::string(1, static_cast<char>('0' + p.soluzione[i]));
    }
    auto cella = [n](int i) {
        return std::string{static_cast<char>('1' + i / n), static_cast<char>('1' + i % n)};
    };
    for (const SegnoGrid& g : TuttiISegni(n, p.soluzione)) {
        const uint8_t f = p.schema.segni[g.magg];
        const bool presente = (g.min == g.magg + 1 && (f & MagDes)) ||
                              (g.min + 1 == g.magg && (f & MagSin)) ||
                              (g.min == g.magg + n && (f & MagGiu)) || (g.min + n == g.magg && (f & MagSu));
        if (presente) s.Vincoli.push_back(cella(g.magg) + cella(g.min));
    }
    CostruisciSegni(s);
    s.Caricato = true;
    return s;
}

bool RisoltoSenzaTentativi(Schema& s, Risolutore& ris, int tecniche, LogSoluzione* log) {
    // Only the count of trials is read; the draws are the process-wide sequence's.
    RisolviPiano(s, ris, tecniche, nullptr, log);
    ris.MaxLivello = 99;
    ris.MostraLog = false;
    if (!ris.Risolto || ris.NumProve > 0) return false;
    const int n = s.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (s.tblRisolto[r][c] != s.tblSoluzione[r][c]) return false;
    return true;
}

namespace {

// The work of one generation step.
class Generatore {
public:
    Generatore(int n, int dati, int profondita, int tecniche)
        : n_(n),
          dati_(std::clamp(dati, 0, n * n)),
          profondita_(std::max(1, profondita)),
          tecniche_(tecniche) {}

    // Primary cycle: new grid, its givens, every sign, then a removal pass. Signs and givens
    // often leave a large grid open (two digits never side by side can swap): then a random cell
    // the techniques leave undecided becomes a given too, until the schema is solved. A given
    // only takes candidates away, so each round goes on from where the last one stopped.
    void NuovaGriglia() {
        p_ = SchemaProdotto{};
        p_.schema.n = n_;
        p_.soluzione = GrigliaCasuale(n_);
        std::vector<int> celle(static_cast<size_t>(n_ * n_));
        for (int i = 0; i < n_ * n_; ++i) celle[i] = i;
        Mescola(celle);
        for (int k = 0; k < dati_; ++k) p_.schema.dato[celle[k]] = p_.soluzione[celle[k]];
        segni_ = TuttiISegni(n_, p_.soluzione);
        attivo_.assign(segni_.size(), true);
        necessario_.assign(segni_.size(), false);
        for (const SegnoGrid& g : segni_) ImpostaSegno(p_.schema, g, true);
        StatoLogico stato = SoloDati();
        for (const SegnoGrid& g : segni_) Aggiungi(stato, g);
        while (stato.Avanza(true) != EsitoLogica::Risolto) {
            std::vector<int> aperte;
            for (int i = 0; i < n_ * n_; ++i)
                if (!p_.schema.dato[i] && ContaCifre(stato.Candidati()[i]) != 1) aperte.push_back(i);
            if (aperte.empty()) break;  // cannot happen with clues taken from one grid
            const int i = aperte[Estrai(static_cast<int>(aperte.size()))];
            p_.schema.dato[i] = p_.soluzione[i];
            stato.AggiungiDato(i, p_.soluzione[i]);
        }
        Riduci();
    }

    // Removal pass: signs in random order, each removed when the schema stays solvable; ends
    // after `profondita_` failed attempts in a row (a sign that had to stay on a fuller schema
    // has to stay now: it counts as failed without a check).
    void Riduci() {
        ordine_.clear();
        for (int e = 0; e < static_cast<int>(segni_.size()); ++e)
            if (attivo_[e]) ordine_.push_back(e);
        Mescola(ordine_);
        falliti_ = 0;
        nuoviNecessari_.clear();
        StatoLogico fissi = SoloDati();
        for (size_t e = 0; e < segni_.size(); ++e)
            if (attivo_[e] && necessario_[e]) Aggiungi(fissi, segni_[e]);
        fissi.Avanza(true);
        Tratto(0, static_cast<int>(ordine_.size()), fissi);
        p_.segni = static_cast<int>(std::count(attivo_.begin(), attivo_.end(), true));
        p_.livello = LivelloLogico(RisolviLogica(p_.schema, tecniche_));
    }

    const SchemaProdotto& Corrente() const { return p_; }

private:
    // The signs at positions lo..hi-1 of the order, in turn. `x` is the fixpoint of the givens,
    // the signs that stay and every sign from position hi on: when the sign at position k is
    // tried, those and the ones after k are exactly the schema asked about, so each half starts
    // from `x` with the other half's signs added, and a single sign's check is its state. A state
    // already solved solves every schema above it: its signs all go. False once the pass ends.
    bool Tratto(int lo, int hi, const StatoLogico& x) {
        if (x.Aperte() == 0 || hi - lo == 1 || !DaProvare(lo, hi)) {
            for (int k = lo; k < hi; ++k) {
                const int e = ordine_[k];
                if (necessario_[e] || x.Aperte() != 0) {
                    if (!necessario_[e]) nuoviNecessari_.push_back(e);
                    necessario_[e] = true;
                    if (++falliti_ >= profondita_) return false;
                } else {
                    attivo_[e] = false;
                    ImpostaSegno(p_.schema, segni_[e], false);
                    falliti_ = 0;
                }
            }
            return true;
        }
        const int mezzo = lo + (hi - lo) / 2;
        // A half whose signs all had to stay on a fuller schema asks nothing: no state for it.
        if (!DaProvare(lo, mezzo)) return Tratto(lo, mezzo, x) && Tratto(mezzo, hi, x);
        StatoLogico sx = x;
        for (int k = mezzo; k < hi; ++k)
            if (!necessario_[ordine_[k]]) Aggiungi(sx, segni_[ordine_[k]]);
        sx.Avanza(true);
        const size_t prima = nuoviNecessari_.size();
        if (!Tratto(lo, mezzo, sx)) return false;
        if (!DaProvare(mezzo, hi)) return Tratto(mezzo, hi, x);
        // The signs of the first half that had to stay join the second half's schemas.
        StatoLogico dx = x;
        for (size_t k = prima; k < nuoviNecessari_.size(); ++k) Aggiungi(dx, segni_[nuoviNecessari_[k]]);
        if (nuoviNecessari_.size() > prima) dx.Avanza(true);
        return Tratto(mezzo, hi, dx);
    }

    // Whether a sign at positions lo..hi-1 still needs a check.
    bool DaProvare(int lo, int hi) const {
        for (int k = lo; k < hi; ++k)
            if (!necessario_[ordine_[k]]) return true;
        return false;
    }
    StatoLogico SoloDati() const {
        StatoLogico s(n_, tecniche_);
        for (int i = 0; i < n_ * n_; ++i)
            if (p_.schema.dato[i]) s.AggiungiDato(i, p_.schema.dato[i]);
        return s;
    }
    void Aggiungi(StatoLogico& s, const SegnoGrid& g) const {
        uint8_t fm, fn;
        FlagSegno(n_, g, fm, fn);
        s.AggiungiSegni(g.magg, fm);
        s.AggiungiSegni(g.min, fn);
    }
    int n_, dati_, profondita_, tecniche_;
    SchemaProdotto p_;
    std::vector<SegnoGrid> segni_;
    std::vector<bool> attivo_;
    std::vector<bool> necessario_;     // removal failed once: fewer signs can only make it fail again
    std::vector<int> ordine_;          // the signs of the current removal pass, in turn
    int falliti_ = 0;                  // failed attempts in a row
    std::vector<int> nuoviNecessari_;  // signs this pass found necessary, in the order found
};

// Harder first (the level as a number: Swordfish outweighs subsets), then leaner.
bool Migliore(const SchemaProdotto& a, const SchemaProdotto& b) {
    if (a.livello != b.livello) return a.livello > b.livello;
    return a.segni < b.segni;
}

// Confirms a schema with the counter and the step solver; the solved schema, or nothing.
std::optional<Schema> Conferma(const SchemaProdotto& p, Risolutore& ris, int tecniche, LogSoluzione* log) {
    if (ContaSoluzioni(p.schema, 2) != 1) return std::nullopt;
    Schema s = SchemaDaProdotto(p);
    if (!RisoltoSenzaTentativi(s, ris, tecniche, log)) return std::nullopt;
    return s;
}

}  // namespace

EsitoGenerazione GeneraSchema(const Impostazioni& impostazioni, int n, Risolutore& ris, LogSoluzione* log,
                              const ConsegnaGenerato& consegna) {
    EsitoGenerazione esito;
    if (n < SizescMinimaGenerabile || n > DimMax) {
        esito.DimensioneNonValida = true;
        return esito;
    }
    Impostazioni imp = impostazioni;
    imp.GenCont = true;  // the questions answer from the counters
    // Every schema starts its cycles from zero, so every schema of a rule gets the same cycles
    // and no counter can pass 255.
    Cicli& cicli = esito.cicli;
    const int tecniche = imp.AttivaMultipli & 3;
    Generatore gen(n, imp.CelleIniziali, imp.MaxCercaVincoli, tecniche);

    std::vector<SchemaProdotto> raggiunti;
    // Confirms a schema and hands it over; false when it is not confirmed. `preso` is what the
    // taker said.
    auto consegnaSe = [&](const SchemaProdotto& p, bool& preso) {
        const auto s = Conferma(p, ris, imp.AttivaMultipli, log);
        if (!s) return false;
        preso = consegna(*s, ris);
        esito.Preso = esito.Preso || preso;
        return true;
    };
    auto fineCiclo = [&] {
        const SchemaProdotto& p = gen.Corrente();
        cicli.MisuraCiclo = static_cast<uint8_t>(std::min(p.segni, 255));
        raggiunti.push_back(p);
        bool preso = false;
        if (imp.OutputSchema && consegnaSe(p, preso)) esito.Fermato = !preso;
    };
    do {
        gen.NuovaGriglia();
        fineCiclo();
        while (!esito.Fermato && RispostaCiclo2(cicli, imp) == RispostaSi) {
            gen.Riduci();
            fineCiclo();
        }
    } while (!esito.Fermato && RispostaCiclo1(cicli, imp) == RispostaSi);

    if (!esito.Fermato && !esito.Preso) {
        // The hardest schema reached is the one kept; should the step solver disagree with the
        // bit-mask check on it, the next best is taken, then fresh grids.
        std::stable_sort(raggiunti.begin(), raggiunti.end(), Migliore);
        bool fatto = false, preso = false;
        for (const SchemaProdotto& p : raggiunti)
            if ((fatto = consegnaSe(p, preso))) break;
        for (int tentativo = 0; !fatto && tentativo < 100; ++tentativo) {
            gen.NuovaGriglia();
            fatto = consegnaSe(gen.Corrente(), preso);
        }
        esito.NessunoConfermato = !fatto;
    }
    return esito;
}

std::optional<AssettoGeneratore> AssettoPerDifficolta(Difficolta d, int n) {
    // Measured with kelvaro-cli genera and verifica, 10 schemas per size 5 and 9: with singles
    // and signs only, 60% of the cells given makes nearly every schema Facile and 20% mostly
    // Medio; naked subsets make Difficile; Swordfish too, mostly Esperto.
    switch (d) {
        case Difficolta::Facile:
            return AssettoGeneratore{0, n * n * 3 / 5};
        case Difficolta::Medio:
            return AssettoGeneratore{0, n * n / 5};
        case Difficolta::Difficile:
            return AssettoGeneratore{1, 2};
        case Difficolta::Esperto:
            return AssettoGeneratore{3, 2};
        case Difficolta::Diabolico:
            break;
    }
    return std::nullopt;
}

namespace {

std::optional<SchemaGenerato> GeneraUnoInMemoria(const Impostazioni& imp, int n) {
    Impostazioni una = imp;
    una.OutputSchema = false;  // one schema
    Risolutore ris;
    std::optional<SchemaGenerato> fatto;
    GeneraSchema(una, n, ris, nullptr, [&fatto](const Schema& s, const Risolutore& r) {
        fatto = SchemaGenerato{s, "", r.NumMultipli, r.NumSwordfish};
        return true;
    });
    return fatto;
}

}  // namespace

std::optional<SchemaGenerato> GeneraSenzaNome(const Impostazioni& imp, int n,
                                              std::optional<Difficolta> difficolta) {
    if (!difficolta) return GeneraUnoInMemoria(imp, n);
    const auto assetto = AssettoPerDifficolta(*difficolta, n);
    if (!assetto) return std::nullopt;
    Impostazioni adatte = imp;
    adatte.AttivaMultipli = assetto->Tecniche;
    adatte.CelleIniziali = assetto->CelleIniziali;
    for (int k = 0; k < TentativiPerSchema; ++k) {
        auto fatto = GeneraUnoInMemoria(adatte, n);
        if (fatto && DifficoltaSchema(fatto->schema) == *difficolta) return fatto;
    }
    return std::nullopt;
}

std::optional<SchemaGenerato> GeneraInMemoria(const Impostazioni& imp, int n,
                                              std::optional<Difficolta> difficolta) {
    auto fatto = GeneraSenzaNome(imp, n, difficolta);
    if (fatto) fatto->NomeFile = NomeAutomatico(n, fatto->NumSwordfish, fatto->NumMultipli, OraLocale());
    return fatto;
}

}  // namespace kelvaro
