#include "rules/richiesta_regole.h"

#include <cstdlib>
#include <vector>

namespace kelvaro {

namespace {

bool CifraValida(char ch, int n) {
    return ch >= '0' && ch <= '0' + n;
}

}  // namespace

std::string CampoRichiesta(const std::string& s, size_t& pos) {
    const size_t fine = s.find('|', pos);
    std::string t = s.substr(pos, fine == std::string::npos ? std::string::npos : fine - pos);
    pos = fine == std::string::npos ? s.size() : fine + 1;
    return t;
}

std::optional<Schema> SchemaDaRichiesta(const std::string& dim, const std::string& dati,
                                        const std::string& segni) {
    const int n = dim.size() == 1 && dim[0] >= '1' && dim[0] <= '0' + DimMax ? dim[0] - '0' : 0;
    if (n == 0 || dati.size() != static_cast<size_t>(n * n) || segni.size() % 4 != 0) return std::nullopt;
    Schema s;
    s.Sizesc = n;
    s.Caricato = true;
    for (int k = 0; k < n * n; ++k)
        s.tblSchema[k / n + 1][k % n + 1] = std::string(1, dati[static_cast<size_t>(k)]);
    for (size_t k = 0; k < segni.size(); k += 4) {
        const std::string v = segni.substr(k, 4);
        for (char ch : v)
            if (ch < '1' || ch > '0' + n) return std::nullopt;
        // Only neighbours carry a sign.
        if (std::abs(v[0] - v[2]) + std::abs(v[1] - v[3]) != 1) return std::nullopt;
        s.Vincoli.push_back(v);
    }
    CostruisciSegni(s);
    return s;
}

std::optional<PosizioneRichiesta> LeggiPosizioneRichiesta(const std::string& richiesta) {
    size_t pos = 0;
    const std::string dim = CampoRichiesta(richiesta, pos);
    const std::string dati = CampoRichiesta(richiesta, pos);
    const std::string segni = CampoRichiesta(richiesta, pos);
    const std::string voci = CampoRichiesta(richiesta, pos);
    std::optional<Schema> s = SchemaDaRichiesta(dim, dati, segni);
    if (!s) return std::nullopt;
    const int n = s->Sizesc;
    const size_t celle = static_cast<size_t>(n * n);
    if (!voci.empty() && voci.size() != celle) return std::nullopt;
    PosizioneRichiesta p;
    p.schema = std::move(*s);
    for (size_t k = 0; k < celle; ++k) {
        if (!CifraValida(dati[k], n) || (!voci.empty() && !CifraValida(voci[k], n))) return std::nullopt;
        const char v = voci.empty() || voci[k] == '0' ? dati[k] : voci[k];
        p.cifre[k / n + 1][k % n + 1] = v - '0';
    }
    return p;
}

int CifreAmmesse(const Schema& s, const Cifre& cifre, int r, int c) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax || r < 1 || r > n || c < 1 || c > n) return 0;
    Cifre prova = cifre;
    int ammesse = 0;
    for (int d = 1; d <= n; ++d) {
        prova[r][c] = d;
        bool rotta = false;
        for (const Violazione& v : ControllaRegole(s, prova))
            if (v.A == CellaRC{r, c} || v.B == CellaRC{r, c}) {
                rotta = true;
                break;
            }
        if (!rotta) ammesse |= 1 << d;
    }
    return ammesse;
}

std::string RispondiRegole(const std::string& richiesta) {
    const auto p = LeggiPosizioneRichiesta(richiesta);
    if (!p) return "errore: Richiesta non valida\n";
    const Schema& s = p->schema;
    const int n = s.Sizesc;
    size_t pos = 0;
    for (int k = 0; k < 4; ++k) CampoRichiesta(richiesta, pos);
    const std::string cella = CampoRichiesta(richiesta, pos);

    const std::vector<Violazione> rotte = ControllaRegole(s, p->cifre);
    bool sbagliata[10][10] = {};
    for (const Violazione& v : rotte) {
        sbagliata[v.A.Riga][v.A.Colonna] = true;
        sbagliata[v.B.Riga][v.B.Colonna] = true;
    }
    std::string out;
    if (!rotte.empty()) {
        out += "sbagliate:";
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (sbagliata[r][c]) out += " " + DesCella(r, c);
        out += "\n";
    }
    for (const Violazione& v : rotte) out += "violazione: " + FraseViolazione(v) + "\n";
    out += std::string("risolta: ") + (PosizioneRisolta(s, p->cifre) ? "si" : "no") + "\n";
    if (!cella.empty()) {
        int k = 0;
        for (char ch : cella) {
            if (ch < '0' || ch > '9' || k > n * n) return "errore: Richiesta non valida\n";
            k = k * 10 + (ch - '0');
        }
        if (k >= n * n) return "errore: Richiesta non valida\n";
        const int r = k / n + 1;
        const int c = k % n + 1;
        const int m = CifreAmmesse(s, p->cifre, r, c);
        out += "ammesse: " + DesCella(r, c) + ":";
        for (int d = 1; d <= n; ++d)
            if (m & (1 << d)) out += static_cast<char>('0' + d);
        out += "\n";
    }
    return out;
}

std::string RispondiValide(const std::string& richiesta) {
    const auto p = LeggiPosizioneRichiesta(richiesta);
    if (!p) return "errore: Richiesta non valida\n";
    const int n = p->schema.Sizesc;
    std::string out = "valide:";
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (p->cifre[r][c] != 0) continue;
            const uint16_t m = CifreValide(p->schema, p->cifre, r, c);
            out += " " + DesCella(r, c) + ":";
            for (int d = 1; d <= n; ++d)
                if (m & (1u << d)) out += static_cast<char>('0' + d);
        }
    return out + "\n";
}

}  // namespace kelvaro
