// Naked subsets: k undecided cells of a line whose candidates together are exactly k values take
// those values, which leave the line's other cells.
#include "display/visualizza.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

std::string Cifra(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

const std::string& CellaLinea(const Tabella& tblS, bool riga, int linea, int pos) {
    return riga ? tblS[linea][pos] : tblS[pos][linea];
}

}  // namespace

void VerificaMult(Banco& b, const std::string& Tipo, int Livmax, int Liv, int rc, int rcAtt,
                  const std::string& RcPrec, const Contatori& ContaPrec, const Tabella& tblS) {
    const int n = b.schema.Sizesc;
    const bool riga = Tipo == "R";
    Risolutore& ris = b.ris;
    for (int i = rcAtt + 1; i <= n; ++i) {
        const std::string& cand = CellaLinea(tblS, riga, rc, i);
        if (cand.size() <= 1) continue;
        Contatori segni = ContaPrec;
        int valori = 0;
        for (char ch : cand)
            if (ch >= '1' && ch <= '9') segni[ch - '0'] = 1;
        for (int v = 1; v <= n; ++v) valori += segni[v] != 0;
        // Marks only grow with depth: a partial group already over k values cannot become one.
        if (valori > Livmax) continue;
        const std::string gruppo = RcPrec + Cifra(i);
        if (Liv < Livmax) {
            VerificaMult(b, Tipo, Livmax, Liv + 1, rc, i, gruppo, segni, tblS);
            if (!ris.GruppoTrovato.empty()) return;
            continue;
        }
        if (valori != Livmax) continue;
        std::string elenco;
        for (int v = 1; v <= n; ++v)
            if (segni[v]) elenco += Cifra(v);
        std::string eliminazioni;
        for (int p = 1; p <= n; ++p) {
            if (gruppo.find(static_cast<char>('0' + p)) != std::string::npos) continue;
            const std::string& altra = CellaLinea(tblS, riga, rc, p);
            for (char v : elenco)
                if (altra.find(v) != std::string::npos)
                    eliminazioni += Cifra(riga ? rc : p) + Cifra(riga ? p : rc) + v;
        }
        ris.EliminazioniTrovate = eliminazioni;
        ris.ElencoTrovato = elenco;
        if (!eliminazioni.empty()) {
            ris.GruppoTrovato = gruppo;
            return;
        }
    }
}

void EseguiEliminazioni(Banco& b, const std::string& Eliminazioni, Tabella& tblS) {
    for (size_t k = 0; k + 2 < Eliminazioni.size(); k += 3) {
        const int r = Eliminazioni[k] - '0', c = Eliminazioni[k + 1] - '0';
        const char v = Eliminazioni[k + 2];
        if (r < 1 || r > 9 || c < 1 || c > 9) continue;
        if (!TogliCifra(tblS[r][c], v)) continue;
        b.log.Aggiungi("Elimino " + std::string(1, v) + " da " + DesCella(r, c));
        ColoraCella(b, r, c, ColoreGiallo);
    }
}

void AggiornaMultiplo(Banco& b, Tabella& tblS) {
    const Passo& ps = PassoInCorso(b);
    const bool riga = ps.Codice == "MR";
    std::string F =
        riga ? "Nella riga " + std::to_string(ps.Riga) : "Nella colonna " + std::to_string(ps.Colonna);
    F += " i n." + ps.Elenco + " possibili solo in";
    for (char ch : ps.Gruppo) {
        const int p = ch - '0';
        const int r = riga ? ps.Riga : p, c = riga ? p : ps.Colonna;
        F += " " + DesCella(r, c);
        ColoraCella(b, r, c, ColoreVerde);
    }
    b.log.Aggiungi(F);
    EseguiEliminazioni(b, ps.Eliminazioni, tblS);
}

}  // namespace kelvaro
