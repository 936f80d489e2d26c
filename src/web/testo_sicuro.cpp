#include "web/testo_sicuro.h"

#include <cstdio>

namespace kelvaro {

namespace {

std::string Esadecimale(unsigned valore, int cifre) {
    static const char* const hex = "0123456789ABCDEF";
    std::string s(static_cast<size_t>(cifre), '0');
    for (int i = cifre - 1; i >= 0; --i, valore >>= 4) s[static_cast<size_t>(i)] = hex[valore & 15];
    return s;
}

}  // namespace

std::string TestoHtml(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

std::string IndirizzoRelativo(const std::string& s) {
    std::string out;
    for (unsigned char ch : s) {
        const bool libero = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                            (ch >= '0' && ch <= '9') || ch == '-' || ch == '.' || ch == '_' || ch == '~';
        if (libero)
            out += static_cast<char>(ch);
        else
            out += "%" + Esadecimale(ch, 2);
    }
    return out;
}

std::string StringaScript(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(s[i]);
        // U+2028 and U+2029 end a line inside a script string for older engines.
        if (ch == 0xE2 && i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x80 &&
            (static_cast<unsigned char>(s[i + 2]) == 0xA8 || static_cast<unsigned char>(s[i + 2]) == 0xA9)) {
            out += static_cast<unsigned char>(s[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
            i += 2;
            continue;
        }
        if (ch < 0x20 || ch == '\\' || ch == '\'' || ch == '"' || ch == '<' || ch == '>' || ch == '&' ||
            ch == 0x7F)
            out += "\\x" + Esadecimale(ch, 2);
        else
            out += static_cast<char>(ch);
    }
    return out;
}

uint32_t Impronta(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char ch : s) {
        h ^= ch;
        h *= 16777619u;
    }
    return h;
}

std::string ImprontaEsadecimale(const std::string& s) {
    return Esadecimale(Impronta(s), 8);
}

}  // namespace kelvaro
