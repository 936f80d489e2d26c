// Any bytes as the instructions file: the reader ends, and the text it yields is valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "display/rtf.h"

namespace {

bool Utf8Valido(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int seguito = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (seguito < 0 || i + seguito >= s.size() + (seguito == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= seguito; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += static_cast<size_t>(seguito) + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    const auto doc = LeggiRtf(std::string_view(reinterpret_cast<const char*>(dati), n));
    if (!Utf8Valido(TestoSemplice(doc))) std::abort();
    return 0;
}
