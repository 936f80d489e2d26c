#include "model/testo.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/disco.h"

namespace kelvaro {

std::string Sostituisci(const std::string& s, const std::string& da, const std::string& a) {
    if (da.empty()) return s;
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    for (;;) {
        const size_t k = s.find(da, pos);
        if (k == std::string::npos) break;
        out.append(s, pos, k - pos);
        out += a;
        pos = k + da.size();
    }
    out.append(s, pos, std::string::npos);
    return out;
}

std::string Maiuscolo(const std::string& s) {
    std::string out = s;
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

std::string TogliSpazi(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    const size_t z = s.find_last_not_of(' ');
    return s.substr(a, z - a + 1);
}

double ValoreNumerico(const std::string& s) {
    // Blanks (space, tab, LF) are skipped anywhere in the number, as the classic reading does.
    std::string cifre;
    size_t i = 0;
    auto spazio = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r'; };
    auto salta = [&] {
        while (i < s.size() && spazio(s[i])) ++i;
    };
    salta();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) cifre += s[i++];
    bool qualcosa = false;
    for (salta(); i < s.size() && s[i] >= '0' && s[i] <= '9'; salta()) {
        cifre += s[i++];
        qualcosa = true;
    }
    if (i < s.size() && s[i] == '.') {
        cifre += s[i++];
        for (salta(); i < s.size() && s[i] >= '0' && s[i] <= '9'; salta()) {
            cifre += s[i++];
            qualcosa = true;
        }
    }
    if (!qualcosa) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string esp = "e";
        while (j < s.size() && spazio(s[j])) ++j;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) esp += s[j++];
        bool cifreEsp = false;
        while (j < s.size() && ((s[j] >= '0' && s[j] <= '9') || spazio(s[j]))) {
            if (!spazio(s[j])) {
                esp += s[j];
                cifreEsp = true;
            }
            ++j;
        }
        if (cifreEsp) cifre += esp;
    }
    try {
        const double v = std::stod(cifre);
        return std::isfinite(v) ? v : (v > 0 ? 1e308 : -1e308);
    } catch (...) {
        // Out of range for a double: keep the sign, saturate.
        return cifre[0] == '-' ? -1e308 : 1e308;
    }
}

long ArrotondaPari(double v) {
    if (v >= 9.2e18) return static_cast<long>(9.2e18);
    if (v <= -9.2e18) return static_cast<long>(-9.2e18);
    return static_cast<long>(std::nearbyint(v));  // default rounding mode: halves to even
}

std::string Formatta0(long v, int cifre) {
    std::string s = std::to_string(v < 0 ? -v : v);
    while (static_cast<int>(s.size()) < cifre) s = "0" + s;
    return v < 0 ? "-" + s : s;
}

std::string SenzaBom(const std::string& testo) {
    return testo.compare(0, 3, "\xEF\xBB\xBF") == 0 ? testo.substr(3) : testo;
}

std::vector<std::string> DividiRighe(const std::string& testo) {
    std::vector<std::string> righe;
    size_t pos = 0;
    while (pos < testo.size()) {
        size_t k = testo.find('\n', pos);
        if (k == std::string::npos) k = testo.size();
        std::string riga = testo.substr(pos, k - pos);
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        righe.push_back(std::move(riga));
        pos = k + 1;
    }
    return righe;
}

bool ScriviFileSicuro(const std::string& percorso, const std::string& contenuto) {
    namespace fs = std::filesystem;
    const fs::path destinazione(percorso);
    fs::path temporaneo = destinazione;
    temporaneo += ".kelvaro-" + std::to_string(::getpid()) + ".tmp";
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temporaneo, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporaneo, destinazione, ec);
    if (ec) {
        fs::remove(temporaneo, ec);
        return false;
    }
    return true;
}

bool EsisteFile(const std::string& percorso) {
    std::error_code ec;
    return std::filesystem::is_regular_file(percorso, ec);
}

std::string NomeAutomatico(int n, int swordfish, int multipli, const std::tm& t) {
    char data[32];
    std::snprintf(data, sizeof data, "%02d%02d%02d%02d%02d%02d", (t.tm_year + 1900) % 100, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return std::to_string(n) + "_" + Formatta0(2 * swordfish + multipli, 2) + std::to_string(swordfish) +
           std::to_string(multipli) + "_" + data + ".TXT";
}

std::tm OraLocale() {
    std::time_t t = std::time(nullptr);
    std::tm out{};
    localtime_r(&t, &out);
    return out;
}

}  // namespace kelvaro
