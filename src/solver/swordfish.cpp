// Swordfish: for one number, two lines in which its undecided places are the same two positions
// strike it from those positions in every other line.
#include "display/visualizza.h"
#include "solver/risolvi.h"

namespace kelvaro {

bool CercaSwordfish(Banco& b, const Tavola& t) {
    Risolutore& ris = b.ris;
    const int n = t.n;
    for (int j = 1; j <= n; ++j) {
        const Maschera bit = BitCifra(j);
        for (int tipo = 0; tipo < 2; ++tipo) {
            const bool righe = tipo == 1;  // columns first
            // Per line, the positions of its undecided cells that hold j.
            std::array<uint16_t, DimMax> pos{};
            for (int l = 1; l <= n; ++l)
                for (int i = 1; i <= n; ++i) {
                    const Maschera m = righe ? t.S[l][i] : t.S[i][l];
                    if ((m & bit) && Indecisa(m)) pos[l - 1] |= static_cast<uint16_t>(1u << (i - 1));
                }
            CoppiaLinee cp;
            if (!VerificaSwf(pos.data(), n, cp)) continue;
            std::string elenco, eliminazioni;
            for (int p = 1; p <= n; ++p) {
                if (!(pos[cp.Prima] >> (p - 1) & 1)) continue;
                elenco += static_cast<char>('0' + p);
                for (int m = 1; m <= n; ++m) {
                    if (m - 1 == cp.Prima || m - 1 == cp.Seconda || !(pos[m - 1] >> (p - 1) & 1)) continue;
                    eliminazioni += static_cast<char>('0' + (righe ? m : p));
                    eliminazioni += static_cast<char>('0' + (righe ? p : m));
                    eliminazioni += static_cast<char>('0' + j);
                }
            }
            ris.GruppoTrovato = std::to_string(cp.Prima + 1) + std::to_string(cp.Seconda + 1);
            ris.EliminazioniTrovate = eliminazioni;
            ris.ElencoTrovato = elenco;
            Passo& ps = RegistraTrovato(b, righe ? "SR" : "SC");
            ps.Valore = std::to_string(j);
            ris.NumSwordfish += 1;
            if (ris.TecnicheUsate == 0) ris.TecnicheUsate = 2;
            if (ris.TecnicheUsate == 1) ris.TecnicheUsate = 3;
            return true;
        }
    }
    return false;
}

bool CercaSwordfish(Banco& b, const Tabella& tblS) {
    return CercaSwordfish(b, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

void AggiornaSWF(Banco& b, Tavola& t) {
    const Passo& ps = PassoInCorso(b);
    const bool righe = ps.Codice == "SR";
    const std::string F =
        righe ? "Nella righe " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in colonne " + ps.Elenco
              : "Nelle colonne " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in righe " + ps.Elenco;
    const Maschera v = ps.Valore.empty() ? Maschera{0} : BitCifra(ps.Valore[0] - '0');
    for (char lc : ps.Gruppo)
        for (char pc : ps.Elenco) {
            const int linea = lc - '0', pos = pc - '0';
            const int r = righe ? linea : pos, c = righe ? pos : linea;
            if (r < 1 || r > 9 || c < 1 || c > 9) continue;
            if (t.S[r][c] & v) ColoraCella(b, r, c, ColoreVerde);
        }
    b.log.Aggiungi(F);
    EseguiEliminazioni(b, ps.Eliminazioni, t);
}

}  // namespace kelvaro
