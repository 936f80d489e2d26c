// The solver driver: the solve command, the step list, the fixed detection order and the trial
// search one recursion level deeper.
#include "solver/risolvi.h"

#include <array>
#include <bit>
#include <utility>

#include "model/casuale.h"
#include "solver/contatore.h"
#include "solver/tabella_tecniche.h"

namespace kelvaro {

Passo& RegistraPasso(Risoluzione& b, const std::string& codice) {
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

bool EseguiPasso(Risoluzione& b, Tavola& t) {
    const Passo& p = PassoInCorso(b);
    EffettoPasso& e = b.ris.Effetto;
    e.Svuota();
    const Tecnica* k = TecnicaDelCodice(p.Codice);
    if (!k) return false;
    k->Esegui(p, t, e);
    ScriviFrasi(*k, p, e, b.log);
    ColoraPasso(p, e, b.spettatore);
    return e.Contraddizione;
}

namespace {

// Hands the step just carried out and its lines to the Resoconto (or the transcript); false
// when the receiver stops the solve.
bool Riferisci(Risoluzione& b) {
    Risolutore& ris = b.ris;
    const auto& righe = b.log.Righe();
    if (ris.resoconto) {
        if (!ris.resoconto->PassoEseguito(PassoInCorso(b), ris.Effetto, righe)) {
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

void RiferisciRiga(Risoluzione& b, const std::string& testo) {
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
bool SenzaSoluzioneProvata(Risoluzione& b) {
    Risolutore& ris = b.ris;
    if (ris.SoluzioneCerta || ris.NumPassi < ris.LimitePassi) return false;
    if (ContaSoluzioni(b.schema, 1) == 0) return true;
    ris.SoluzioneCerta = true;
    return false;
}

}  // namespace

Passo& RegistraTrovato(Risoluzione& b, const std::string& codice, const std::string& gruppo,
                       const std::string& eliminazioni, const std::string& elenco, int tecnica) {
    Risolutore& ris = b.ris;
    ris.GruppoTrovato = gruppo;
    ris.EliminazioniTrovate = eliminazioni;
    ris.ElencoTrovato = elenco;
    Passo& p = RegistraPasso(b, codice);
    p.Gruppo = gruppo;
    p.Eliminazioni = eliminazioni;
    p.Elenco = elenco;
    if (const Tecnica* k = TecnicaDelBit(tecnica); k && k->Contatore) ris.*(k->Contatore) += 1;
    ris.TecnicheUsate |= tecnica;  // 1 subsets, 2 Swordfish, 3 both
    return p;
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

bool Rileva(Risoluzione& b, const Tavola& t) {
    for (const Tecnica& k : Tecniche())
        if (k.Cerca && Attiva(k, b.AttivaMultipli) && k.Cerca(b, t)) return true;
    return false;
}

void Risolvi(Risoluzione& b, const Tavola& inp, int Livello) {
    Risolutore& ris = b.ris;
    Tavola t = inp;

    for (;;) {
        while (ris.PassoCorrente < ris.NumPassi) {
            if (!b.spettatore.PrimaDelPasso(t, b.log)) {
                ris.Interrotto = true;
                return;
            }
            ris.PassoCorrente += 1;
            b.log.Svuota();
            const bool contraddizione = EseguiPasso(b, t);
            if (!Riferisci(b)) return;
            if (!b.spettatore.DopoIlPasso(b.log)) {
                ris.Interrotto = true;
                return;
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
        if (ris.Sequenza)
            ris.Sequenza->GeneraCasuali(L, estratti.data(), 60);
        else
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

void RisolviSchema(Risoluzione& b) {
    // Nothing to solve before a schema exists.
    if (!b.schema.Caricato) return;
    const int n = b.schema.Sizesc;
    Risolutore& ris = b.ris;

    Tavola A(n);
    ris.TecnicheUsate = 0;
    ris.NumMultipli = 0;
    ris.NumSwordfish = 0;
    ris.NumMaestro = {};
    b.spettatore.Inizio();
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
    Risolvi(b, A, 1);
    // An unsolved end of a whole search, or the counter's verdict at the step limit, proves
    // there is no solution; an interrupt or a refused trial proves nothing.
    if (!ris.Risolto && !ris.Interrotto && !ris.Troncato) {
        ris.SenzaSoluzione = true;
        RiferisciRiga(b, FraseSenzaSoluzione);
    }
    b.spettatore.Fine();
}

}  // namespace kelvaro
