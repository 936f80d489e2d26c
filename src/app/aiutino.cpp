#include "app/aiutino.h"

#include "display/gioco.h"
#include "display/modifica.h"

namespace kelvaro {

Tabella VociGiocatore(const Banco& b) {
    Tabella t;
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) t[r][c] = std::to_string(CifraMostrata(b, r, c));
    return t;
}

Suggerimento ChiediAiutino(const Banco& b) {
    const Tabella voci = VociGiocatore(b);
    // The hint explains the simplest step it can find: the master tier is always on, after the
    // techniques the settings choose, so it answers "only a trial" as rarely as it can.
    return CalcolaSuggerimento(b.schema, voci, &b.modifica.Note, b.imp.AttivaMultipli | 4);
}

std::string TestoAiutino(const Suggerimento& s) {
    auto elenco = [](const std::vector<CellaRC>& celle) {
        std::string t;
        for (size_t k = 0; k < celle.size(); ++k) {
            if (k > 0) t += k + 1 == celle.size() ? " e " : ", ";
            t += DesCella(celle[k].Riga, celle[k].Colonna);
        }
        return t;
    };
    switch (s.esito) {
        case Suggerimento::Esito::Passo: {
            std::string t;
            for (const std::string& f : s.Frasi) {
                if (f.empty()) continue;
                if (!t.empty()) t += " ";
                t += f;
            }
            if (t.empty()) t = "Prossimo passo: " + s.Codice + ".";
            return t + " (H di nuovo per eseguirlo)";
        }
        case Suggerimento::Esito::Errore: {
            // Wrong notes are mended, not cleared: the sentence says which and how.
            if (!s.NoteCorrette.empty())
                return "Le note di " + elenco(s.CelleErrate) +
                       " escludono la cifra giusta. (H di nuovo per correggerle)";
            if (s.CelleErrate.empty())
                return s.Motivo.empty() ? "La posizione contiene un errore." : s.Motivo + ".";
            std::string t = (s.CelleErrate.size() == 1 ? "Errore in " : "Errori in ") + elenco(s.CelleErrate);
            // Why: the rule broken ("due 6 nella riga 1", "R1C2 deve essere maggiore di R1C3") or
            // the solution contradicted.
            std::string motivo = s.Motivo;
            if (motivo.rfind("Cifra sbagliata", 0) == 0)
                motivo = "la cifra non è quella della soluzione";
            else if (motivo.rfind("Cifre sbagliate", 0) == 0)
                motivo = "le cifre non sono quelle della soluzione";
            else if (motivo.rfind("Due ", 0) == 0 || motivo.rfind("Posizione ", 0) == 0)
                motivo[0] = static_cast<char>(motivo[0] - 'A' + 'a');
            if (!motivo.empty()) t += ": " + motivo;
            return t + ". (H di nuovo per cancellare)";
        }
        case Suggerimento::Esito::Completo:
            return "Lo schema è già completo.";
        case Suggerimento::Esito::Nessuno:
            break;
    }
    if (s.CellaProva.Riga >= 1 && s.CellaProva.Colonna >= 1)
        return "Nessun passo logico: resta solo da provare una cifra in " +
               DesCella(s.CellaProva.Riga, s.CellaProva.Colonna) + ".";
    return "Nessun passo logico da suggerire.";
}

bool EseguiAiutino(Banco& b, const Suggerimento& s) {
    std::vector<CifraDaScrivere> cifre;
    std::vector<NoteDaScrivere> note;
    switch (s.esito) {
        case Suggerimento::Esito::Passo: {
            if (s.Valore >= 1)
                for (const CellaRC& c : s.CelleDecise) cifre.push_back({c.Riga, c.Colonna, s.Valore});
            // The cells that lose candidates keep exactly what the step leaves them: the player's
            // notes without the digits struck, or, where the player noted nothing, the solver's
            // own candidates after the step (never more than the step showed).
            TabellaNote dopo = b.modifica.Note;
            for (const CandidatiRimasti& k : s.Restano) {
                if (!CellaModificabile(b, k.Riga, k.Colonna) || CifraMostrata(b, k.Riga, k.Colonna) != 0)
                    continue;
                dopo[k.Riga][k.Colonna] = NoteDaCifre(k.Cifre);
            }
            const int n = b.schema.Sizesc;
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c)
                    if (dopo[r][c] != b.modifica.Note[r][c]) note.push_back({r, c, dopo[r][c]});
            break;
        }
        case Suggerimento::Esito::Errore:
            if (!s.NoteCorrette.empty()) {
                for (const CandidatiRimasti& k : s.NoteCorrette)
                    note.push_back({k.Riga, k.Colonna, NoteDaCifre(k.Cifre)});
                break;
            }
            for (const CellaRC& c : s.CelleErrate) cifre.push_back({c.Riga, c.Colonna, 0});
            break;
        default:
            return false;
    }
    return ApplicaMossaMultipla(b, cifre, note);
}

}  // namespace kelvaro
