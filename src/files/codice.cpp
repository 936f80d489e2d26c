#include "files/codice.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "model/testo.h"
#include "solver/contatore.h"

namespace kelvaro {

namespace {

// The four letters in the order Unequal writes them, with the step to the smaller neighbour.
struct Direzione {
    char lettera;
    int dr, dc;
};
constexpr std::array<Direzione, 4> Direzioni = {{{'U', -1, 0}, {'R', 0, 1}, {'D', 1, 0}, {'L', 0, -1}}};

int IndiceDirezione(int dr, int dc) {
    for (size_t k = 0; k < Direzioni.size(); ++k)
        if (Direzioni[k].dr == dr && Direzioni[k].dc == dc) return static_cast<int>(k);
    return -1;
}

// A character of the code quoted in a message: control and non-ASCII bytes as \xNN.
std::string Carattere(char ch) {
    const unsigned char u = static_cast<unsigned char>(ch);
    if (u >= 0x20 && u < 0x7f) return std::string("'") + ch + "'";
    // Written by hand rather than with printf, which would weigh on the pages' module.
    static const char cifre[] = "0123456789ABCDEF";
    return std::string("'\\x") + cifre[u >> 4] + cifre[u & 15] + "'";
}

bool Spazio(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// Parameters before ':': the size, then "a" for the Adjacent variant, then "d" and a difficulty.
bool LeggiParametri(const std::string& p, int& n, std::string& motivo) {
    size_t k = 0;
    long dim = 0;
    while (k < p.size() && p[k] >= '0' && p[k] <= '9') {
        if (dim < 1000) dim = dim * 10 + (p[k] - '0');
        ++k;
    }
    if (k == 0) {
        motivo = "manca la dimensione prima di ':'";
        return false;
    }
    if (k < p.size() && p[k] == 'a') {
        motivo =
            "codice della variante Adjacent (segni di vicinanza tra celle): Kelvaro gestisce "
            "solo i segni di disuguaglianza";
        return false;
    }
    if (k + 2 == p.size() && p[k] == 'd' && std::string("tekxr").find(p[k + 1]) != std::string::npos) k += 2;
    if (k != p.size()) {
        motivo = "parametri '" + TestoStampabile(p) + "' non riconosciuti prima di ':'";
        return false;
    }
    if (dim < DimMinCodice || dim > DimMax) {
        // As written: a long run of digits is cut short rather than read as a number.
        const std::string scritta = p.substr(0, std::min<size_t>(k, 12)) + (k > 12 ? "..." : "");
        motivo = "dimensione " + scritta + " non gestita (da " + std::to_string(DimMinCodice) + " a " +
                 std::to_string(DimMax) + ")";
        return false;
    }
    n = static_cast<int>(dim);
    return true;
}

}  // namespace

std::optional<Schema> LeggiCodice(const std::string& codice, std::string& motivo) {
    motivo.clear();
    size_t inizio = 0, fine = codice.size();
    while (inizio < fine && Spazio(codice[inizio])) ++inizio;
    while (fine > inizio && Spazio(codice[fine - 1])) --fine;
    const std::string testo = codice.substr(inizio, fine - inizio);
    if (testo.empty()) {
        motivo = "codice vuoto";
        return std::nullopt;
    }
    const size_t dp = testo.find(':');
    if (dp == std::string::npos) {
        motivo = "manca ':' tra la dimensione e le celle";
        return std::nullopt;
    }
    int n = 0;
    if (!LeggiParametri(testo.substr(0, dp), n, motivo)) return std::nullopt;

    std::vector<std::string> celle = Dividi(testo.substr(dp + 1), ',');
    // Unequal ends the list with a comma; without it the code is the same.
    if (celle.size() > 1 && celle.back().empty()) celle.pop_back();
    if (celle.size() != static_cast<size_t>(n * n)) {
        motivo = "celle attese " + std::to_string(n * n) + " (" + std::to_string(n) + " x " +
                 std::to_string(n) + "), trovate " + std::to_string(celle.size());
        return std::nullopt;
    }

    Schema s;
    s.Sizesc = n;
    // Which letters each cell carries, to find signs written twice in opposite senses.
    std::array<std::array<uint8_t, 10>, 10> lettere{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& cella = celle[(r - 1) * n + (c - 1)];
            const std::string dove = "cella " + DesCella(r, c) + ": ";
            size_t k = 0;
            long cifra = 0;
            while (k < cella.size() && cella[k] >= '0' && cella[k] <= '9') {
                if (cifra < 1000) cifra = cifra * 10 + (cella[k] - '0');
                ++k;
            }
            if (k == 0) {
                motivo = dove + (cella.empty() ? std::string("vuota") : "manca la cifra (0 se vuota)");
                return std::nullopt;
            }
            if (cifra > n) {
                const std::string scritta = cella.substr(0, std::min<size_t>(k, 12)) + (k > 12 ? "..." : "");
                motivo = dove + "cifra " + scritta + " oltre la dimensione " + std::to_string(n);
                return std::nullopt;
            }
            s.tblSchema[r][c] = std::to_string(cifra);
            for (; k < cella.size(); ++k) {
                int d = -1;
                for (size_t j = 0; j < Direzioni.size(); ++j)
                    if (cella[k] == Direzioni[j].lettera) d = static_cast<int>(j);
                if (d < 0) {
                    motivo = dove + "carattere " + Carattere(cella[k]) +
                             " non valido (dopo la cifra solo U, R, D, L)";
                    return std::nullopt;
                }
                if (lettere[r][c] & (1 << d)) {
                    motivo = dove + "segno " + Carattere(cella[k]) + " ripetuto";
                    return std::nullopt;
                }
                const int r2 = r + Direzioni[d].dr, c2 = c + Direzioni[d].dc;
                if (r2 < 1 || r2 > n || c2 < 1 || c2 > n) {
                    motivo = dove + "il segno " + Carattere(cella[k]) + " esce dalla griglia";
                    return std::nullopt;
                }
                lettere[r][c] |= static_cast<uint8_t>(1 << d);
            }
            // In Unequal's order U R D L whatever the order written: one code, one schema.
            for (size_t d = 0; d < Direzioni.size(); ++d)
                if (lettere[r][c] & (1 << d))
                    s.Vincoli.push_back(std::to_string(r) + std::to_string(c) +
                                        std::to_string(r + Direzioni[d].dr) +
                                        std::to_string(c + Direzioni[d].dc));
        }
    // A pair marked greater on both sides has no solution: Adjacent-variant cells pasted without
    // their "a", most likely.
    for (const std::string& v : s.Vincoli) {
        const int r1 = v[0] - '0', c1 = v[1] - '0', r2 = v[2] - '0', c2 = v[3] - '0';
        const int inverso = IndiceDirezione(r1 - r2, c1 - c2);
        if (lettere[r2][c2] & (1 << inverso)) {
            motivo = "segni opposti tra " + DesCella(r1, c1) + " e " + DesCella(r2, c2) +
                     " (ognuna maggiore dell'altra)";
            return std::nullopt;
        }
    }
    CostruisciSegni(s);
    s.Caricato = true;
    return s;
}

std::optional<std::string> ScriviCodice(const Schema& s, std::string& motivo) {
    motivo.clear();
    const int n = s.Sizesc;
    if (n < DimMinCodice || n > DimMax) {
        motivo = "dimensione " + std::to_string(n) + " non gestita dai codici (da " +
                 std::to_string(DimMinCodice) + " a " + std::to_string(DimMax) + ")";
        return std::nullopt;
    }
    std::array<std::array<uint8_t, 10>, 10> lettere{};
    for (const std::string& v : s.Vincoli) {
        bool valido = v.size() == 4;
        for (char ch : v) valido = valido && ch >= '1' && ch <= '0' + n;
        const int d = valido ? IndiceDirezione(v[2] - v[0], v[3] - v[1]) : -1;
        if (d < 0) {
            motivo = "vincolo '" + TestoStampabile(v) + "' non scrivibile in un codice (celle non vicine)";
            return std::nullopt;
        }
        lettere[v[0] - '0'][v[1] - '0'] |= static_cast<uint8_t>(1 << d);
    }
    std::string codice = std::to_string(n) + ":";
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& dato = s.tblSchema[r][c];
            if (EDato(dato) && dato[0] - '0' <= n)
                codice += dato;
            else if (dato.empty() || dato == "0")
                codice += "0";
            else {
                motivo = "cella " + DesCella(r, c) + ": dato '" + TestoStampabile(dato) + "' non valido";
                return std::nullopt;
            }
            for (size_t d = 0; d < Direzioni.size(); ++d) {
                if (!(lettere[r][c] & (1 << d))) continue;
                const int r2 = r + Direzioni[d].dr, c2 = c + Direzioni[d].dc;
                const int inverso = IndiceDirezione(-Direzioni[d].dr, -Direzioni[d].dc);
                // Unequal refuses such a code: say why here rather than hand on one it cannot read.
                if (lettere[r2][c2] & (1 << inverso)) {
                    motivo = "segni opposti tra " + DesCella(r, c) + " e " + DesCella(r2, c2) +
                             " (ognuna maggiore dell'altra)";
                    return std::nullopt;
                }
                codice += Direzioni[d].lettera;
            }
            codice += ",";
        }
    return codice;
}

std::optional<Schema> SchemaDaCodice(const std::string& codice, std::string& motivo) {
    std::optional<Schema> s = LeggiCodice(codice, motivo);
    if (!s) return std::nullopt;
    const auto bit = SchemaBitDa(*s);
    std::array<uint8_t, CelleMax> soluzione{};
    const int quante = bit && bit->DatiValidi ? ContaSoluzioni(bit->schema, 2, &soluzione) : 0;
    if (quante == 0) {
        motivo = "il codice non ha soluzioni";
        return std::nullopt;
    }
    if (quante > 1) {
        motivo = "il codice ha più di una soluzione";
        return std::nullopt;
    }
    const int n = s->Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) s->tblSoluzione[r][c] = std::to_string(soluzione[(r - 1) * n + (c - 1)]);
    return s;
}

}  // namespace kelvaro
