#include "production/produzione.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "app/avvio.h"
#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/casuale.h"
#include "model/disco.h"
#include "model/testo.h"
#include "production/genera_banco.h"
#include "solver/contatore.h"
#include "solver/livello.h"
#include "solver/valutazione.h"

namespace kelvaro {

std::string DidascaliaProduzione(int regola, int numRegole, int schema, int numSchemi) {
    return "Futoshiki Regola " + std::to_string(regola) + " di " + std::to_string(numRegole) + " Schema " +
           std::to_string(schema) + " di " + std::to_string(numSchemi);
}

std::optional<Richiesta> LeggiRichiesta(const std::string& testo) {
    const std::string t = Maiuscolo(testo);
    if (t.empty()) return Richiesta::Qualsiasi;
    if (t == "NESSUNA") return Richiesta::Nessuna;
    if (t == "SOTTOINSIEMI") return Richiesta::Sottoinsiemi;
    if (t == "SWORDFISH") return Richiesta::Swordfish;
    if (t == "ENTRAMBE") return Richiesta::Entrambe;
    if (t == "MAESTRO") return Richiesta::Maestro;
    return std::nullopt;
}

std::string NomeRichiesta(Richiesta r) {
    switch (r) {
        case Richiesta::Nessuna:
            return "nessuna";
        case Richiesta::Sottoinsiemi:
            return "sottoinsiemi";
        case Richiesta::Swordfish:
            return "swordfish";
        case Richiesta::Entrambe:
            return "entrambe";
        case Richiesta::Maestro:
            return "maestro";
        case Richiesta::Qualsiasi:
            break;
    }
    return "qualsiasi";
}

Richiesta TecnicheNecessarie(int M, int S) {
    if (S > 0) return M > 0 ? Richiesta::Entrambe : Richiesta::Swordfish;
    return M > 0 ? Richiesta::Sottoinsiemi : Richiesta::Nessuna;
}

bool IndurisciPerMaestro(Schema& s, int tecniche) {
    const int n = s.Sizesc;
    // The clues: every sign, then every given, as (sign index) or (-1 - cell index).
    std::vector<int> indizi;
    for (int k = 0; k < s.NumVincoli(); ++k) indizi.push_back(k);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (EDato(s.tblSchema[r][c])) indizi.push_back(-1 - ((r - 1) * n + c - 1));
    // An order of their own, drawn from the schema: the same schema always ends the same way, and
    // the generator's random sequence is left alone.
    std::mt19937 caso(static_cast<uint32_t>(std::hash<std::string>{}(TestoFileSchema(s))));
    std::shuffle(indizi.begin(), indizi.end(), caso);
    std::vector<bool> tolto(static_cast<size_t>(s.NumVincoli()), false);
    const std::vector<std::string> vincoli = s.Vincoli;
    auto ricostruisci = [&] {
        s.Vincoli.clear();
        for (size_t k = 0; k < vincoli.size(); ++k)
            if (!tolto[k]) s.Vincoli.push_back(vincoli[k]);
        CostruisciSegni(s);
    };
    for (int i : indizi) {
        std::string dato;
        if (i >= 0) {
            tolto[static_cast<size_t>(i)] = true;
            ricostruisci();
        } else {
            const int r = (-1 - i) / n + 1, c = (-1 - i) % n + 1;
            dato = s.tblSchema[r][c];
            s.tblSchema[r][c] = "0";
        }
        if (ContaSoluzioni(s, 2) == 1 && RisoltoSenzaTentativo(s, 7)) continue;
        if (i >= 0) {
            tolto[static_cast<size_t>(i)] = false;
            ricostruisci();
        } else {
            s.tblSchema[(-1 - i) / n + 1][(-1 - i) % n + 1] = dato;
        }
    }
    return !RisoltoSenzaTentativo(s, tecniche & 3);
}

bool Soddisfa(Richiesta chiesta, int M, int S) {
    switch (chiesta) {
        case Richiesta::Qualsiasi:
        case Richiesta::Maestro:  // judged apart, after IndurisciPerMaestro
            return true;
        case Richiesta::Swordfish:
            return S > 0;
        default:
            return TecnicheNecessarie(M, S) == chiesta;
    }
}

std::string ControllaRegola(const Regola& r) {
    if (!r.FuoriIntervallo.empty()) return r.FuoriIntervallo + " fuori dai valori ammessi";
    const std::pair<const char*, int> valori[] = {
        {"SIZESC", r.SIZESC},       {"CELLEINIZIALI", r.CELLEINIZIALI}, {"PROFONDITA", r.PROFONDITA},
        {"MAXCICLO1", r.MAXCICLO1}, {"MAXCICLO2", r.MAXCICLO2},         {"SOGLIA", r.SOGLIA},
    };
    for (const auto& [chiave, v] : valori)
        if (v < 0 || v > 255)
            return std::string(chiave) + "=" + std::to_string(v) + " fuori dai valori ammessi (da 0 a 255)";
    if (r.SIZESC < SizescMinimaGenerabile || r.SIZESC > DimMax)
        return "SIZESC=" + std::to_string(r.SIZESC) + " fuori dalle dimensioni generabili (da " +
               std::to_string(SizescMinimaGenerabile) + " a " + std::to_string(DimMax) + ")";
    const auto richiesta = LeggiRichiesta(r.RICHIEDE);
    if (!richiesta)
        return "RICHIEDE=" + r.RICHIEDE +
               " non è una richiesta valida (NESSUNA, SOTTOINSIEMI, SWORDFISH, ENTRAMBE, MAESTRO)";
    const bool servonoMultipli = *richiesta == Richiesta::Sottoinsiemi || *richiesta == Richiesta::Entrambe;
    const bool serveSwordfish = *richiesta == Richiesta::Swordfish || *richiesta == Richiesta::Entrambe;
    if (servonoMultipli && r.NASCOSTI != 1)
        return "RICHIEDE=" + r.RICHIEDE + " vuole i doppi tripli nascosti attivi (NASCOSTI=1)";
    if (serveSwordfish && r.SWORDFISH != 1)
        return "RICHIEDE=" + r.RICHIEDE + " vuole lo Swordfish attivo (SWORDFISH=1)";
    return "";
}

namespace {

// Creates the folder when missing and proves it takes a file.
bool CartellaScrivibile(const std::string& cartella) {
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);
    if (!std::filesystem::is_directory(cartella, ec)) return false;
    const std::filesystem::path prova = std::filesystem::path(cartella) / ".kelvaro_prova_scrittura";
    bool ok;
    {
        std::ofstream f(prova, std::ios::binary);
        ok = static_cast<bool>(f << "x");
    }
    std::filesystem::remove(prova, ec);
    return ok;
}

// The name the writer takes for `percorso`: the first of name, name_2, name_3, ... still free.
std::string PrimoNomeLibero(const std::string& percorso) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) return percorso;
    const std::filesystem::path p(percorso);
    const std::string base = (p.parent_path() / p.stem()).string();
    for (int k = 2;; ++k) {
        const std::string c = base + "_" + std::to_string(k) + p.extension().string();
        if (!std::filesystem::exists(c, ec)) return c;
    }
}

// What became of one generation step's schema.
struct Consegna {
    bool chiamata = false;  // the step confirmed a schema
    bool scritto = false;
    bool scartato = false;  // not what the rule asks for, or a repeat
    bool ripetuto = false;
    SchemaScritto s;
};

// The generation step's hand-over while the loop runs; the previous one comes back afterwards.
class ConsegnaInCorso {
public:
    ConsegnaInCorso(Banco& b, std::function<void(Banco&)> f) : b_(b), prima_(std::move(b.ConsegnaSchema)) {
        b_.ConsegnaSchema = std::move(f);
    }
    ~ConsegnaInCorso() { b_.ConsegnaSchema = std::move(prima_); }

private:
    Banco& b_;
    std::function<void(Banco&)> prima_;
};

// The generation step removes signs while its techniques still solve the schema, so it steers
// towards schemas that need them. A schema solved by fewer techniques never needs more from the
// step solver (it only tries a harder technique where every easier one finds nothing), so asking
// for an easy schema generates with the easy techniques only.
int TecnicheGenerazione(Richiesta q, int tecniche) {
    switch (q) {
        case Richiesta::Nessuna:
            return 0;
        case Richiesta::Sottoinsiemi:
            return tecniche & 1;
        default:
            return tecniche;
    }
}

// The schema files already in a folder count as written: a second run into the same folder
// (which draws the same random sequence again) gives new schemas instead of copies. `letti` holds
// the paths already read, so that looking again reads only the files that came since.
void RicordaSchemiDellaCartella(const std::string& cartella, std::set<std::string>& visti,
                                std::set<std::string>& letti) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string est = Maiuscolo(it->path().extension().string());
        if ((est != ".TXT" && est != ".XML") || !it->is_regular_file(ec)) continue;
        if (it->file_size(ec) > 4096) continue;  // a schema file is well under 1 KB
        if (!letti.insert(it->path().string()).second) continue;
        std::ifstream f(it->path(), std::ios::binary);
        std::string testo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        visti.insert(std::move(testo));
    }
}

}  // namespace

int SchemiDaProdurre(const Configurazione& conf) {
    const int ultima = std::min({conf.NumRegole, MaxRegole, static_cast<int>(conf.Regole.size()) - 1});
    int totale = 0;
    for (int k = 1; k <= ultima; ++k) {
        const Regola& r = conf.Regole[k];
        if (r.SCHEMI > 0 && ControllaRegola(r).empty()) totale += r.SCHEMI;
    }
    return totale;
}

EsitoProduzione EseguiGeneraAuto(Banco& b, const EventiProduzione& eventi) {
    using Orologio = std::chrono::steady_clock;
    EsitoProduzione esito;
    const int numRegole = b.conf.NumRegole;
    const int ultima = std::min({numRegole, MaxRegole, static_cast<int>(b.conf.Regole.size()) - 1});
    esito.Totale = SchemiDaProdurre(b.conf);

    // Schemas already written in this run, as their file text: the random sequence has a finite
    // period, and a long run would otherwise come back to schemas it has already given.
    std::set<std::string> visti;
    std::set<std::string> letti;  // the files of the rules' folders read into visti
    Richiesta richiesta = Richiesta::Qualsiasi;
    int tecnicheRegola = 0;
    Consegna c;
    const ConsegnaInCorso consegna(b, [&](Banco& bb) {
        c.chiamata = true;
        if (richiesta == Richiesta::Maestro) {
            if (!IndurisciPerMaestro(bb.schema, tecnicheRegola)) {
                c.scartato = true;
                return;
            }
            // Named by its grade, as verifica gives it: the rule's techniques now need a trial.
            const Valutazione v = ValutaSchema(bb.schema, tecnicheRegola);
            bb.ris.NumMultipli = v.NumMultipli;
            bb.ris.NumSwordfish = v.NumSwordfish;
            GeneraNomeAut(bb);
        } else if (bb.imp.AttivaMultipli != tecnicheRegola) {
            // Generated with fewer techniques (see TecnicheGenerazione): graded and named by the
            // step solver with the rule's own.
            bb.imp.AttivaMultipli = tecnicheRegola;
            if (!RisoltoSenzaTentativi(bb)) {
                c.scartato = true;
                return;
            }
            GeneraNomeAut(bb);
        }
        const int M = bb.ris.NumMultipli, S = bb.ris.NumSwordfish;
        if (!Soddisfa(richiesta, M, S)) {
            c.scartato = true;
            return;
        }
        const std::string testo = TestoFileSchema(bb.schema);
        const std::string cartella = CartellaRegola(bb, bb.conf.Regole[bb.conf.RegolaCorrente].DIR);
        // Other runs writing into the folder at the same moment draw the same random sequence and
        // come to the same schemas: the folder stays locked from the look at its schemas to the
        // new file, so each schema is written once, by the run that gets there first.
        const BloccoCartella blocco(cartella);
        RicordaSchemiDellaCartella(cartella, visti, letti);
        if (visti.count(testo)) {
            c.scartato = c.ripetuto = true;
            return;
        }
        const std::string file = PrimoNomeLibero(cartella + "/" + bb.file.NomeFile);
        CmdSalvaxml_Click(bb);
        if (!bb.file.Salvato) return;  // the writer has said which file it could not write
        letti.insert(file);
        visti.insert(testo);
        c.scritto = true;
        c.s.File = file;
        c.s.Cartella = cartella;
        c.s.Dimensione = bb.schema.Sizesc;
        c.s.Livello = LivelloSchema(S, M);
        c.s.Multipli = M;
        c.s.Swordfish = S;
        c.s.Segni = static_cast<int>(bb.schema.Vincoli.size());
        c.s.Dati = ContaCelleProblema(bb.schema);
        c.s.Byte = testo.size();
    });

    bool form1Caricato = false;
    for (int k = 1; k <= ultima; ++k) {
        b.conf.RegolaCorrente = k;
        const Regola r = b.conf.Regole[k];
        if (r.SCHEMI <= 0) continue;
        const std::string motivo = ControllaRegola(r);
        if (!motivo.empty()) {
            b.finestre().Messaggio("Regola " + std::to_string(k) + " saltata: " + motivo);
            continue;
        }
        richiesta = *LeggiRichiesta(r.RICHIEDE);
        const std::string cartella = CartellaRegola(b, r.DIR);
        if (!CartellaScrivibile(cartella)) {
            b.finestre().Messaggio(
                "Impossibile scrivere gli schemi della regola " + std::to_string(k) + " nella cartella",
                cartella);
            esito.Fermato = true;
            return esito;
        }
        {
            const BloccoCartella blocco(cartella);
            RicordaSchemiDellaCartella(cartella, visti, letti);
        }
        bool regolaFinita = false;
        for (int i = 1; i <= r.SCHEMI && !regolaFinita; ++i) {
            if (eventi.Didascalia) eventi.Didascalia(DidascaliaProduzione(k, numRegole, i, r.SCHEMI));
            const auto inizio = Orologio::now();
            int scartati = 0, ripetuti = 0;
            for (int tentativo = 0;; ++tentativo) {
                // The one yield per schema; a rule that asks for a difficulty yields again before
                // each further try, so that Esc is never kept waiting for long.
                if (eventi.Cedi && eventi.Cedi()) {
                    esito.Interrotto = true;
                    return esito;
                }
                if (!form1Caricato) {
                    if (eventi.CaricaForm1)
                        eventi.CaricaForm1();
                    else
                        CaricamentoForm1(b);
                    form1Caricato = true;
                }
                b.schema.Sizesc = r.SIZESC;
                b.imp.CelleIniziali = r.CELLEINIZIALI;
                b.imp.MaxCercaVincoli = r.PROFONDITA;
                b.imp.MaxCiclo1 = r.MAXCICLO1;
                b.imp.MaxCiclo2 = r.MAXCICLO2;
                b.imp.Soglia = r.SOGLIA;
                b.imp.OutputSchema = false;
                b.imp.AttivaMultipli = 0;
                if (r.NASCOSTI == 1) b.imp.AttivaMultipli += 1;
                if (r.SWORDFISH == 1) b.imp.AttivaMultipli += 2;
                tecnicheRegola = b.imp.AttivaMultipli;
                b.imp.AttivaMultipli = TecnicheGenerazione(richiesta, tecnicheRegola);
                c = Consegna{};
                if (eventi.Genera)
                    eventi.Genera(b);
                else
                    DoGeneraAutoF1(b);
                if (c.scritto) {
                    c.s.Secondi = std::chrono::duration<double>(Orologio::now() - inizio).count();
                    esito.Scritti.push_back(c.s);
                    ++esito.Salvati;
                    if (eventi.Scritto) eventi.Scritto(c.s, esito.Salvati, esito.Totale);
                    break;
                }
                if (c.chiamata && !c.scartato) {  // the folder refused the file
                    esito.Fermato = true;
                    return esito;
                }
                if (!c.chiamata) {  // the step has said it could not give a schema: on to the next
                    ++esito.Mancati;
                    break;
                }
                ++(c.ripetuto ? ripetuti : scartati);
                // A repeat comes from the same point of the random sequence: one draw moves it on.
                if (c.ripetuto) EstraiCasuale();
                if (tentativo + 1 >= TentativiPerSchema) {
                    const std::string quanti = std::to_string(TentativiPerSchema);
                    b.finestre().Messaggio(
                        "Regola " + std::to_string(k) + " interrotta allo schema " + std::to_string(i) +
                        " di " + std::to_string(r.SCHEMI) + ": " +
                        (ripetuti > scartati
                             ? "in " + quanti + " tentativi si ripetono solo schemi già scritti"
                             : "in " + quanti + " tentativi nessuno schema richiede " +
                                   NomeRichiesta(richiesta)) +
                        "; provare altre dimensioni, celle iniziali o profondità analisi");
                    esito.Mancati += r.SCHEMI - i + 1;
                    regolaFinita = true;
                    break;
                }
            }
        }
    }
    return esito;
}

namespace {

struct Gruppo {
    int schemi = 0;
    double multipli = 0, swordfish = 0, segni = 0, dati = 0, secondi = 0;
};

using Chiave = std::tuple<int, long>;  // size, level

std::map<Chiave, Gruppo> Raggruppa(const std::vector<SchemaScritto>& scritti) {
    std::map<Chiave, Gruppo> g;
    for (const SchemaScritto& s : scritti) {
        Gruppo& x = g[{s.Dimensione, s.Livello}];
        ++x.schemi;
        x.multipli += s.Multipli;
        x.swordfish += s.Swordfish;
        x.segni += s.Segni;
        x.dati += s.Dati;
        x.secondi += s.Secondi;
    }
    return g;
}

std::string Decimale(double v, int cifre) {
    char t[64];
    std::snprintf(t, sizeof t, "%.*f", cifre, v);
    return t;
}

// The techniques of a group: its level fixes the step counts.
std::string TecnicheGruppo(const Gruppo& x) {
    return NomeRichiesta(TecnicheNecessarie(x.multipli > 0 ? 1 : 0, x.swordfish > 0 ? 1 : 0));
}

}  // namespace

std::string RiepilogoTesto(const std::vector<SchemaScritto>& scritti) {
    std::string t = "Riepilogo: " + std::to_string(scritti.size()) + " schemi\n";
    if (scritti.empty()) return t;
    char riga[160];
    std::snprintf(riga, sizeof riga, "%-10s %-8s %-13s %6s %7s %7s %8s\n", "dimensione", "livello",
                  "tecniche", "schemi", "segni", "dati", "s/schema");
    t += riga;
    for (const auto& [k, x] : Raggruppa(scritti)) {
        const auto [n, livello] = k;
        std::snprintf(riga, sizeof riga, "%-10s %-8ld %-13s %6d %7.1f %7.1f %8.2f\n",
                      (std::to_string(n) + "x" + std::to_string(n)).c_str(), livello,
                      TecnicheGruppo(x).c_str(), x.schemi, x.segni / x.schemi, x.dati / x.schemi,
                      x.secondi / x.schemi);
        t += riga;
    }
    return t;
}

std::string RiepilogoCsv(const std::vector<SchemaScritto>& scritti) {
    const std::string fine = "\r\n";
    std::string t =
        "dimensione,livello,tecniche,schemi,passi_sottoinsiemi,passi_swordfish,segni,dati,secondi_per_"
        "schema" +
        fine;
    for (const auto& [k, x] : Raggruppa(scritti)) {
        const auto [n, livello] = k;
        const double q = x.schemi;
        t += std::to_string(n) + "," + std::to_string(livello) + "," + TecnicheGruppo(x) + "," +
             std::to_string(x.schemi) + "," + Decimale(x.multipli / q, 1) + "," +
             Decimale(x.swordfish / q, 1) + "," + Decimale(x.segni / q, 1) + "," + Decimale(x.dati / q, 1) +
             "," + Decimale(x.secondi / q, 3) + fine;
    }
    return t;
}

std::vector<std::string> ScriviRiepiloghi(Banco& b, const std::vector<SchemaScritto>& scritti) {
    std::map<std::string, std::vector<SchemaScritto>> perCartella;
    for (const SchemaScritto& s : scritti) perCartella[s.Cartella].push_back(s);
    const std::tm t = b.Orologio ? b.Orologio() : OraLocale();
    char data[32];
    std::snprintf(data, sizeof data, "%02d%02d%02d%02d%02d%02d", (t.tm_year + 1900) % 100, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    std::vector<std::string> scritte;
    for (const auto& [cartella, elenco] : perCartella) {
        // Two runs ending in the same second into one folder each keep their own report.
        const std::string file = cartella + "/riepilogo_" + data + ".csv";
        if (const auto scritto = ScriviFileNuovo(file, RiepilogoCsv(elenco)))
            scritte.push_back(*scritto);
        else
            b.finestre().Messaggio("Impossibile scrivere il riepilogo", file);
    }
    return scritte;
}

}  // namespace kelvaro
