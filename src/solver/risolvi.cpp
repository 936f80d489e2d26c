// The solver driver: the solve command, the step list, the fixed detection order and the trial
// search one recursion level deeper.
#include "solver/risolvi.h"

#include <array>
#include <bit>
#include <utility>

#include "display/visualizza.h"
#include "model/casuale.h"
#include "solver/contatore.h"

namespace kelvaro {

Passo& RegistraPasso(Banco& b, const std::string& codice) {
    Risolutore& ris = b.ris;
    // The list grows as needed: a long trial search on a large schema must not run out of room.
    ris.NumPassi += 1;
    const size_t posto = static_cast<size_t>(ris.NumPassi - ris.Base);
    if (ris.Passi.size() <= posto) ris.Passi.resize(posto + 1);
    Passo& p = ris.Passi[posto];
    p = Passo{};
    p.Codice = codice;
    return p;
}

bool EseguiPasso(Banco& b, Tabella& tblS, Tabella& tblE) {
    const Passo& p = PassoInCorso(b);
    const std::string cella = DesCella(p.Riga, p.Colonna);
    const std::string& c = p.Codice;
    if (c == "I") {
        AggiornaUnico(b, "Dato iniziale " + p.Valore + " in cella " + cella, tblS, tblE);
    } else if (c == "T") {
        AggiornaUnico(b, "Provo " + p.Valore + " in cella " + cella, tblS, tblE);
    } else if (c == "U") {
        AggiornaUnico(b, p.Valore + " unico  possibile in cella " + cella, tblS, tblE);
    } else if (c == "R") {
        AggiornaUnico(
            b, p.Valore + " unico  possibile in cella " + cella + " per riga " + std::to_string(p.Riga), tblS,
            tblE);
    } else if (c == "C") {
        AggiornaUnico(
            b, p.Valore + " unico  possibile in cella " + cella + " per colonna " + std::to_string(p.Colonna),
            tblS, tblE);
    } else if (c == "E1") {
        SegnalaErrE1(b, "Nessun numero possbile in  cella " + cella);
        return true;
    } else if (c == "ER") {
        SegnalaErrE1(b, "Nessun " + p.Valore + " possbile in  riga " + std::to_string(p.Riga));
        return true;
    } else if (c == "EC") {
        SegnalaErrE1(b, "Nessun " + p.Valore + " possbile in  colonna " + std::to_string(p.Colonna));
        return true;
    } else if (c == "MAG") {
        AggiornaMaggiore(b, tblS);
    } else if (c == "MIN") {
        AggiornaMinore(b, tblS);
    } else if (c == "MR" || c == "MC") {
        AggiornaMultiplo(b, tblS);
    } else if (c == "SR" || c == "SC") {
        AggiornaSWF(b, tblS);
    }
    return false;
}

namespace {

// Shows the log window and records the answer; true when the user interrupted the solve.
bool MostraLog(Banco& b, bool nascondiAggiorna) {
    b.ComandoLog = b.finestre().MostraFinestraLog(b.log, nascondiAggiorna);
    if (b.ComandoLog != 2) return false;
    b.ris.Interrotto = true;
    return true;
}

// Hands the step just carried out and its lines to the Resoconto (or the transcript); false
// when the receiver stops the solve.
bool Riferisci(Banco& b) {
    Risolutore& ris = b.ris;
    const auto& righe = b.log.Righe();
    if (ris.resoconto) {
        if (!ris.resoconto->PassoEseguito(PassoInCorso(b), righe)) {
            ris.Interrotto = true;
            return false;
        }
    } else {
        ris.Trascrizione.insert(ris.Trascrizione.end(), righe.begin(), righe.end());
    }
    if (!ris.ConservaPassi && ris.PassoCorrente == ris.NumPassi && ris.NumPassi > ris.Base) {
        // The step just carried out stays as entry 0, so PassoInCorso still reads it.
        ris.Passi[0] = std::move(ris.Passi[static_cast<size_t>(ris.NumPassi - ris.Base)]);
        ris.Passi.resize(1);
        ris.Base = ris.NumPassi;
    }
    return true;
}

void RiferisciRiga(Banco& b, const std::string& testo) {
    // The line joins the log the window last showed, aligned as the rest of it.
    const bool allineato = b.log.AllineatoSinistra();
    b.log.Aggiungi(testo);
    if (allineato) b.log.AllineaSinistra();
    if (b.ris.resoconto)
        b.ris.resoconto->Riga(testo);
    else
        b.ris.Trascrizione.push_back(testo);
}

// Past LimitePassi the counter decides whether the search may stop: only a schema without any
// solution ends there.
bool SenzaSoluzioneProvata(Banco& b) {
    Risolutore& ris = b.ris;
    if (ris.SoluzioneCerta || ris.NumPassi < ris.LimitePassi) return false;
    if (ContaSoluzioni(b.schema, 1) == 0) return true;
    ris.SoluzioneCerta = true;
    return false;
}

}  // namespace

// Records the subset or Swordfish finding left in GruppoTrovato, EliminazioniTrovate, ElencoTrovato.
Passo& RegistraTrovato(Banco& b, const std::string& codice) {
    Passo& p = RegistraPasso(b, codice);
    p.Gruppo = b.ris.GruppoTrovato;
    p.Eliminazioni = b.ris.EliminazioniTrovate;
    p.Elenco = b.ris.ElencoTrovato;
    return p;
}

namespace {

int Conta(uint16_t m) {
    return std::popcount(unsigned{m});
}

// Cell at position i (1..n) of line `linea`: a column when perColonna, else a row.
uint16_t CifreLinea(const MappaCandidati& m, bool perColonna, int linea, int i) {
    return perColonna ? m.Cifre[i][linea] : m.Cifre[linea][i];
}

// Whether some k undecided cells of the line hold exactly k of the digits 1..n between them and
// those digits occur in another cell of the line: exactly when VerificaMult finds a group there.
bool HaMultiplo(const MappaCandidati& m, bool perColonna, int linea, int k) {
    const int n = m.n;
    const uint16_t tutte = CifreFinoA(n);
    std::array<uint16_t, 10> cifre{};
    std::array<int, 10> pos{};
    int na = 0;
    for (int i = 1; i <= n; ++i) {
        const int r = perColonna ? i : linea, c = perColonna ? linea : i;
        if (m.Indecisa(r, c)) {
            pos[na] = i;
            cifre[na++] = m.Cifre[r][c] & tutte;
        }
    }
    if (na < k) return false;
    // Lexicographic walk over the groups of k cells, pruned as soon as the union exceeds k.
    std::array<int, 5> scelta{};
    std::array<uint16_t, 5> unione{};
    int liv = 0;
    scelta[0] = -1;
    while (liv >= 0) {
        ++scelta[liv];
        if (scelta[liv] > na - (k - liv)) {
            --liv;
            continue;
        }
        const uint16_t u = static_cast<uint16_t>((liv ? unione[liv - 1] : 0) | cifre[scelta[liv]]);
        if (Conta(u) > k) continue;
        if (liv + 1 < k) {
            unione[liv] = u;
            scelta[liv + 1] = scelta[liv];
            ++liv;
            continue;
        }
        if (Conta(u) != k) continue;
        uint32_t nelGruppo = 0;
        for (int g = 0; g < k; ++g) nelGruppo |= 1u << pos[scelta[g]];
        for (int p = 1; p <= n; ++p)
            if (!(nelGruppo >> p & 1) && (CifreLinea(m, perColonna, linea, p) & u)) return true;
    }
    return false;
}

}  // namespace

bool CercaMultipli(Banco& b, const Tabella& tblS) {
    return CercaMultipli(b, tblS, MappaCandidati(tblS, b.schema.Sizesc));
}

bool CercaMultipli(Banco& b, const Tabella& tblS, const MappaCandidati& m) {
    Risolutore& ris = b.ris;
    const int n = b.schema.Sizesc;
    for (int k = 2; k <= 4; ++k)
        for (int tipo = 0; tipo < 2; ++tipo)
            for (int linea = 1; linea <= n; ++linea) {
                if (!HaMultiplo(m, tipo == 0, linea, k)) continue;
                const std::string Tipo = tipo == 0 ? "C" : "R";
                ris.GruppoTrovato.clear();
                VerificaMult(b, Tipo, k, 1, linea, 0, "", Contatori{}, tblS);
                if (ris.GruppoTrovato.empty()) continue;
                Passo& p = RegistraTrovato(b, tipo == 0 ? "MC" : "MR");
                p.Riga = tipo == 0 ? 0 : linea;
                p.Colonna = tipo == 0 ? linea : 0;
                ris.NumMultipli += 1;
                if (ris.TecnicheUsate == 0) ris.TecnicheUsate = 1;
                if (ris.TecnicheUsate == 2) ris.TecnicheUsate = 3;
                return true;
            }
    return false;
}

bool CercaSwordfish(Banco& b, const Tabella& tblS) {
    return CercaSwordfish(b, tblS, MappaCandidati(tblS, b.schema.Sizesc));
}

bool CercaSwordfish(Banco& b, const Tabella& tblS, const MappaCandidati& m) {
    Risolutore& ris = b.ris;
    const int n = b.schema.Sizesc;
    for (int j = 1; j <= n; ++j)
        for (int tipo = 0; tipo < 2; ++tipo) {
            const bool perColonna = tipo == 0;
            // Per line, the positions of its undecided cells that hold j.
            std::array<uint16_t, 10> pos{};
            for (int l = 1; l <= n; ++l)
                for (int i = 1; i <= n; ++i) {
                    const int r = perColonna ? i : l, c = perColonna ? l : i;
                    if (m.Indecisa(r, c) && (m.Cifre[r][c] >> j & 1))
                        pos[l] |= static_cast<uint16_t>(1u << i);
                }
            for (int linea = 1; linea <= n; ++linea) {
                // A pair needs a second line with j in the same two positions, and a third line
                // that holds j at one of them to strike it from: else VerificaSwf finds nothing.
                if (Conta(pos[linea]) != 2) continue;
                bool trovabile = false;
                for (int l2 = linea + 1; l2 <= n && !trovabile; ++l2) {
                    if (pos[l2] != pos[linea]) continue;
                    for (int l3 = 1; l3 <= n && !trovabile; ++l3)
                        trovabile = l3 != linea && l3 != l2 && (pos[l3] & pos[linea]);
                }
                if (!trovabile) continue;
                const std::string Tipo = perColonna ? "C" : "R";
                ris.GruppoTrovato.clear();
                VerificaSwf(b, Tipo, 2, j, 1, linea, std::to_string(linea), Contatori{}, tblS);
                if (ris.GruppoTrovato.empty()) continue;
                Passo& p = RegistraTrovato(b, perColonna ? "SC" : "SR");
                p.Valore = std::to_string(j);
                ris.NumSwordfish += 1;
                if (ris.TecnicheUsate == 0) ris.TecnicheUsate = 2;
                if (ris.TecnicheUsate == 1) ris.TecnicheUsate = 3;
                return true;
            }
        }
    return false;
}

bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct) {
    rt = ct = 0;
    size_t lunghezza = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const size_t l = tblS[r][c].size();
            if (l > 1 && (rt == 0 || l < lunghezza)) {
                rt = r;
                ct = c;
                lunghezza = l;
            }
        }
    return rt != 0;
}

bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE) {
    return Rileva(b, tblS, tblE, MappaCandidati(tblS, b.schema.Sizesc));
}

bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE, const MappaCandidati& m) {
    if (CercaCelle(b, tblS, tblE)) return true;
    if (CercaColonne(b, m, tblE)) return true;
    if (CercaRighe(b, m, tblE)) return true;
    if (CercaSegni(b, tblS, m)) return true;
    const int attiva = b.imp.AttivaMultipli;
    if ((attiva == 1 || attiva == 3) && CercaMultipli(b, tblS, m)) return true;
    if ((attiva == 2 || attiva == 3) && CercaSwordfish(b, tblS, m)) return true;
    return false;
}

namespace {

// Brings the masks up to date with the cells a step just carried out may have changed: a
// placement touches its row and column, a sign step its cell, a subset or Swordfish the cells of
// its eliminations; a contradiction changes nothing.
void AggiornaMappa(MappaCandidati& m, const Tabella& tblS, const Passo& p) {
    const std::string& k = p.Codice;
    if (k == "I" || k == "T" || k == "U" || k == "R" || k == "C") {
        if (p.Riga < 1 || p.Riga > m.n || p.Colonna < 1 || p.Colonna > m.n) return;
        for (int i = 1; i <= m.n; ++i) {
            m.Ricalcola(tblS, p.Riga, i);
            m.Ricalcola(tblS, i, p.Colonna);
        }
    } else if (k == "MAG" || k == "MIN") {
        m.Ricalcola(tblS, p.Riga, p.Colonna);
    } else if (k == "MR" || k == "MC" || k == "SR" || k == "SC") {
        for (size_t t = 0; t + 2 < p.Eliminazioni.size(); t += 3)
            m.Ricalcola(tblS, p.Eliminazioni[t] - '0', p.Eliminazioni[t + 1] - '0');
    }
}

}  // namespace

void Risolvi(Banco& b, const Tabella& tblsInp, const Tabella& tblEInp, int Livello) {
    const int n = b.schema.Sizesc;
    Risolutore& ris = b.ris;
    Tabella tblS{}, tblE{};
    CopiaTabella(tblsInp, tblS, n);
    CopiaTabella(tblEInp, tblE, n);
    // The masks of this level, kept in step with tblS after every step it carries out.
    MappaCandidati mappa(tblS, n);

    for (;;) {
        while (ris.PassoCorrente < ris.NumPassi) {
            if (ris.MostraLog) {
                VisualizzaGrid(b, tblS, tblE);
                b.finestre().PosizionaFormLog();
                b.log.Situazione();
                b.log.AllineaSinistra();
                if (b.ComandoLog == 3) {
                    b.ComandoLog = 0;
                    if (MostraLog(b, true)) return;
                }
            } else if (b.storia.RegistraStoria) {
                VisualizzaGrid(b, tblS, tblE);
            }

            ris.PassoCorrente += 1;
            b.log.Svuota();
            const bool contraddizione = EseguiPasso(b, tblS, tblE);
            AggiornaMappa(mappa, tblS, PassoInCorso(b));
            if (!Riferisci(b)) return;

            if (ris.MostraLog) {
                // The step coloured cells of the grid model: let the window paint them.
                b.finestre().AggiornaGriglia();
                b.finestre().PosizionaFormLog();
                b.ComandoLog = 0;
                b.log.AllineaSinistra();
                if (MostraLog(b, false)) return;
            }
            if (contraddizione) return;
        }

        if (SenzaSoluzioneProvata(b)) {
            ris.Esaurito = true;
            return;
        }
        if (Rileva(b, tblS, tblE, mappa)) continue;

        int rt, ct;
        if (!ScegliCellaProva(n, tblS, rt, ct)) {
            ris.Risolto = true;
            CopiaTabella(tblS, b.schema.tblRisolto, n);
            return;
        }
        if (Livello >= ris.MaxLivello) {
            ris.Troncato = true;
            ris.Risolto = false;
            CopiaTabella(tblS, b.schema.tblRisolto, n);
            return;
        }
        std::string valori = tblS[rt][ct];
        const double L = static_cast<double>(valori.size());
        for (int k = 0; k < 30; ++k) {
            const int a = static_cast<int>(GeneraCasuale(L));
            const int bpos = static_cast<int>(GeneraCasuale(L));
            std::swap(valori[a - 1], valori[bpos - 1]);
        }
        for (char v : valori) {
            Passo& p = RegistraPasso(b, "T");
            ris.NumProve += 1;
            p.Riga = rt;
            p.Colonna = ct;
            p.Valore = std::string(1, v);
            Risolvi(b, tblS, tblE, Livello + 1);
            if (ris.Risolto || ris.Interrotto || ris.Esaurito) return;
        }
        return;
    }
}

void RisolviSchema(Banco& b) {
    // Nothing to solve before a schema exists.
    if (!b.schema.Caricato) return;
    const int n = b.schema.Sizesc;
    Risolutore& ris = b.ris;

    Tabella A{}, B{};
    InizializzaTab(A, n);
    ris.TecnicheUsate = 0;
    ris.NumMultipli = 0;
    ris.NumSwordfish = 0;
    b.storia.Azzera();
    ris.Passi.assign(1, Passo{});
    ris.Base = 0;
    ris.NumPassi = 0;
    ris.NumProve = 0;
    ris.PassoCorrente = 0;
    ris.Trascrizione.clear();
    ris.Interrotto = false;
    ris.Esaurito = false;
    ris.SoluzioneCerta = false;
    ris.Troncato = false;
    ris.SenzaSoluzione = false;
    ris.GruppoTrovato.clear();
    ris.EliminazioniTrovate.clear();
    ris.ElencoTrovato.clear();

    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& dato = b.schema.tblSchema[r][c];
            // A cell a short file left without a digit counts as empty, as the grid shows it.
            if (dato == "0" || dato.empty()) continue;
            Passo& p = RegistraPasso(b, "I");
            p.Riga = r;
            p.Colonna = c;
            p.Valore = dato;
            A[r][c] = dato;
        }

    ris.Risolto = false;
    const int left = b.finestre().LeftPrincipale();
    b.ComandoLog = 3;
    Risolvi(b, A, B, 1);
    // An unsolved end of a whole search, or the counter's verdict at the step limit, proves
    // there is no solution; an interrupt or a refused trial proves nothing.
    if (!ris.Risolto && !ris.Interrotto && !ris.Troncato) {
        ris.SenzaSoluzione = true;
        RiferisciRiga(b, FraseSenzaSoluzione);
    }
    b.finestre().SpostaPrincipale(left);
}

}  // namespace kelvaro
