// kelvaro-cli genera: batch production of one rule given on the command line, through the same
// loop and writer as "/prod".
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/programma.h"
#include "cli/comandi.h"
#include "files/caricamento.h"
#include "production/produzione.h"
#include "solver/difficolta.h"

namespace kelvaro::cli {

namespace {

constexpr const char* UsoGenera =
    "Uso: kelvaro-cli genera [OPZIONI]\n"
    "  --dimensione N   dimensione degli schemi, da 2 a 9 (5)\n"
    "  --numero K       schemi da produrre (1)\n"
    "  --celle K        celle iniziali (2)\n"
    "  --tecniche K     0 nessuna, 1 doppi tripli nascosti, 2 Swordfish, 3 entrambe (3)\n"
    "  --soglia K       soglia cicli (11)\n"
    "  --cicli1 K       cicli primari (2)\n"
    "  --cicli2 K       cicli secondari (2)\n"
    "  --profondita K   profondità analisi (10)\n"
    "  --cartella DIR   cartella degli schemi (la cartella corrente)\n"
    "  --richiede R     solo schemi la cui soluzione richiede: nessuna, sottoinsiemi,\n"
    "                   swordfish (almeno un passo Swordfish), entrambe, maestro (il livello\n"
    "                   maestro: con le sole tecniche scelte servirebbe un tentativo)\n"
    "  --difficolta D   solo schemi di difficoltà D: Facile, Medio, Difficile, Esperto;\n"
    "                   senza --tecniche e --celle, quelle adatte alla difficoltà\n"
    "  --avanzamento    scrive l'avanzamento su stderr\n"
    "  --senza-riepilogo  non scrive il riepilogo nella cartella\n"
    "Alla fine stampa un riepilogo per dimensione e livello e lo scrive anche nella cartella,\n"
    "come riepilogo_AAMMGGHHMMSS.csv.\n";

bool LeggiIntero(const std::string& testo, int& valore) {
    if (testo.empty() || testo.size() > 9) return false;
    size_t k = testo[0] == '-' ? 1 : 0;
    if (k == testo.size()) return false;
    for (size_t i = k; i < testo.size(); ++i)
        if (testo[i] < '0' || testo[i] > '9') return false;
    valore = std::stoi(testo);
    return true;
}

// The names a generated schema can have: the generator keeps only schemas solved without a trial.
std::optional<Difficolta> LeggiDifficolta(const std::string& testo) {
    for (Difficolta d : {Difficolta::Facile, Difficolta::Medio, Difficolta::Difficile, Difficolta::Esperto}) {
        std::string nome = NomeDifficolta(d), minuscolo = testo;
        for (char& ch : nome) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        for (char& ch : minuscolo) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (nome == minuscolo) return d;
    }
    return std::nullopt;
}

// A workbench that runs the one rule r unattended, as /prod runs each of its rules.
void PreparaRegola(Banco& b, const Regola& r) {
    b.CartellaProgramma = CartellaEseguibile();
    b.imp.GeneraAuto = true;
    b.conf.Regole[1] = r;
    b.conf.NumRegole = 1;
}

EsitoProduzione EseguiRegola(Banco& b, bool avanzamento) {
    EventiProduzione eventi;
    if (avanzamento) eventi.Didascalia = [&b](const std::string& t) { b.finestre().Avanzamento(t); };
    return EseguiGeneraAuto(b, eventi);
}

// Runs the rule one schema at a time and keeps only the schemas of the difficulty asked, judged
// again from the written file; the others are deleted. Up to TentativiPerSchema schemas written
// per schema asked.
EsitoProduzione GeneraConDifficolta(const Regola& regola, Difficolta chiesta, bool avanzamento) {
    EsitoProduzione esito;
    esito.Totale = regola.SCHEMI;
    Regola una = regola;
    una.SCHEMI = 1;
    for (int tentativi = 0; esito.Salvati < regola.SCHEMI && tentativi < TentativiPerSchema * regola.SCHEMI;
         ++tentativi) {
        Banco b;
        PreparaRegola(b, una);
        const EsitoProduzione giro = EseguiRegola(b, avanzamento);
        esito.Mancati += giro.Mancati;
        if (giro.Fermato || giro.Interrotto) {
            esito.Fermato = giro.Fermato;
            esito.Interrotto = giro.Interrotto;
            break;
        }
        for (const SchemaScritto& s : giro.Scritti) {
            const auto letto = LeggiSchemaFile(s.File);
            if (letto && DifficoltaSchema(letto->schema) == chiesta) {
                esito.Scritti.push_back(s);
                esito.Salvati += 1;
            } else {
                std::error_code ec;
                std::filesystem::remove(s.File, ec);
            }
        }
    }
    return esito;
}

}  // namespace

int Genera(const Argomenti& args) {
    Regola r;
    r.SIZESC = 5;
    r.SCHEMI = 1;
    r.CELLEINIZIALI = 2;
    r.PROFONDITA = 10;
    r.MAXCICLO1 = 2;
    r.MAXCICLO2 = 2;
    r.SOGLIA = 11;
    int tecniche = 3;
    std::string cartella = ".";
    bool avanzamento = false;
    // The batch report goes beside the schemas, as /prod writes it; scripts that want schema files
    // only in the folder say so.
    bool riepilogo = true;
    std::optional<Difficolta> difficolta;
    std::set<std::string> dati;  // the options given
    const std::map<std::string, int*> numeri = {
        {"--dimensione", &r.SIZESC}, {"--numero", &r.SCHEMI},         {"--celle", &r.CELLEINIZIALI},
        {"--tecniche", &tecniche},   {"--soglia", &r.SOGLIA},         {"--cicli1", &r.MAXCICLO1},
        {"--cicli2", &r.MAXCICLO2},  {"--profondita", &r.PROFONDITA},
    };
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--avanzamento") {
            avanzamento = true;
            continue;
        }
        if (a == "--riepilogo" || a == "--senza-riepilogo") {
            riepilogo = a == "--riepilogo";
            continue;
        }
        if (a == "--help" || a == "-h") {
            std::fputs(UsoGenera, stdout);
            return 0;
        }
        const auto it = numeri.find(a);
        if ((it == numeri.end() && a != "--cartella" && a != "--richiede" && a != "--difficolta") ||
            k + 1 >= args.size()) {
            std::fputs(UsoGenera, stderr);
            return 2;
        }
        const std::string& v = args[++k];
        dati.insert(a);
        if (a == "--cartella") {
            cartella = v;
        } else if (a == "--difficolta") {
            difficolta = LeggiDifficolta(v);
            if (!difficolta) {
                std::fprintf(stderr,
                             "errore: --difficolta vuole Facile, Medio, Difficile o Esperto, non '%s'\n",
                             v.c_str());
                return 2;
            }
        } else if (a == "--richiede") {
            const auto q = LeggiRichiesta(v);
            if (!q || *q == Richiesta::Qualsiasi) {
                std::fprintf(stderr,
                             "errore: --richiede vuole nessuna, sottoinsiemi, swordfish, entrambe o maestro, "
                             "non '%s'\n",
                             v.c_str());
                return 2;
            }
            r.RICHIEDE = v;
        } else if (!LeggiIntero(v, *it->second)) {
            std::fprintf(stderr, "errore: %s vuole un numero intero, non '%s'\n", a.c_str(), v.c_str());
            return 2;
        }
    }
    // A difficulty asked without techniques or givens of one's own: the settings under which the
    // generator makes it often.
    if (difficolta)
        if (const auto assetto = AssettoPerDifficolta(*difficolta, r.SIZESC)) {
            if (!dati.count("--tecniche")) tecniche = assetto->Tecniche;
            if (!dati.count("--celle")) r.CELLEINIZIALI = assetto->CelleIniziali;
        }
    if (tecniche < 0 || tecniche > 3) {
        std::fprintf(stderr, "errore: --tecniche vuole un valore da 0 a 3, non %d\n", tecniche);
        return 2;
    }
    if (r.SCHEMI < 1) {
        std::fprintf(stderr, "errore: --numero vuole almeno 1 schema, non %d\n", r.SCHEMI);
        return 2;
    }
    // An empty name would silently mean the program directory.
    if (cartella.empty()) {
        std::fputs("errore: --cartella vuole il nome di una cartella, non un testo vuoto\n", stderr);
        return 2;
    }
    r.NASCOSTI = (tecniche & 1) ? 1 : 0;
    r.SWORDFISH = (tecniche & 2) ? 1 : 0;
    // On the command line a relative folder means the current directory.
    std::error_code ec;
    r.DIR = std::filesystem::absolute(cartella, ec).string();
    if (ec) r.DIR = cartella;
    const std::string motivo = ControllaRegola(r);
    if (!motivo.empty()) {
        std::fprintf(stderr, "errore: %s\n", motivo.c_str());
        return 2;
    }

    Banco b;
    PreparaRegola(b, r);
    const EsitoProduzione esito =
        difficolta ? GeneraConDifficolta(r, *difficolta, avanzamento) : EseguiRegola(b, avanzamento);
    if (difficolta && esito.Salvati < r.SCHEMI && !esito.Fermato && !esito.Interrotto)
        std::printf("In %d tentativi solo %d schemi %s su %d\n", TentativiPerSchema * r.SCHEMI, esito.Salvati,
                    NomeDifficolta(*difficolta), r.SCHEMI);
    std::fputs(RiepilogoTesto(esito.Scritti).c_str(), stdout);
    if (riepilogo)
        for (const std::string& f : ScriviRiepiloghi(b, esito.Scritti))
            std::printf("riepilogo: %s\n", f.c_str());
    std::printf("schemi scritti: %d in %s\n", esito.Salvati, r.DIR.c_str());
    return esito.Salvati == r.SCHEMI ? 0 : 1;
}

}  // namespace kelvaro::cli
