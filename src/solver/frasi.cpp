// Every sentence of the step log, written from the step and what it did: the technique table names
// each technique's opening sentence, and the lines for the digits it struck follow in one form.
#include <algorithm>
#include <bit>

#include "solver/risolvi.h"
#include "solver/tabella_tecniche.h"

namespace kelvaro {

namespace {

std::string& Cella(std::string& f, int r, int c) {
    AccodaCella(f, r, c);
    return f;
}

// "v unico  possibile in cella RrCc".
std::string& Unico(std::string& f, const Passo& p) {
    f += p.Valore;
    f += " unico  possibile in cella ";
    return Cella(f, p.Riga, p.Colonna);
}

}  // namespace

// The master tier's sign chains: the chains followed, then what the cell must exceed.
void FraseCatenaSegni(const Passo& ps, LogSoluzione& log) {
    const bool maggiore = ps.Valore == ">";
    std::string& catene = log.NuovaRiga();
    catene += "Catene di segni:";
    bool prima = true;
    for (size_t k = 0; k < ps.Elenco.size();) {
        const size_t fine = std::min(ps.Elenco.find(',', k), ps.Elenco.size());
        catene += prima ? " " : ", ";
        prima = false;
        for (size_t j = k; j + 1 < fine; j += 2) {
            if (j > k) catene += maggiore ? " > " : " < ";
            AccodaCella(catene, ps.Elenco[j] - '0', ps.Elenco[j + 1] - '0');
        }
        k = fine + 1;
    }
    std::string& f = Cella(log.NuovaRiga(), ps.Riga, ps.Colonna);
    f += maggiore ? " deve essere maggiore di" : " deve essere minore di";
    for (size_t j = 0; j + 1 < ps.Gruppo.size(); j += 2) {
        f += ' ';
        AccodaCella(f, ps.Gruppo[j] - '0', ps.Gruppo[j + 1] - '0');
    }
    f += ps.RigaP != 0 ? ", che nella riga " + std::to_string(ps.RigaP)
                       : ", che nella colonna " + std::to_string(ps.ColonnaP);
    f += " hanno numeri diversi";
}

// The forcing chain: the supposition, what it decides, where it breaks.
void FraseCatenaForzata(const Passo& ps, LogSoluzione& log) {
    std::string& f = log.NuovaRiga();
    f += "Se ";
    AccodaCella(f, ps.Riga, ps.Colonna);
    f += " fosse " + ps.Valore + ", allora ";
    for (size_t j = 0; j + 2 < ps.Elenco.size(); j += 3) {
        AccodaCella(f, ps.Elenco[j] - '0', ps.Elenco[j + 1] - '0');
        f += " sarebbe ";
        f += ps.Elenco[j + 2];
        f += j + 5 < ps.Elenco.size() ? ", " : " e ";
    }
    const std::string& g = ps.Gruppo;
    if (g.size() == 3 && g[0] == 'X') {
        f += "in ";
        AccodaCella(f, g[1] - '0', g[2] - '0');
        f += " non resterebbe nessun numero";
    } else if (g.size() == 3) {
        f += g[0] == 'R' ? "nella riga " : "nella colonna ";
        f += g[1];
        f += " non ci sarebbe posto per il ";
        f += g[2];
    } else if (g.size() == 4 && g[0] == 'D') {
        f += g[1] == 'R' ? "nella riga " : "nella colonna ";
        f += g[2];
        f += " ci sarebbero due ";
        f += g[3];
    }
    f += "; quindi ";
    AccodaCella(f, ps.Riga, ps.Colonna);
    f += " non è " + ps.Valore;
}

namespace {

// A subset of a line, naked or hidden: "Nella riga r i n.ddd possibili solo in ..." and `coda`.
void FraseGruppo(const Passo& ps, LogSoluzione& log, bool riga, const char* coda) {
    std::string& f = log.NuovaRiga();
    f += riga ? "Nella riga " + std::to_string(ps.Riga) : "Nella colonna " + std::to_string(ps.Colonna);
    f += " i n." + ps.Elenco + " possibili solo in";
    for (char ch : ps.Gruppo) {
        const int q = ch - '0';
        f += ' ';
        AccodaCella(f, riga ? ps.Riga : q, riga ? q : ps.Colonna);
    }
    f += coda;
}

}  // namespace

void FrasePosa(const Passo& p, LogSoluzione& log) {
    std::string& f = log.NuovaRiga();
    f += p.Codice == "I" ? "Dato iniziale " : "Provo ";
    f += p.Valore;
    f += " in cella ";
    AccodaCella(f, p.Riga, p.Colonna);
}

void FraseCella(const Passo& p, LogSoluzione& log) {
    std::string& f = log.NuovaRiga();
    if (p.Codice == "E1") {
        f += "Nessun numero possbile in  cella ";
        AccodaCella(f, p.Riga, p.Colonna);
        return;
    }
    Unico(f, p);
}

void FraseLinea(const Passo& p, LogSoluzione& log) {
    std::string& f = log.NuovaRiga();
    const std::string& c = p.Codice;
    if (c == "ER" || c == "EC") {
        f += "Nessun " + p.Valore + " possbile in  ";
        f += c == "ER" ? "riga " + std::to_string(p.Riga) : "colonna " + std::to_string(p.Colonna);
        return;
    }
    Unico(f, p);
    f += c == "R" ? " per riga " + std::to_string(p.Riga) : " per colonna " + std::to_string(p.Colonna);
}

void FraseSegno(const Passo& ps, LogSoluzione& log) {
    const char* relazione = ps.Codice == "MAG" ? " deve essere maggiore di " : " deve essere minore di ";
    std::string& f = log.NuovaRiga();
    if (ps.RigaP != 0) {
        AccodaCella(f, ps.Riga, ps.Colonna);
        f += relazione;
        AccodaCella(f, ps.RigaP, ps.ColonnaP);
    }
    if (ps.RigaS != 0) {
        if (!f.empty()) f += ' ';
        AccodaCella(f, ps.Riga, ps.Colonna);
        f += relazione;
        AccodaCella(f, ps.RigaS, ps.ColonnaS);
    }
}

void FraseMultiplo(const Passo& ps, LogSoluzione& log) {
    FraseGruppo(ps, log, ps.Codice == "MR", "");
}

void FraseNascosti(const Passo& ps, LogSoluzione& log) {
    FraseGruppo(ps, log, ps.Codice == "NR", ", che non possono contenere altri numeri");
}

void FraseSWF(const Passo& ps, LogSoluzione& log) {
    std::string& f = log.NuovaRiga();
    if (ps.Codice == "SR")
        f += "Nella righe " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in colonne " + ps.Elenco;
    else
        f += "Nelle colonne " + ps.Gruppo + " il n." + ps.Valore + " possibile solo in righe " + ps.Elenco;
}

void ScriviElimino(LogSoluzione& log, const Tolta& x) {
    std::string& riga = log.NuovaRiga();
    const int r = x.Riga, c = x.Colonna;
    // The commonest line of a solve, written in one append where it can be.
    if (std::has_single_bit(unsigned{x.Cifre}) && r >= 0 && r <= 9 && c >= 0 && c <= 9) {
        char testo[] = "Elimino ? da R?C?";
        testo[8] = static_cast<char>('1' + std::countr_zero(unsigned{x.Cifre}));
        testo[14] = static_cast<char>('0' + r);
        testo[16] = static_cast<char>('0' + c);
        riga.append(testo, sizeof testo - 1);
    } else {
        riga += "Elimino ";
        riga += CifreDi(x.Cifre);
        riga += " da ";
        AccodaCella(riga, r, c);
    }
}

void ScriviFrasi(const Tecnica& k, const Passo& p, const EffettoPasso& e, LogSoluzione& log) {
    k.Frase(p, log);
    for (const Tolta& x : e.Tolte) ScriviElimino(log, x);
}

void ColoraPasso(const Passo& p, const EffettoPasso& e, Spettatore& s) {
    if (e.Posa) s.Colora(p.Riga, p.Colonna, ColoreVerde);
    for (const CellaRC& m : e.Motivo) s.Colora(m.Riga, m.Colonna, ColoreVerde);
    for (const Tolta& x : e.Tolte) s.Colora(x.Riga, x.Colonna, ColoreGiallo);
    if (e.Contraddizione) s.Colora(p.Riga, p.Colonna, ColoreRosso);
}

}  // namespace kelvaro
