// Swordfish: for one number, k lines in which its undecided places are the same k positions
// strike it from those positions in every other line.
#include "display/visualizza.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

std::string Cifra(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

bool Indeciso(const std::string& cand) {
    return cand.size() > 1;
}

}  // namespace

void VerificaSwf(Banco& b, const std::string& Tipo, int Livmax, int j, int Liv, int rcAtt,
                 const std::string& RcPrec, const Contatori& ContaPrec, const Tabella& tblS) {
    const int n = b.schema.Sizesc;
    const bool righe = Tipo == "R";
    const char cj = static_cast<char>('0' + j);
    Risolutore& ris = b.ris;

    Contatori conta = ContaPrec;
    for (int i = 1; i <= n; ++i) {
        const std::string& cand = righe ? tblS[rcAtt][i] : tblS[i][rcAtt];
        if (Indeciso(cand) && cand.find(cj) != std::string::npos) conta[i] += 1;
    }

    if (Liv < Livmax) {
        for (int m = rcAtt + 1; m <= n; ++m) {
            VerificaSwf(b, Tipo, Livmax, j, Liv + 1, m, RcPrec + Cifra(m), conta, tblS);
            if (!ris.GruppoTrovato.empty()) return;
        }
        return;
    }

    std::string elenco;
    int a = 0, bb = 0;
    for (int i = 1; i <= n; ++i) {
        if (conta[i] == Livmax) {
            elenco += Cifra(i);
            ++a;
        }
        if (conta[i] != 0) ++bb;
    }
    ris.ElencoTrovato = elenco;
    if (a != Livmax || bb != Livmax) return;
    // Only what this evaluation finds may count: a list left by an earlier search must never turn
    // a pair without eliminations into a finding.
    std::string eliminazioni;
    for (char pc : elenco) {
        const int p = pc - '0';
        for (int m = 1; m <= n; ++m) {
            if (RcPrec.find(static_cast<char>('0' + m)) != std::string::npos) continue;
            const int r = righe ? m : p, c = righe ? p : m;
            const std::string& cand = tblS[r][c];
            if (Indeciso(cand) && cand.find(cj) != std::string::npos)
                eliminazioni += Cifra(r) + Cifra(c) + cj;
        }
    }
    ris.EliminazioniTrovate = eliminazioni;
    if (!eliminazioni.empty()) ris.GruppoTrovato = RcPrec;
}

void AggiornaSWF(Banco& b, Tabella& tblS) {
    const Passo& ps = PassoInCorso(b);
    const bool righe = ps.Codice == "SR";
    const std::string F =
        righe ? "Nella righe " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in colonne " + ps.Elenco
              : "Nelle colonne " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in righe " + ps.Elenco;
    const char v = ps.Valore.empty() ? 0 : ps.Valore[0];
    for (char lc : ps.Gruppo)
        for (char pc : ps.Elenco) {
            const int linea = lc - '0', pos = pc - '0';
            const int r = righe ? linea : pos, c = righe ? pos : linea;
            if (r < 1 || r > 9 || c < 1 || c > 9) continue;
            if (v && tblS[r][c].find(v) != std::string::npos) ColoraCella(b, r, c, ColoreVerde);
        }
    b.log.Aggiungi(F);
    EseguiEliminazioni(b, ps.Eliminazioni, tblS);
}

}  // namespace kelvaro
