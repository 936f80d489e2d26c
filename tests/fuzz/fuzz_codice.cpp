// Any bytes as a puzzle code: the reader either refuses them or yields a schema of size 3..9 whose
// givens and signs are inside the grid, and whose code reads back to the same schema.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/codice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    const std::string testo(reinterpret_cast<const char*>(dati), n);
    std::string motivo;
    const auto s = LeggiCodice(testo, motivo);
    if (!s) {
        if (motivo.empty()) std::abort();
        return 0;
    }
    const int dim = s->Sizesc;
    if (dim < DimMinCodice || dim > DimMax) std::abort();
    for (int r = 1; r <= dim; ++r)
        for (int c = 1; c <= dim; ++c) {
            const std::string& d = s->tblSchema[r][c];
            if (d.size() != 1 || d[0] < '0' || d[0] > '0' + dim) std::abort();
        }
    for (const std::string& v : s->Vincoli)
        for (char ch : v)
            if (ch < '1' || ch > '0' + dim) std::abort();
    const auto codice = ScriviCodice(*s, motivo);
    if (!codice) std::abort();
    const auto riletto = LeggiCodice(*codice, motivo);
    if (!riletto || riletto->tblSchema != s->tblSchema || riletto->Vincoli != s->Vincoli) std::abort();
    return 0;
}
