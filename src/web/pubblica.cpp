#include "web/pubblica.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <tuple>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "model/disco.h"
#include "model/testo.h"
#include "solver/contatore.h"
#include "solver/risolvi.h"
#include "web/frammento.h"
#include "web/pagine.h"
#include "web/stringi.h"
#include "web/testo_sicuro.h"

namespace kelvaro {

namespace fs = std::filesystem;

namespace {

constexpr const char* Crlf = "\r\n";
constexpr const char* FilePaginaPrincipale = "Futoshiki.html";
// The page that makes new schemas in the browser, written beside the schema pages from their
// template, and linked from the index.
constexpr const char* FilePaginaNuova = "nuovo_schema.html";
constexpr const char* TitoloPaginaNuova = "Nuovo schema";
// From perwebsite/, where the main page is written, to perwebsiteprove/, where the pages are.
constexpr const char* DaPrincipaleAlSito = "../perwebsiteprove/";

bool EsisteCartella(const std::string& percorso) {
    std::error_code ec;
    return fs::is_directory(percorso, ec);
}

// The template named by `chiave` ("FILESCHEMA" or "FILEINDICE") must be a page of template/ and
// readable; its lines, or std::nullopt after a message.
std::optional<std::vector<std::string>> ApriModello(Banco& b, const std::string& nome, const char* chiave) {
    if (nome.empty()) {
        // The dialog with no template to choose from.
        b.finestre().Messaggio(std::string("Nessun modello scelto per ") +
                               (std::string(chiave) == "FILESCHEMA" ? "la pagina dello schema" : "l'indice"));
        return std::nullopt;
    }
    const std::string motivo = ControlloNomeModello(nome);
    if (!motivo.empty()) {
        b.finestre().Messaggio(std::string("Nome di modello non valido per ") + chiave + ": " + motivo, nome);
        return std::nullopt;
    }
    const std::string percorso = CartellaModelli(b) + nome;
    std::string errore;
    auto righe = LeggiModello(percorso, errore);
    if (!righe) b.finestre().Messaggio(errore, percorso);
    return righe;
}

bool ControllaCartella(Banco& b, const std::string& cartella, const char* testo) {
    if (EsisteCartella(cartella)) return true;
    b.finestre().Messaggio(testo, cartella);
    return false;
}

// The files the pages load from beside them, each copied from the program directory: the hint
// script and its WebAssembly module (kept in template/ with the page templates), the pictures of
// assets/. The compacted page script is made from its template instead (Stringi).
constexpr const char* FileAiutino = "aiutino.js";
constexpr const char* FileModulo = "kelvaro_aiuto.js";
// Pictures every page may link to: the favicon of every template and the sign pictures of the
// grid (FrammentoSchema).
constexpr const char* ImmaginiSito[] = {"assets/favicon.svg", "assets/img/FA.bmp", "assets/img/FB.bmp",
                                        "assets/img/FD.bmp", "assets/img/FS.bmp"};
// A module compiled from the whole core stays well below this.
constexpr size_t LimitePezzo = 64 * 1024 * 1024;

// What a publishing run copies into its output folder, found before anything is written.
struct PezziSito {
    std::vector<std::pair<std::string, std::string>> Copie;  // source path, name in the output folder
    bool Script = false;                                     // compact the page script first
};

bool Riferito(const std::string& testi, const std::string& nome) {
    return testi.find(nome) != std::string::npos;
}

// The pieces the text of the pages (`testi`, every page together) loads from the output folder
// `sito`. A piece the pages load that the program directory does not have is said, naming it, and
// false is returned: nothing is to be written then. The hint module is the exception: a build
// without emscripten has none, and the pages then say "Aiutino non disponibile"; a missing one is
// said, and the run goes on.
bool TrovaPezzi(Banco& b, const std::string& sito, const std::string& testi, PezziSito& pezzi) {
    bool completi = true;
    auto manca = [&](const std::string& origine) {
        b.finestre().Messaggio("File necessario alle pagine non trovato", origine);
        completi = false;
    };
    const std::string programma = b.CartellaProgramma + "/";
    // The compacted page script is made from its template when the folder has none yet.
    if (Riferito(testi, FileScript) && !EsisteFile(sito + FileScript)) {
        if (EsisteFile(CartellaModelli(b) + FileScript))
            pezzi.Script = true;
        else
            manca(CartellaModelli(b) + FileScript);
    }

    if (Riferito(testi, FileAiutino)) {
        const std::string aiutino = CartellaModelli(b) + FileAiutino;
        if (EsisteFile(aiutino))
            pezzi.Copie.emplace_back(aiutino, FileAiutino);
        else
            manca(aiutino);
        const std::string modulo = CartellaModelli(b) + FileModulo;
        if (EsisteFile(modulo))
            pezzi.Copie.emplace_back(modulo, FileModulo);
        else if (!EsisteFile(sito + FileModulo))
            b.finestre().Messaggio(
                "Modulo dell'Aiutino non trovato: le pagine avranno l'Aiutino non disponibile", modulo);
    }
    for (const char* immagine : ImmaginiSito)
        if (Riferito(testi, immagine) && !EsisteFile(programma + immagine)) manca(programma + immagine);
    // Every file of assets/, as the pages made from other templates may link to any of them.
    const fs::path assets = programma + "assets";
    std::error_code ec;
    if (EsisteCartella(assets.string()))
        for (fs::recursive_directory_iterator it(assets, ec), fine; !ec && it != fine; it.increment(ec)) {
            std::error_code tipo;
            if (!it->is_regular_file(tipo)) continue;
            pezzi.Copie.emplace_back(it->path().string(),
                                     "assets/" + fs::relative(it->path(), assets, tipo).generic_string());
        }
    return completi;
}

// Copies the pieces into `sito`, each through a temporary file renamed into place; a piece that
// is already there with the same bytes is left as it is. False (with a message) on the first
// piece that cannot be written.
bool ScriviPezzi(Banco& b, const std::string& sito, const PezziSito& pezzi) {
    if (pezzi.Script && !Stringi_Click(b)) return false;
    for (const auto& [origine, nome] : pezzi.Copie) {
        const FileLetto letto = LeggiFilePiccolo(origine, LimitePezzo);
        if (!letto.Dati) {
            b.finestre().Messaggio("Impossibile leggere il file: " + letto.Motivo, origine);
            return false;
        }
        const std::string uscita = sito + nome;
        const FileLetto presente = LeggiFilePiccolo(uscita, LimitePezzo);
        if (presente.Dati && *presente.Dati == *letto.Dati) continue;
        std::error_code ec;
        fs::create_directories(fs::path(uscita).parent_path(), ec);
        if (!ScriviFileSicuro(uscita, *letto.Dati)) {
            b.finestre().Messaggio("Impossibile scrivere il file", uscita);
            return false;
        }
    }
    return true;
}

void RisolviPerPagina(Banco& b) {
    // Solved as it is graded everywhere: its level, history and page do not depend on the schemas
    // published before it.
    b.storia.Azzera();
    RisolviComeValutazione(b, false, true);
}

std::string ParolaLivello(const std::string& parte) {
    const std::string iniziale = Maiuscolo(parte.substr(0, 1));
    if (iniziale == "F") return "FACILE";
    if (iniziale == "M") return "MEDIO";
    if (iniziale == "D") return "DIFFICILE";
    return "";
}

std::string Pezzo(const std::string& s, size_t da, size_t quanti) {
    return da < s.size() ? s.substr(da, quanti) : "";
}

// The index page's name: "futoshiki_" + the date as YYMMDD + the index template's extension.
std::string NomeIndice(const Banco& b, const std::string& estensione) {
    return "futoshiki_" + DataAAMMGG(b.web.DataRiferimento) + estensione;
}

// The page names of the schema files as the publisher gives them.
std::vector<PaginaSchema> PianoPagine(const Banco& b, const std::vector<std::string>& file,
                                      const std::string& estensionePagine,
                                      const std::string& estensioneIndice) {
    return PagineSchemi(file, estensionePagine,
                        {NomeIndice(b, estensioneIndice), FileScript, FilePaginaPrincipale});
}

// The extension of a template name that passes the checks, else ".html".
std::string EstensioneSicura(const std::string& nome) {
    return ControlloNomeModello(nome).empty() ? EstensioneModello(nome) : ".html";
}

// Slot parts of a schema file name: number, display name, level word.
struct PartiSlot {
    long Numero = 0;
    std::string Nome;
    std::string Parola;
};

PartiSlot LeggiNomeSlot(const std::string& file) {
    const std::string radice = RadiceSchema(file);
    const auto parti = Dividi(radice, '_');
    PartiSlot p;
    p.Numero = ArrotondaPari(ValoreNumerico(parti[0]));
    // A name not made by hand as number, name and level word ("8e_1") shows whole.
    const bool aMano = !parti[0].empty() && parti[0].find_first_not_of("0123456789") == std::string::npos;
    if (!aMano || parti.size() == 1) {
        p.Nome = radice;
        return p;
    }
    if (parti.size() == 2) p.Nome = parti[1];
    if (parti.size() >= 3) {
        // Names with more "_" keep them in the display name; the level word is the last part.
        for (size_t i = 1; i + 1 < parti.size(); ++i) p.Nome += (i > 1 ? "_" : "") + parti[i];
        p.Parola = ParolaLivello(parti.back());
    }
    return p;
}

// The grid every schema page carries (FrammentoSchema); the index and the main page have none.
constexpr const char* SegnoPagina = "<table id='ritb1'";

// Removes the publisher's pages in `sito` other than those in `tenute`; how many it removed.
int RimuoviPagineSuperate(const std::string& sito, const std::set<std::string>& tenute) {
    int rimosse = 0;
    std::error_code ec;
    std::vector<fs::path> superate;
    for (fs::directory_iterator it(sito, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        if (tenute.count(nome) || !PaginaDelPubblicatore(it->path().string())) continue;
        superate.push_back(it->path());
    }
    for (const fs::path& p : superate) {
        std::error_code rm;
        if (fs::remove(p, rm)) ++rimosse;
    }
    return rimosse;
}

// True when the folder's entries can be read: a folder that cannot be listed says nothing about
// which schemas are gone.
bool CartellaLeggibile(const std::string& cartella) {
    std::error_code ec;
    fs::directory_iterator it(cartella, ec);
    return !ec;
}

}  // namespace

bool PaginaDelPubblicatore(const std::string& percorso) {
    const std::string nome = fs::path(percorso).filename().string();
    const size_t punto = nome.rfind('.');
    if (nome.rfind("Futoshiki_", 0) != 0 || punto == std::string::npos) return false;
    const std::string fine = Maiuscolo(nome.substr(punto));
    if (fine != ".HTML" && fine != ".HTM") return false;
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(percorso, ec))) return false;
    const FileLetto letto = LeggiFilePiccolo(percorso, LimiteModello);
    return letto.Dati && letto.Dati->find(SegnoPagina) != std::string::npos;
}

std::vector<std::string> ElencoSchemiSito(const std::string& cartella) {
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string nome = it->path().filename().string();
        if (nome.size() > 4 && RadiceSchema(nome).size() < nome.size()) nomi.push_back(nome);
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

std::string EstensioneModello(const std::string& nome) {
    const size_t p = nome.find('.');
    return p == std::string::npos ? "" : nome.substr(p);
}

std::string NomePaginaSchema(const std::string& fileSchema, const std::string& estensione) {
    std::string nome = Sostituisci(fileSchema, ".TXT", ".txt");
    nome = Sostituisci(nome, ".txt", estensione);
    // ".Txt" and the like are schema files too: the page still gets the template's extension.
    if (nome.size() > 4 && RadiceSchema(nome).size() < nome.size()) nome = RadiceSchema(nome) + estensione;
    return "Futoshiki_" + nome;
}

std::string PrefissoLivello(long L) {
    if (L == 0) return "F_";
    if (L < 300) return "M_";
    return "D_";
}

void GeneraIdSchema(Banco& b, const std::string& prefisso, const std::string& numero) {
    b.web.IdSchema = Maiuscolo(prefisso + DataAAMMGG(b.web.DataRiferimento) + "_" + numero);
}

void GeneraIdSchema(Banco& b, int i, long L) {
    GeneraIdSchema(b, PrefissoLivello(L), Formatta0(i, 2));
}

std::string NumeroStabileSchema(const Schema& s) {
    std::string contenuto = std::to_string(s.Sizesc) + ":";
    const auto letto = SchemaBitDa(s);
    if (letto) {
        const SchemaBit& sb = letto->schema;
        const size_t celle = static_cast<size_t>(sb.n) * static_cast<size_t>(sb.n);
        contenuto.append(sb.dato.begin(), sb.dato.begin() + static_cast<long>(celle));
        contenuto.append(sb.segni.begin(), sb.segni.begin() + static_cast<long>(celle));
    }
    return ImprontaEsadecimale(contenuto);
}

std::string NomeLeggibile(const std::string& file) {
    const std::string radice = RadiceSchema(file);
    std::string nome;
    for (size_t i = 0; i < radice.size(); ++i) {
        const auto ch = static_cast<unsigned char>(radice[i]);
        const auto dopo = [&](size_t k) {
            return i + k < radice.size() ? static_cast<unsigned char>(radice[i + k]) : 0;
        };
        // Control characters (C0, DEL, C1) and the marks that would show the name in another order.
        if (ch < 0x20 || ch == 0x7f) continue;
        if (ch == 0xc2 && dopo(1) >= 0x80 && dopo(1) <= 0x9f) {
            ++i;
            continue;
        }
        if (ch == 0xe2 && ((dopo(1) == 0x80 && dopo(2) >= 0xaa && dopo(2) <= 0xae) ||
                           (dopo(1) == 0x81 && dopo(2) >= 0xa6 && dopo(2) <= 0xa9))) {
            i += 2;
            continue;
        }
        const char c = ch == '_' ? ' ' : radice[i];
        if (c == ' ' && (nome.empty() || nome.back() == ' ')) continue;
        nome += c;
    }
    while (!nome.empty() && nome.back() == ' ') nome.pop_back();
    return nome;
}

void OrdinaIndice(std::vector<VoceIndice>& voci) {
    // The level is compared as a number: as six-digit text a seven-digit level would sort wrongly.
    std::stable_sort(voci.begin(), voci.end(), [](const VoceIndice& x, const VoceIndice& y) {
        return std::tie(x.Grado.Gruppo, x.Grado.Nome, x.Grado.Livello, x.Titolo, x.Pagina) <
               std::tie(y.Grado.Gruppo, y.Grado.Nome, y.Grado.Livello, y.Titolo, y.Pagina);
    });
}

std::string CompilaIndice(const Banco& b, const std::vector<std::string>& righe,
                          const std::vector<VoceIndice>& voci) {
    const std::string data = DataInlettera(b.web.DataRiferimento);
    const long n = static_cast<long>(voci.size());

    // Which entries the row patterns cover, and which pattern line comes last.
    struct Intervallo {
        long da, a;
    };
    auto intervallo = [&](const std::string& riga, size_t p) {
        const long da = ArrotondaPari(ValoreNumerico(Pezzo(riga, p + 10, 2)));
        const long a = ArrotondaPari(ValoreNumerico(Pezzo(riga, p + 12, 2)));
        // Entries are 1..n: a pattern starting at 0 begins with the first entry.
        return Intervallo{std::max(da, 1L), std::min(a, n)};
    };
    std::vector<bool> coperta(static_cast<size_t>(n) + 1, false);
    size_t ultimoModello = righe.size();
    for (size_t i = 0; i < righe.size(); ++i) {
        const size_t p = righe[i].find("<SCHEMIFUT");
        if (p == std::string::npos) continue;
        ultimoModello = i;
        const Intervallo iv = intervallo(righe[i], p);
        for (long k = iv.da; k <= iv.a; ++k) coperta[static_cast<size_t>(k)] = true;
    }

    std::string out;
    for (size_t i = 0; i < righe.size(); ++i) {
        std::string riga = TogliSpazi(righe[i]);
        riga = Sostituisci(riga, "|DATA|", data);
        riga = Sostituisci(riga, "<DATA>", data);
        const size_t p = riga.find("<SCHEMIFUT");
        if (p == std::string::npos) {
            out += riga + Crlf;
            continue;
        }
        const std::string etichetta = riga.substr(p, 15);
        auto scrivi = [&](long k) {
            const VoceIndice& v = voci[static_cast<size_t>(k - 1)];
            std::string r = Sostituisci(riga, etichetta, IndirizzoRelativo(v.Pagina));
            r = Sostituisci(r, "<TITOLOSCHEMA>", TestoHtml(v.Titolo));
            r = Sostituisci(r, "<GRADOSCHEMA>", ChiaveGrado(v.Grado.Gruppo));
            r = Sostituisci(r, "<PAROLASCHEMA>", NomeDifficolta(v.Grado.Nome));
            r = Sostituisci(r, "<COMESCHEMA>", TestoHtml(ComeGrado(v.Grado)));
            r = Sostituisci(r, "<LIVELLOSCHEMA>", std::to_string(v.Grado.Livello));
            r = Sostituisci(r, "<NOMESCHEMA>", TestoHtml(v.Nome));
            out += r + Crlf;
        };
        const Intervallo iv = intervallo(riga, p);
        for (long k = iv.da; k <= iv.a; ++k) scrivi(k);
        if (i == ultimoModello)
            for (long k = 1; k <= n; ++k)
                if (!coperta[static_cast<size_t>(k)]) scrivi(k);
    }
    return out;
}

EsitoPubblicazione GeneraSingolaPaginaSchema(Banco& b) {
    EsitoPubblicazione esito;
    // Everything the run needs is checked first, so that a missing piece writes nothing.
    const std::string modello = b.conf.FileSchema;  // the dialog may change the names meanwhile
    const std::string modelloIndice = b.conf.FileIndice;
    const auto righePagina = ApriModello(b, modello, "FILESCHEMA");
    if (!righePagina) return esito;
    const auto righeIndice = ApriModello(b, modelloIndice, "FILEINDICE");
    if (!righeIndice) return esito;
    if (!ModelloHaSchema(*righePagina)) {
        b.finestre().Messaggio("Il modello della pagina non ha la riga |SCHEMA| dove va lo schema",
                               CartellaModelli(b) + modello);
        return esito;
    }
    if (!ModelloHaRighe(*righeIndice)) {
        b.finestre().Messaggio("Il modello dell'indice non ha nessuna riga <SCHEMIFUT per gli schemi",
                               CartellaModelli(b) + modelloIndice);
        return esito;
    }
    const std::string cartellaSchemi = CartellaSchemiSito(b);
    if (!ControllaCartella(b, cartellaSchemi, "Cartella degli schemi non trovata")) return esito;
    const std::string sito = CartellaSitoProva(b);
    if (!ControllaCartella(b, sito, "Cartella di pubblicazione non trovata")) return esito;
    // A run killed while writing left its temporaries among the pages; no later run takes them.
    RimuoviTemporaneiOrfani(sito);

    const std::string estensioneIndice = EstensioneModello(modelloIndice);
    const bool elencoCompleto = CartellaLeggibile(cartellaSchemi);
    const std::vector<PaginaSchema> piano =
        PianoPagine(b, ElencoSchemiSito(cartellaSchemi), EstensioneModello(modello), estensioneIndice);
    std::vector<VoceIndice> voci;
    // The pages this run stands by: those it writes, and those it could not write this time (the
    // page of an earlier run stays until its schema no longer publishes).
    std::set<std::string> tenute;

    // Every page is made first, so that the files they load are known before anything is written.
    struct PaginaPronta {
        const PaginaSchema* Piano;
        GradoSchema Grado;
        std::string Titolo;
        std::string Testo;
    };
    std::vector<PaginaPronta> pronte;
    std::string testi;
    for (const std::string& riga : *righeIndice) testi += riga + "\n";
    for (const PaginaSchema& ps : piano) {
        const std::string percorso = cartellaSchemi + ps.File;
        b.file.NomeFileAperto = percorso;
        if (!CaricaSchema(b)) {
            // The loader has told the user; the previous schema's tables must not be published.
            ++esito.Scartati;
            continue;
        }
        const int soluzioni = ContaSoluzioni(b.schema, 2);
        if (soluzioni != 1) {
            b.finestre().Messaggio(soluzioni == 0 ? "Lo schema non ha soluzione: non viene pubblicato"
                                                  : "Lo schema ha più di una soluzione: non viene pubblicato",
                                   percorso);
            ++esito.Scartati;
            continue;
        }
        RisolviPerPagina(b);
        if (!b.ris.Risolto) {
            b.finestre().Messaggio("Il risolutore non ha completato lo schema: non viene pubblicato",
                                   percorso);
            ++esito.Scartati;
            continue;
        }
        const GradoSchema grado = GradoSchemaRisolto(b.schema, b.ris);
        b.Gr.Redraw = true;
        Generahtml_Click(b, DatiGradoScript(grado));

        const int n = b.schema.Sizesc;
        const std::string titolo =
            std::to_string(n) + "x" + std::to_string(n) + " Livello " + std::to_string(grado.Livello);
        GeneraIdSchema(b, PrefissoGrado(grado.Gruppo), NumeroStabileSchema(b.schema));
        tenute.insert(ps.Pagina);
        pronte.push_back({&ps, grado, titolo, CompilaModello(b, *righePagina, false, "Futoshiki " + titolo)});
        testi += pronte.back().Testo;
    }

    // "Nuovo schema": the schema pages' template with the choice of a new schema in place of a grid.
    b.web.Frammento = FrammentoNuovoSchema();
    b.web.IdSchema.clear();
    const std::string paginaNuova = CompilaModello(b, *righePagina, false, TitoloPaginaNuova);
    testi += paginaNuova;

    // The files the pages load go in first: a page is never there without them.
    PezziSito pezzi;
    if (!TrovaPezzi(b, sito, testi, pezzi) || !ScriviPezzi(b, sito, pezzi)) return esito;
    if (!ScriviFileSicuro(sito + FilePaginaNuova, paginaNuova)) {
        b.finestre().Messaggio("Impossibile scrivere il file", sito + FilePaginaNuova);
        return esito;
    }

    for (const PaginaPronta& pagina : pronte) {
        const PaginaSchema& ps = *pagina.Piano;
        const std::string uscita = sito + ps.Pagina;
        if (!ScriviFileSicuro(uscita, pagina.Testo)) {
            b.finestre().Messaggio("Impossibile scrivere il file", uscita);
            ++esito.Scartati;
            continue;
        }
        if (!ps.NomeProprio)
            b.finestre().Messaggio("Nome di file non adatto a una pagina: pubblicato come " + ps.Pagina,
                                   cartellaSchemi + ps.File);
        ++esito.Pagine;
        voci.push_back({pagina.Grado, pagina.Titolo, ps.Pagina, NomeLeggibile(ps.File)});
    }

    OrdinaIndice(voci);
    const std::string uscita = sito + NomeIndice(b, estensioneIndice);
    if (!ScriviFileSicuro(uscita, CompilaIndice(b, *righeIndice, voci))) {
        b.finestre().Messaggio("Impossibile scrivere il file", uscita);
        return esito;
    }
    esito.Indice = uscita;
    // A page whose schema file is gone, or no longer publishes, must not stay reachable.
    if (elencoCompleto) esito.Rimosse = RimuoviPagineSuperate(sito, tenute);
    esito.Riuscita = true;
    return esito;
}

std::string CompilaPaginaFutoshiki(const Banco& b, const std::vector<std::string>& righe,
                                   const std::vector<std::string>& schemi,
                                   const CollegamentiPrincipale& collegamenti) {
    const std::string data = DataInlettera(b.web.DataRiferimento);
    std::string out;
    for (std::string riga : righe) {
        riga = Sostituisci(riga, "|DATA|", data);
        riga = Sostituisci(riga, "|INDICE|", TestoHtml(collegamenti.Indice));
        for (int k = 1; k <= 10; ++k) {
            const std::string segnaposto = "|SCHEMA" + Formatta0(k, 2);
            const std::string segnapostoPagina = "|PAGINA" + Formatta0(k, 2);
            if (riga.find(segnaposto) == std::string::npos &&
                riga.find(segnapostoPagina) == std::string::npos)
                continue;
            // A slot without a published schema file numbered k stays empty.
            std::string testo, indirizzo;
            for (const std::string& nome : schemi) {
                const PartiSlot p = LeggiNomeSlot(nome);
                if (p.Numero != k) continue;
                if (collegamenti.Pagina) {
                    indirizzo = collegamenti.Pagina(nome);
                    if (indirizzo.empty()) continue;
                }
                testo = "SCHEMA " + std::to_string(k) + "&nbsp;&nbsp;" + TestoHtml(p.Nome) + "&nbsp;&nbsp;" +
                        p.Parola;
                break;
            }
            riga = Sostituisci(riga, segnaposto, testo);
            riga = Sostituisci(riga, segnapostoPagina, TestoHtml(indirizzo));
        }
        out += riga + Crlf;
    }
    return out;
}

bool GeneraPaginaFutoshiki(Banco& b, std::string* scritto) {
    const std::string modello = CartellaModelli(b) + FilePaginaPrincipale;
    std::string errore;
    const auto righe = LeggiModello(modello, errore);
    if (!righe) {
        b.finestre().Messaggio(errore, modello);
        return false;
    }
    const std::string cartellaSchemi = CartellaSchemiSito(b);
    if (!ControllaCartella(b, cartellaSchemi, "Cartella degli schemi non trovata")) return false;
    const std::string sito = CartellaSito(b);
    if (!ControllaCartella(b, sito, "Cartella di pubblicazione non trovata")) return false;
    RimuoviTemporaneiOrfani(sito);

    // The slots link to the pages the publisher writes for the same files, under the same names;
    // a schema the publisher would refuse gets no slot.
    const std::vector<std::string> schemi = ElencoSchemiSito(cartellaSchemi);
    const std::string estensioneIndice = EstensioneSicura(b.conf.FileIndice);
    const std::vector<PaginaSchema> piano =
        PianoPagine(b, schemi, EstensioneSicura(b.conf.FileSchema), estensioneIndice);
    CollegamentiPrincipale collegamenti;
    collegamenti.Indice = DaPrincipaleAlSito + IndirizzoRelativo(NomeIndice(b, estensioneIndice));
    collegamenti.Pagina = [&](const std::string& file) -> std::string {
        const auto letto = LeggiSchemaFile(cartellaSchemi + file);
        if (!letto || ContaSoluzioni(letto->schema, 2) != 1) return "";
        for (const PaginaSchema& ps : piano)
            if (ps.File == file) return DaPrincipaleAlSito + IndirizzoRelativo(ps.Pagina);
        return "";
    };
    const std::string uscita = sito + FilePaginaPrincipale;
    const std::string testo = CompilaPaginaFutoshiki(b, *righe, schemi, collegamenti);
    PezziSito pezzi;
    if (!TrovaPezzi(b, sito, testo, pezzi) || !ScriviPezzi(b, sito, pezzi)) return false;
    if (!ScriviFileSicuro(uscita, testo)) {
        b.finestre().Messaggio("Impossibile scrivere il file", uscita);
        return false;
    }
    if (scritto) *scritto = uscita;
    return true;
}

ListaModelli ElencoModelli(const Banco& b, const std::string& tipo, const std::string& attuale,
                           const std::string& escludi) {
    ListaModelli lista;
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(CartellaModelli(b), ec), fine; !ec && it != fine; it.increment(ec))
        if (it->is_regular_file(ec)) nomi.push_back(it->path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    for (const std::string& f : nomi) {
        const std::string F = Maiuscolo(f);
        if (F.find(tipo) == std::string::npos) continue;
        // A name without an extension is no page template.
        const std::string estensione = Maiuscolo(EstensioneModello(f));
        if (estensione.empty() || Maiuscolo(escludi).find(estensione) != std::string::npos) continue;
        lista.Nomi.push_back(f);
        if (lista.Nomi.size() == 1 || F == attuale)
            lista.Selezionato = static_cast<int>(lista.Nomi.size()) - 1;
    }
    return lista;
}

}  // namespace kelvaro
