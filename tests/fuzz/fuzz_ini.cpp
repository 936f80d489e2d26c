// Any bytes as Kelvaro.ini: both readers end, never index past the rule table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ini.h"
#include "model/testo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    const auto righe = DividiRighe(std::string(reinterpret_cast<const char*>(dati), n));
    Configurazione conf;
    LeggiRegoleIniRighe(righe, conf, "fuzz.ini");
    if (conf.NumRegole < 0 || conf.NumRegole > MaxRegole) std::abort();
    LeggiFileIniRighe(righe, conf);
    return 0;
}
