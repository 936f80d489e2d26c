// Forcing chain: a candidate that, once supposed, makes singles and signs run into a
// contradiction within a few rounds is not the cell's digit. The shortest such chain is the one
// told, so the reader can follow it.
#include <bit>

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

bool VerificaCatenaForzata(const GrigliaBit& g, const CoppieDiSegni& segni, int maxGiri, CatenaForzata& out) {
    const int celle = g.n * g.n;
    int migliore = maxGiri + 1;  // rounds of the best chain so far
    RegolePropagazione regole;
    for (int i = 0; i < celle && migliore > 0; ++i) {
        if (!Indecisa(g.S[i])) continue;
        for (Maschera resto = g.S[i]; resto && migliore > 0; resto &= static_cast<Maschera>(resto - 1)) {
            const Maschera bit = MinimoDi(resto);
            GrigliaBit prova = g;
            prova.S[i] = bit;
            // Only a strictly shorter chain can replace the one found.
            regole.MaxGiri = migliore - 1;
            EsitoPropagazione e = Propaga(prova, segni, regole);
            if (e.dove.tipo == Contraddizione::Tipo::Nessuna) continue;
            migliore = e.Giri;
            out.Cella = i;
            out.Cifra = std::countr_zero(unsigned{bit}) + 1;
            out.Dedotte = std::move(e.Dedotte);
            out.dove = e.dove;
        }
    }
    return migliore <= maxGiri;
}

bool CercaCatenaForzata(Risoluzione& b, const Tavola& t, const GrigliaBit& g, const CoppieDiSegni& segni) {
    CatenaForzata cf;
    if (!VerificaCatenaForzata(g, segni, LunghezzaMaxCatena, cf)) return false;
    const int n = t.n;
    Passo& ps = RegistraPasso(b, "CF");
    ps.Riga = cf.Cella / n + 1;
    ps.Colonna = cf.Cella % n + 1;
    ps.Valore = std::to_string(cf.Cifra);
    for (const Deduzione& d : cf.Dedotte) {
        ps.Elenco += CoppiaCella(d.Cella, n);
        ps.Elenco += static_cast<char>('0' + d.Cifra);
    }
    // The contradiction: "X" and the cell left empty; "R" or "C" with the line and the digit it
    // has no place for; "DR" or "DC" with the line and the digit it would hold twice.
    const std::string linea = std::to_string(cf.dove.Indice + 1) + std::to_string(cf.dove.Cifra);
    switch (cf.dove.tipo) {
        case Contraddizione::Tipo::Riga:
            ps.Gruppo = "R" + linea;
            break;
        case Contraddizione::Tipo::Colonna:
            ps.Gruppo = "C" + linea;
            break;
        case Contraddizione::Tipo::DueInRiga:
            ps.Gruppo = "DR" + linea;
            break;
        case Contraddizione::Tipo::DueInColonna:
            ps.Gruppo = "DC" + linea;
            break;
        default:
            ps.Gruppo = "X" + CoppiaCella(cf.dove.Indice, n);
    }
    ps.Eliminazioni = CoppiaCella(cf.Cella, n) + ps.Valore;
    b.ris.NumMaestro[MaestroCateneForzate] += 1;
    return true;
}

void EseguiCatenaForzata(const Passo& ps, Tavola& t, EffettoPasso& e) {
    // The cells the supposition decides, then the cell it leaves empty.
    for (size_t j = 0; j + 2 < ps.Elenco.size(); j += 3)
        e.Giustifica(ps.Elenco[j] - '0', ps.Elenco[j + 1] - '0');
    const std::string& g = ps.Gruppo;
    if (g.size() == 3 && g[0] == 'X') e.Giustifica(g[1] - '0', g[2] - '0');
    EseguiEliminazioni(ps.Eliminazioni, t, e);
}

}  // namespace kelvaro
