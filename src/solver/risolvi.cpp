// The solver driver: the solve command, the step list, the fixed detection order and the trial
// search one recursion level deeper.
#include "solver/risolvi.h"

#include <array>
#include <bit>
#include <utility>

#include "display/visualizza.h"
#include "model/casuale.h"
#include "solver/avanzate.h"
#include "solver/contatore.h"

namespace kelvaro {

Passo& RegistraPasso(Banco& b, const std::string& codice) {
    Risolutore& ris = b.ris;
    // The list grows as needed: a long trial search on a large schema must not run out of room.
    ris.NumPassi += 1;
    const size_t posto = static_cast<size_t>(ris.NumPassi - ris.Base);
    if (ris.Passi.size() <= posto) ris.Passi.resize(posto + 1);
    Passo& p = ris.Passi[posto];
    // Emptied in place: the strings keep their storage for the next step.
    p.Codice = codice;
    p.Riga = p.Colonna = p.RigaP = p.ColonnaP = p.RigaS = p.ColonnaS = 0;
    p.Valore.clear();
    p.Gruppo.clear();
    p.Eliminazioni.clear();
    p.Elenco.clear();
    return p;
}

bool EseguiPasso(Banco& b, Tavola& t) {
    const Passo& p = PassoInCorso(b);
    const std::string& c = p.Codice;
    // The placing sentences are written into one string kept for the purpose.
    std::string& f = b.ris.Frase;
    f.clear();
    auto cella = [&] { AccodaCella(f, p.Riga, p.Colonna); };
    if (c == "I" || c == "T") {
        f += c == "I" ? "Dato iniziale " : "Provo ";
        f += p.Valore;
        f += " in cella ";
        cella();
        AggiornaUnico(b, f, t);
    } else if (c == "U" || c == "R" || c == "C") {
        f += p.Valore;
        f += " unico  possibile in cella ";
        cella();
        if (c == "R") {
            f += " per riga ";
            f += std::to_string(p.Riga);
        } else if (c == "C") {
            f += " per colonna ";
            f += std::to_string(p.Colonna);
        }
        AggiornaUnico(b, f, t);
    } else if (c == "E1") {
        f += "Nessun numero possbile in  cella ";
        cella();
        SegnalaErrE1(b, f);
        return true;
    } else if (c == "ER") {
        SegnalaErrE1(b, "Nessun " + p.Valore + " possbile in  riga " + std::to_string(p.Riga));
        return true;
    } else if (c == "EC") {
        SegnalaErrE1(b, "Nessun " + p.Valore + " possbile in  colonna " + std::to_string(p.Colonna));
        return true;
    } else if (c == "MAG") {
        AggiornaMaggiore(b, t);
    } else if (c == "MIN") {
        AggiornaMinore(b, t);
    } else if (c == "MR" || c == "MC") {
        AggiornaMultiplo(b, t);
    } else if (c == "SR" || c == "SC") {
        AggiornaSWF(b, t);
    } else if (CodiceMaestro(c)) {
        AggiornaMaestro(b, t);
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

Passo& RegistraTrovato(Banco& b, const std::string& codice, const std::string& gruppo,
                       const std::string& eliminazioni, const std::string& elenco, int tecnica) {
    Risolutore& ris = b.ris;
    ris.GruppoTrovato = gruppo;
    ris.EliminazioniTrovate = eliminazioni;
    ris.ElencoTrovato = elenco;
    Passo& p = RegistraPasso(b, codice);
    p.Gruppo = gruppo;
    p.Eliminazioni = eliminazioni;
    p.Elenco = elenco;
    (tecnica == 1 ? ris.NumMultipli : ris.NumSwordfish) += 1;
    ris.TecnicheUsate |= tecnica;  // 1 subsets, 2 Swordfish, 3 both
    return p;
}

void ScriviElimino(Banco& b, const std::string& v, int r, int c) {
    std::string& riga = b.log.NuovaRiga();
    riga += "Elimino ";
    riga += v;
    riga += " da ";
    AccodaCella(riga, r, c);
    ColoraCella(b, r, c, ColoreGiallo);
}

bool ScegliCellaProva(const Tavola& t, int& rt, int& ct) {
    rt = ct = 0;
    int lunghezza = 0;
    for (int r = 1; r <= t.n; ++r)
        for (int c = 1; c <= t.n; ++c) {
            const int l = ContaCifre(t.S[r][c]);
            if (l > 1 && (rt == 0 || l < lunghezza)) {
                rt = r;
                ct = c;
                lunghezza = l;
            }
        }
    return rt != 0;
}

bool Rileva(Banco& b, const Tavola& t) {
    if (CercaCelle(b, t)) return true;
    if (CercaColonne(b, t)) return true;
    if (CercaRighe(b, t)) return true;
    if (CercaSegni(b, t)) return true;
    const int attiva = b.imp.AttivaMultipli;
    if ((attiva & 1) && CercaMultipli(b, t)) return true;
    if ((attiva & 2) && CercaSwordfish(b, t)) return true;
    if ((attiva & 4) && CercaMaestro(b, t)) return true;
    return false;
}

// --- the same on string tables --------------------------------------------------------------------

bool EseguiPasso(Banco& b, Tabella& tblS, Tabella& tblE) {
    Tavola t(tblS, tblE, b.schema.Sizesc);
    const bool contraddizione = EseguiPasso(b, t);
    t.Scrivi(tblS, tblE);
    return contraddizione;
}

bool Rileva(Banco& b, const Tabella& tblS, const Tabella& tblE) {
    return Rileva(b, Tavola(tblS, tblE, b.schema.Sizesc));
}

bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct) {
    return ScegliCellaProva(Tavola(tblS, Tabella{}, n), rt, ct);
}

namespace {

// The level's tables as the log window and the step history show them.
void Visualizza(Banco& b, const Tavola& t) {
    Tabella s, e;
    t.Scrivi(s, e);
    VisualizzaGrid(b, s, e);
}

}  // namespace

void Risolvi(Banco& b, const Tavola& inp, int Livello) {
    Risolutore& ris = b.ris;
    Tavola t = inp;

    for (;;) {
        while (ris.PassoCorrente < ris.NumPassi) {
            if (ris.MostraLog) {
                Visualizza(b, t);
                b.finestre().PosizionaFormLog();
                b.log.Situazione();
                b.log.AllineaSinistra();
                if (b.ComandoLog == 3) {
                    b.ComandoLog = 0;
                    if (MostraLog(b, true)) return;
                }
            } else if (b.storia.RegistraStoria) {
                Visualizza(b, t);
            }

            ris.PassoCorrente += 1;
            b.log.Svuota();
            const bool contraddizione = EseguiPasso(b, t);
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
        if (Rileva(b, t)) continue;

        int rt, ct;
        if (!ScegliCellaProva(t, rt, ct)) {
            ris.Risolto = true;
            t.ScriviCandidati(b.schema.tblRisolto);
            return;
        }
        if (Livello >= ris.MaxLivello) {
            ris.Troncato = true;
            ris.Risolto = false;
            t.ScriviCandidati(b.schema.tblRisolto);
            return;
        }
        std::string valori = CifreDi(t.S[rt][ct]);
        const double L = static_cast<double>(valori.size());
        // Thirty swaps of two drawn positions.
        std::array<int, 60> estratti;
        GeneraCasuali(L, estratti.data(), 60);
        for (int k = 0; k < 60; k += 2) std::swap(valori[estratti[k] - 1], valori[estratti[k + 1] - 1]);
        for (char v : valori) {
            Passo& p = RegistraPasso(b, "T");
            ris.NumProve += 1;
            p.Riga = rt;
            p.Colonna = ct;
            p.Valore = std::string(1, v);
            Risolvi(b, t, Livello + 1);
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

    Tavola A(n);
    ris.TecnicheUsate = 0;
    ris.NumMultipli = 0;
    ris.NumSwordfish = 0;
    ris.NumMaestro = {};
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
            A.Imposta(r, c, MascheraDi(dato), 0);
        }

    ris.Risolto = false;
    const int left = b.finestre().LeftPrincipale();
    b.ComandoLog = 3;
    Risolvi(b, A, 1);
    // An unsolved end of a whole search, or the counter's verdict at the step limit, proves
    // there is no solution; an interrupt or a refused trial proves nothing.
    if (!ris.Risolto && !ris.Interrotto && !ris.Troncato) {
        ris.SenzaSoluzione = true;
        RiferisciRiga(b, FraseSenzaSoluzione);
    }
    b.finestre().SpostaPrincipale(left);
}

}  // namespace kelvaro
