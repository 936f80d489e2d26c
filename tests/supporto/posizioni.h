#pragma once
// The shared table of hint positions (tests/fixtures/aiutino/posizioni.txt), read for the shells
// that answer it besides the core: kelvaro-cli aiuto and the window. Each case is the page's
// request "N|givens|signs|entries|notes|techniques" and the answer's lines.
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace kelvaro::test {

struct CasoPosizione {
    std::string nome;
    std::string richiesta;
    std::string atteso;  // the answer, one "\n" after each line
    // The request's fields.
    int n = 0;
    std::string dati, segni, voci, tecniche;
    std::vector<std::string> note;  // N x N digit groups, "" for none
    bool leggibile = false;         // every field well formed (n, digits 0..N, signs of neighbours)
    bool conNote = false;

    // A schema file with the case's size, givens and signs and no stored solution.
    std::string FileSchema() const {
        std::string vincoli;
        for (size_t k = 0; k + 4 <= segni.size(); k += 4)
            vincoli += (vincoli.empty() ? "" : "|") + segni.substr(k, 4);
        return "<?xml version=\"1.0\" ?>\n<FUTOSHIKI SIZE=\"" + std::to_string(n) + "\">\n<SCHEMA>" + dati +
               "</SCHEMA>\n<SOLUTION>" + std::string(dati.size(), '0') + "</SOLUTION>\n<CONSTRAINT>" +
               vincoli + "</CONSTRAINT>\n<CHECK>000000</CHECK>\n</FUTOSHIKI>\n";
    }
};

inline std::vector<std::string> DividiCampi(const std::string& s, char sep) {
    std::vector<std::string> v;
    size_t p = 0;
    while (true) {
        const size_t f = s.find(sep, p);
        v.push_back(s.substr(p, f == std::string::npos ? std::string::npos : f - p));
        if (f == std::string::npos) break;
        p = f + 1;
    }
    return v;
}

inline std::vector<CasoPosizione> LeggiPosizioni(const std::string& file) {
    std::ifstream f(file);
    std::vector<CasoPosizione> casi;
    std::string riga;
    while (std::getline(f, riga)) {
        if (riga.rfind("caso: ", 0) == 0) {
            casi.push_back({});
            casi.back().nome = riga.substr(6);
        } else if (riga.rfind("richiesta: ", 0) == 0 && !casi.empty()) {
            casi.back().richiesta = riga.substr(11);
        } else if (riga == "fine" || riga.empty() || riga[0] == '#' || casi.empty()) {
            continue;
        } else {
            casi.back().atteso += riga + "\n";
        }
    }
    for (CasoPosizione& c : casi) {
        std::vector<std::string> campi = DividiCampi(c.richiesta, '|');
        campi.resize(6);
        c.n = campi[0].size() == 1 && campi[0][0] >= '1' && campi[0][0] <= '9' ? campi[0][0] - '0' : 0;
        c.dati = campi[1];
        c.segni = campi[2];
        c.voci = campi[3];
        c.tecniche = campi[5].empty() ? "3" : campi[5];
        const size_t celle = static_cast<size_t>(c.n * c.n);
        if (!campi[4].empty()) c.note = DividiCampi(campi[4], ',');
        c.note.resize(celle);
        for (const std::string& g : c.note) c.conNote = c.conNote || !g.empty();
        auto cifre = [&](const std::string& t) {
            for (char ch : t)
                if (ch < '0' || ch > '0' + c.n) return false;
            return true;
        };
        bool ok = c.n > 0 && c.dati.size() == celle && cifre(c.dati) &&
                  (c.voci.empty() || c.voci.size() == celle) && cifre(c.voci) && c.segni.size() % 4 == 0;
        for (size_t k = 0; ok && k < c.segni.size(); k += 4) {
            const std::string v = c.segni.substr(k, 4);
            ok = v[0] >= '1' && v[1] >= '1' && v[2] >= '1' && v[3] >= '1' && cifre(v) &&
                 std::abs(v[0] - v[2]) + std::abs(v[1] - v[3]) == 1;
        }
        c.leggibile = ok;
        if (c.voci.empty()) c.voci = std::string(celle, '0');
    }
    return casi;
}

}  // namespace kelvaro::test
