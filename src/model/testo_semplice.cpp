// The text helpers that need neither files nor exceptions: the core shares them with the pages'
// WebAssembly module (the puzzle codes' reader quotes and splits with them).
#include "model/testo.h"

namespace kelvaro {

std::vector<std::string> Dividi(const std::string& s, char sep) {
    std::vector<std::string> pezzi;
    size_t pos = 0;
    for (;;) {
        const size_t k = s.find(sep, pos);
        if (k == std::string::npos) {
            pezzi.push_back(s.substr(pos));
            return pezzi;
        }
        pezzi.push_back(s.substr(pos, k - pos));
        pos = k + 1;
    }
}

std::string TestoStampabile(const std::string& testo) {
    std::string out;
    out.reserve(testo.size());
    auto esadecimale = [&out](unsigned char ch) {
        static const char cifre[] = "0123456789ABCDEF";
        out += "\\x";
        out += cifre[ch >> 4];
        out += cifre[ch & 15];
    };
    for (size_t k = 0; k < testo.size(); ++k) {
        const unsigned char ch = static_cast<unsigned char>(testo[k]);
        const unsigned char b1 = k + 1 < testo.size() ? static_cast<unsigned char>(testo[k + 1]) : 0;
        const unsigned char b2 = k + 2 < testo.size() ? static_cast<unsigned char>(testo[k + 2]) : 0;
        if (ch < 0x20 || ch == 0x7F) {
            esadecimale(ch);
        } else if (ch == 0xC2 && b1 >= 0x80 && b1 <= 0x9F) {  // U+0080..U+009F
            esadecimale(ch);
            esadecimale(b1);
            ++k;
        } else if (ch == 0xE2 &&
                   ((b1 == 0x80 && b2 >= 0xAA && b2 <= 0xAE) || (b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9))) {
            k += 2;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out;
}

}  // namespace kelvaro
