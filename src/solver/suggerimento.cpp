// The next step from a player's position. The position is checked first against the rules and
// the one solution; then the solver's own detection finds the step on a scratch workbench and
// the solver's own procedure carries it out there, which gives its sentences and its effect.
#include "solver/suggerimento.h"

#include <algorithm>
#include <optional>

#include "rules/richiesta_regole.h"
#include "solver/contatore.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// --- the level's tables -------------------------------------------------------------------------

bool HaCifra(const Tavola& t, int r, int c, int d) {
    return (t.S[r][c] & BitCifra(d)) != 0;
}

// Every cell open, then the placed digits carried out as the solve command carries out its givens.
// The position is the player's, not one the solver built: none of the solver's shortcuts apply.
Tavola PreparaTavola(Risoluzione& b, const Cifre& cifre) {
    const int n = b.schema.Sizesc;
    Tavola t(n);
    t.Coerente = false;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (cifre[r][c] == 0) continue;
            Passo& p = RegistraPasso(b, "I");
            p.Riga = r;
            p.Colonna = c;
            p.Valore = std::to_string(cifre[r][c]);
            b.ris.PassoCorrente = b.ris.NumPassi;
            EseguiPasso(b, t);
        }
    b.log.Svuota();
    return t;
}

// --- the position ----------------------------------------------------------------------------------

// "1".."n" gives the digit, "" and "0" give 0, anything else -1.
int LeggiCifra(const std::string& t, int n) {
    if (t.empty() || t == "0") return 0;
    if (t.size() == 1 && t[0] >= '1' && t[0] <= '0' + n) return t[0] - '0';
    return -1;
}

Suggerimento Errore(std::vector<CellaRC> celle, std::string motivo) {
    Suggerimento h;
    h.esito = Suggerimento::Esito::Errore;
    h.CelleErrate = std::move(celle);
    h.Motivo = std::move(motivo);
    return h;
}

// The one solution of the schema: the counter's when it finds exactly one, else the stored one
// when it really is a solution (complete, keeping the givens, breaking no rule).
std::optional<Cifre> SoluzioneDiRiferimento(const Schema& s) {
    Cifre sol{};
    if (SoluzioneUnica(s, sol) == 1) return sol;
    return SoluzioneSalvataValida(s);
}

// Carries out the step Rileva has just recorded and describes it.
Suggerimento Descrivi(Risoluzione& b, Tavola& t) {
    const int n = b.schema.Sizesc;
    b.ris.PassoCorrente = b.ris.NumPassi;
    const Passo p = PassoInCorso(b);
    const Tavola prima = t;
    b.log.Svuota();
    const bool contraddizione = EseguiPasso(b, t);

    Suggerimento h;
    h.Frasi = b.log.Righe();
    h.Codice = p.Codice;
    if (contraddizione) {
        h.esito = Suggerimento::Esito::Errore;
        h.CelleErrate = {{p.Riga, p.Colonna}};
        h.Motivo = "Posizione contraddittoria";
        return h;
    }
    h.esito = Suggerimento::Esito::Passo;
    const bool decide = p.Codice == "U" || p.Codice == "R" || p.Codice == "C";
    if (decide) {
        h.CelleDecise = {{p.Riga, p.Colonna}};
        h.Valore = p.Valore.empty() ? 0 : p.Valore[0] - '0';
    }
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (decide && r == p.Riga && c == p.Colonna) continue;
            const size_t tolti = h.Tolti.size();
            std::string restano;
            for (int d = 1; d <= n; ++d) {
                if (HaCifra(prima, r, c, d) && !HaCifra(t, r, c, d)) h.Tolti.push_back({r, c, d});
                if (HaCifra(t, r, c, d)) restano += static_cast<char>('0' + d);
            }
            if (h.Tolti.size() > tolti) h.Restano.push_back({r, c, restano});
        }
    h.CelleMotivo = b.ris.Effetto.Motivo;
    return h;
}

}  // namespace

Suggerimento CalcolaSuggerimento(const Schema& s, const Tabella& voci, const NoteGriglia* note,
                                 int AttivaMultipli) {
    const int n = s.Sizesc;
    if (n < 1 || n > DimMax) return Errore({}, "Dimensione dello schema non valida");

    Cifre cifre{};
    bool pieno = true;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int g = LeggiCifra(s.tblSchema[r][c], n);
            const int v = LeggiCifra(voci[r][c], n);
            if (g < 0) return Errore({{r, c}}, "Dato iniziale non valido in " + DesCella(r, c));
            if (v < 0) return Errore({{r, c}}, "Cifra non valida in " + DesCella(r, c));
            if (g > 0 && v > 0 && v != g)
                return Errore({{r, c}}, DesCella(r, c) + " contiene il dato iniziale " + std::to_string(g));
            cifre[r][c] = g > 0 ? g : v;
            if (cifre[r][c] == 0) pieno = false;
        }
    // The first break of the rules, with its reason. Only what the player wrote is wrong: a given
    // is named only when the givens themselves break the rule.
    if (const auto rotte = ControllaRegole(s, cifre); !rotte.empty()) {
        const Violazione& v = rotte.front();
        std::vector<CellaRC> errate;
        for (const CellaRC& x : {v.A, v.B})
            if (LeggiCifra(s.tblSchema[x.Riga][x.Colonna], n) == 0) errate.push_back(x);
        if (errate.empty()) errate = {v.A, v.B};
        return Errore(errate, FraseViolazione(v));
    }

    if (const auto sol = SoluzioneDiRiferimento(s)) {
        std::vector<CellaRC> errate;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (cifre[r][c] != 0 && cifre[r][c] != (*sol)[r][c]) errate.push_back({r, c});
        if (!errate.empty())
            return Errore(errate, errate.size() == 1
                                      ? "Cifra sbagliata in " + DesCella(errate[0].Riga, errate[0].Colonna)
                                      : "Cifre sbagliate");
        if (note)
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c)
                    if (cifre[r][c] == 0 && (*note)[r][c] != 0 && !((*note)[r][c] >> (*sol)[r][c] & 1)) {
                        Suggerimento h = Errore(
                            {{r, c}}, "Gli appunti di " + DesCella(r, c) + " escludono la cifra giusta");
                        // The mending: the notes with the right digit put back.
                        const auto giuste = static_cast<uint16_t>((*note)[r][c] | 1u << (*sol)[r][c]);
                        std::string cifre_note;
                        for (int d = 1; d <= n; ++d)
                            if (giuste >> d & 1) cifre_note += static_cast<char>('0' + d);
                        h.NoteCorrette = {{r, c, cifre_note}};
                        return h;
                    }
    }
    if (pieno) {
        Suggerimento h;
        h.esito = Suggerimento::Esito::Completo;
        h.Motivo = "Schema completo";
        return h;
    }

    // A scratch solve: the solver records and logs there, never in the caller's.
    Schema schema;
    schema.Sizesc = n;
    schema.tblSchema = s.tblSchema;
    schema.tblSegni = s.tblSegni;
    schema.Vincoli = s.Vincoli;
    schema.Caricato = true;
    Risolutore risolutore;
    LogSoluzione log;
    Spettatore nessuno;
    Risoluzione b{schema, risolutore, log, AttivaMultipli, nessuno};
    Tavola t = PreparaTavola(b, cifre);
    // The player's notes (bit d for digit d) narrow the cells they were written in.
    if (note)
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (cifre[r][c] == 0 && (*note)[r][c] != 0)
                    t.Togli(r, c, static_cast<Maschera>(~((*note)[r][c] >> 1)));

    if (Rileva(b, t)) return Descrivi(b, t);

    int rt = 0, ct = 0;
    Suggerimento h;
    h.esito = Suggerimento::Esito::Nessuno;
    if (ScegliCellaProva(t, rt, ct)) h.CellaProva = {rt, ct};
    h.Motivo = "Nessun passo logico: resta solo una prova";
    return h;
}

std::string TestoSuggerimento(const Suggerimento& h) {
    using E = Suggerimento::Esito;
    auto celle = [](const std::vector<CellaRC>& v) {
        std::string t;
        for (const CellaRC& c : v) t += (t.empty() ? "" : " ") + DesCella(c.Riga, c.Colonna);
        return t;
    };
    std::string out = "passo: ";
    out += h.esito == E::Passo ? h.Codice : h.esito == E::Errore ? "errore" : "nessuno";
    out += "\n";
    for (const std::string& f : h.Frasi) out += "frase: " + f + "\n";
    if (!h.CelleDecise.empty())
        out += "decise: " + celle(h.CelleDecise) + "\nvalore: " + std::to_string(h.Valore) + "\n";
    if (!h.Tolti.empty()) {
        out += "tolti:";
        for (const CandidatoTolto& t : h.Tolti)
            out += " " + DesCella(t.Riga, t.Colonna) + ":" + std::to_string(t.Cifra);
        out += "\n";
    }
    if (!h.Restano.empty()) {
        out += "restano:";
        for (const CandidatiRimasti& k : h.Restano) out += " " + DesCella(k.Riga, k.Colonna) + ":" + k.Cifre;
        out += "\n";
    }
    if (!h.CelleMotivo.empty()) out += "giustificano: " + celle(h.CelleMotivo) + "\n";
    if (!h.CelleErrate.empty()) out += "errate: " + celle(h.CelleErrate) + "\n";
    if (h.esito == E::Nessuno && h.CellaProva.Riga != 0) out += "prova: " + celle({h.CellaProva}) + "\n";
    if (!h.Motivo.empty()) out += "motivo: " + h.Motivo + "\n";
    return out;
}

int SoluzioneUnica(const Schema& s, Cifre& sol) {
    const auto letto = SchemaBitDa(s);
    if (!letto || !letto->DatiValidi) return 0;
    std::array<uint8_t, CelleMax> celle{};
    const int trovate = ContaSoluzioni(letto->schema, 2, &celle);
    if (trovate == 1) {
        const int n = s.Sizesc;
        for (int k = 0; k < n * n; ++k) sol[k / n + 1][k % n + 1] = celle[static_cast<size_t>(k)];
    }
    return trovate;
}

uint16_t NoteDaCifre(const std::string& cifre) {
    uint16_t m = 0;
    for (char ch : cifre)
        if (ch >= '1' && ch <= '9') m = static_cast<uint16_t>(m | 1u << (ch - '0'));
    return m;
}

void ApplicaSuggerimento(const Suggerimento& h, Tabella& voci, NoteGriglia& note) {
    if (h.esito != Suggerimento::Esito::Passo) return;
    for (const CellaRC& d : h.CelleDecise) {
        voci[d.Riga][d.Colonna] = std::to_string(h.Valore);
        note[d.Riga][d.Colonna] = 0;
    }
    for (const CandidatiRimasti& k : h.Restano) note[k.Riga][k.Colonna] = NoteDaCifre(k.Cifre);
}

std::string RispondiRichiesta(const std::string& richiesta) {
    size_t pos = 0;
    const std::string dim = CampoRichiesta(richiesta, pos);
    const std::string dati = CampoRichiesta(richiesta, pos);
    const std::string segni = CampoRichiesta(richiesta, pos);
    const std::string voci = CampoRichiesta(richiesta, pos);
    const std::string note = CampoRichiesta(richiesta, pos);
    const std::string tecniche = CampoRichiesta(richiesta, pos);
    const std::optional<Schema> letto = SchemaDaRichiesta(dim, dati, segni);
    const int n = letto ? letto->Sizesc : 0;
    if (!letto || (!voci.empty() && voci.size() != static_cast<size_t>(n * n)))
        return "passo: errore\nmotivo: Richiesta non valida\n";
    const Schema& s = *letto;
    Tabella voce{};
    for (int k = 0; k < n * n; ++k)
        voce[k / n + 1][k % n + 1] = voci.empty() ? "0" : std::string(1, voci[static_cast<size_t>(k)]);

    NoteGriglia appunti{};
    bool conNote = false;
    size_t p = 0;
    for (int k = 0; k < n * n && p <= note.size() && !note.empty(); ++k) {
        const size_t fine = note.find(',', p);
        const std::string g = note.substr(p, fine == std::string::npos ? std::string::npos : fine - p);
        p = fine == std::string::npos ? note.size() + 1 : fine + 1;
        for (char ch : g)
            if (ch >= '1' && ch <= '0' + n) {
                appunti[k / n + 1][k % n + 1] |= static_cast<uint16_t>(1u << (ch - '0'));
                conNote = true;
            }
    }
    const int attiva =
        tecniche.size() == 1 && tecniche[0] >= '0' && tecniche[0] <= '7' ? tecniche[0] - '0' : 3;
    return TestoSuggerimento(CalcolaSuggerimento(s, voce, conNote ? &appunti : nullptr, attiva));
}

}  // namespace kelvaro
