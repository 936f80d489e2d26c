// Any schema the loader accepts is solved, up to a bound on the steps: no crash, no read outside the
// tables, and a solution found honours every row and column.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "model/testo.h"
#include "solver/risolvi.h"

namespace {

// Stops a solve after a fixed number of steps: a schema with many solutions can keep the design's
// trial search going for hours, which is no fault. The lines are kept in the transcript only when
// the step history reads them.
class Limite final : public kelvaro::Resoconto {
public:
    Limite(kelvaro::Banco& b, bool tieni) : b_(b), tieni_(tieni) {}
    bool PassoEseguito(const kelvaro::Passo&, const kelvaro::EffettoPasso&,
                       const std::vector<std::string>& righe) override {
        if (tieni_) b_.ris.Trascrizione.insert(b_.ris.Trascrizione.end(), righe.begin(), righe.end());
        return ++passi_ < 20000;
    }
    void Riga(const std::string& testo) override {
        if (tieni_) b_.ris.Trascrizione.push_back(testo);
    }

private:
    kelvaro::Banco& b_;
    bool tieni_;
    int passi_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    if (n < 1) return 0;
    const auto letto =
        LeggiSchemaRighe(DividiRighe(std::string(reinterpret_cast<const char*>(dati) + 1, n - 1)));
    if (!letto) return 0;
    Banco b;
    b.schema = letto->schema;
    b.imp.AttivaMultipli = dati[0] & 3;
    b.ris.LimitePassi = 3000;  // past it the counter is asked once: that path is tested too
    b.storia.RegistraStoria = (dati[0] & 4) != 0;
    // The trial order restarts for every input, so an input solves the same way each time it is
    // run; the lines stream to a sink that stops the solve after a fixed number of steps.
    RiportaCasualeAllInizio();
    Limite limite(b, b.storia.RegistraStoria);
    b.ris.resoconto = &limite;
    b.ris.ConservaPassi = b.storia.RegistraStoria;
    RisolviSchema(b);
    if (b.ris.Risolto) {
        const int dim = b.schema.Sizesc;
        for (int r = 1; r <= dim; ++r)
            for (int c = 1; c <= dim; ++c)
                for (int k = c + 1; k <= dim; ++k)
                    if (b.schema.tblRisolto[r][c] == b.schema.tblRisolto[r][k]) std::abort();
    }
    return 0;
}
