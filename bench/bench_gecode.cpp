// The same sets as bench_contatore, counted (up to 2 solutions) by a plain Futoshiki model in
// Gecode: one variable per cell, bounds-consistent distinct on every row and column, a relation
// per sign, the givens, first-fail branching on the smallest domain, smallest value first. Only a
// yardstick for the counter: built when Gecode is installed, never linked into the program.
#include <gecode/int.hh>
#include <gecode/search.hh>
#include <memory>
#include <string>
#include <vector>

#include "insiemi.h"

namespace {

using namespace kelvaro;

class Futoshiki : public Gecode::Space {
public:
    explicit Futoshiki(const SchemaBit& s) : x_(*this, s.n * s.n, 1, s.n) {
        const int n = s.n;
        for (int a = 0; a < n; ++a) {
            Gecode::IntVarArgs riga, colonna;
            for (int k = 0; k < n; ++k) {
                riga << x_[a * n + k];
                colonna << x_[k * n + a];
            }
            Gecode::distinct(*this, riga, Gecode::IPL_BND);
            Gecode::distinct(*this, colonna, Gecode::IPL_BND);
        }
        for (const auto& [g, p] : CoppieSegni(s)) Gecode::rel(*this, x_[g], Gecode::IRT_GR, x_[p]);
        for (int i = 0; i < n * n; ++i)
            if (s.dato[i]) Gecode::rel(*this, x_[i], Gecode::IRT_EQ, s.dato[i]);
        Gecode::branch(*this, x_, Gecode::INT_VAR_SIZE_MIN(), Gecode::INT_VAL_MIN());
    }
    Futoshiki(Futoshiki& altro) : Gecode::Space(altro) { x_.update(*this, altro.x_); }
    Gecode::Space* copy() override { return new Futoshiki(*this); }

private:
    Gecode::IntVarArray x_;
};

// Solutions up to 2, and the search nodes Gecode reports.
int ContaGecode(const SchemaBit& s, long& nodi) {
    auto radice = std::make_unique<Futoshiki>(s);
    Gecode::DFS<Futoshiki> ricerca(radice.get());
    int trovate = 0;
    while (trovate < 2) {
        std::unique_ptr<Futoshiki> sol(ricerca.next());
        if (!sol) break;
        ++trovate;
    }
    nodi = static_cast<long>(ricerca.statistics().node);
    return trovate;
}

const int registrati = [] {
    bench::RegistraInsiemi("BM_Gecode", ContaGecode, true);
    return 0;
}();

}  // namespace
