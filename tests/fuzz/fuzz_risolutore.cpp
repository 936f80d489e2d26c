// Any schema the loader accepts is solved to an end: no crash, no read outside the tables, and a
// solution found honours every row and column.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/caricamento.h"
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
    b.ris.LimitePassi = 3000;  // keeps every run short; the bound itself is what is tested
    b.storia.RegistraStoria = (dati[0] & 4) != 0;
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
