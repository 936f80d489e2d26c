// Any bytes as a schema file (split into lines as the file reader does): the loader either refuses
// them or yields a schema whose every cell and sign is inside the grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/disco.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    const std::string testo(reinterpret_cast<const char*>(dati), n);
    const auto letto = LeggiSchemaRighe(DividiRigheOgniFine(testo));
    if (!letto) return 0;
    const Schema& s = letto->schema;
    if (s.Sizesc < 1 || s.Sizesc > 9) std::abort();
    for (const std::string& v : s.Vincoli)
        for (char ch : v)
            if (ch < '1' || ch > '0' + s.Sizesc) std::abort();
    // What loads must write back and load again the same.
    const auto riletto = LeggiSchemaRighe(DividiRigheOgniFine(TestoFileSchema(s)));
    if (!riletto || riletto->schema.tblSchema != s.tblSchema || riletto->schema.Vincoli != s.Vincoli)
        std::abort();
    return 0;
}
