#include "display/gioco.h"

#include <algorithm>

#include "display/visualizza.h"

namespace kelvaro {

int CifraMostrata(const Banco& b, int r, int c) {
    const int n = b.schema.Sizesc;
    if (r < 1 || c < 1 || r > n || c > n) return 0;
    const int i = RigaGriglia(r), j = ColonnaGriglia(c);
    if (!b.Gr.Contiene(i, j)) return 0;
    const std::string& t = b.Gr.Cella(i, j).Testo;
    if (t.size() != 1 || t[0] < '1' || t[0] > '0' + n) return 0;
    return t[0] - '0';
}

bool CellaModificabile(const Banco& b, int r, int c) {
    const int n = b.schema.Sizesc;
    if (r < 1 || c < 1 || r > n || c > n) return false;
    return !EDato(b.schema.tblSchema[r][c]) && b.Gr.Contiene(RigaGriglia(r), ColonnaGriglia(c));
}

Cifre CifreMostrate(const Banco& b) {
    Cifre cifre{};
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) cifre[r][c] = CifraMostrata(b, r, c);
    return cifre;
}

Segnalazioni CercaErrori(const Banco& b) {
    Segnalazioni s;
    auto aggiungi = [](auto& dove, std::pair<int, int> x) {
        if (std::find(dove.begin(), dove.end(), x) == dove.end()) dove.push_back(x);
    };
    for (const Violazione& v : ControllaRegole(b.schema, CifreMostrate(b))) {
        const bool manoA = CellaModificabile(b, v.A.Riga, v.A.Colonna);
        const bool manoB = CellaModificabile(b, v.B.Riga, v.B.Colonna);
        if (v.tipo == Violazione::Tipo::Segno) {
            // Grid position of the sign between the two neighbours.
            if (manoA || manoB)
                aggiungi(s.Segni,
                         v.A.Riga == v.B.Riga
                             ? std::pair{RigaGriglia(v.A.Riga), 2 * std::min(v.A.Colonna, v.B.Colonna)}
                             : std::pair{2 * std::min(v.A.Riga, v.B.Riga), ColonnaGriglia(v.A.Colonna)});
            continue;
        }
        // Only hand entries are marked: a given is never the mistake.
        if (manoA) aggiungi(s.Celle, {v.A.Riga, v.A.Colonna});
        if (manoB) aggiungi(s.Celle, {v.B.Riga, v.B.Colonna});
    }
    // Row-major, as the marks were always listed.
    std::sort(s.Celle.begin(), s.Celle.end());
    return s;
}

uint16_t CifreAmmesse(const Banco& b, int r, int c) {
    return CifreValide(b.schema, CifreMostrate(b), r, c);
}

bool GrigliaRisolta(const Banco& b) {
    return b.schema.Caricato && PosizioneRisolta(b.schema, CifreMostrate(b));
}

Griglia GrigliaDaMostrare(const Banco& b) {
    Griglia g = b.Gr;
    if (!b.modifica.InGioco) return g;
    const Segnalazioni s = CercaErrori(b);
    for (const auto& [r, c] : s.Celle)
        g.Cella(RigaGriglia(r), ColonnaGriglia(c)).CellForeColor = ColoreErrore;
    for (const auto& [i, j] : s.Segni)
        if (g.Contiene(i, j)) g.Cella(i, j).CellForeColor = ColoreErrore;
    return g;
}

}  // namespace kelvaro
