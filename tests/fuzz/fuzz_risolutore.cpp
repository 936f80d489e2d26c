// Any schema the loader accepts is solved to an end: no crash, no read outside the tables, and a
// solution found honours every row and column.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/caricamento.h"
#include "model/casuale.h"
#include "model/testo.h"
#include "solver/risolvi.h"

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
    // run. Without the step history nobody reads the lines: they stream to a sink that keeps
    // none, as on the command line, and a long trial search stays flat in memory (the history,
    // when on, holds every step by design).
    RiportaCasualeAllInizio();
    ResocontoMuto muto;
    if (!b.storia.RegistraStoria) {
        b.ris.resoconto = &muto;
        b.ris.ConservaPassi = false;
    }
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
