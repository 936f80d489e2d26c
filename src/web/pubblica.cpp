#include "web/pubblica.h"

#include <algorithm>
#include <filesystem>

#include "app/avvio.h"
#include "app/ini.h"
#include "files/caricamento.h"
#include "model/testo.h"
#include "solver/livello.h"
#include "solver/risolvi.h"
#include "web/frammento.h"
#include "web/stringi.h"

namespace kelvaro {

namespace fs = std::filesystem;

namespace {

constexpr const char* Crlf = "\r\n";
constexpr const char* FilePaginaPrincipale = "Futoshiki.html";

bool EsisteCartella(const std::string& percorso) {
    std::error_code ec;
    return fs::is_directory(percorso, ec);
}

// The template must be named, carry an extension and exist in template/.
bool ControllaModello(Banco& b, const std::string& nome, const char* quale) {
    if (nome.empty()) {
        b.finestre().Messaggio(std::string("Nessun modello scelto per ") + quale);
        return false;
    }
    if (EstensioneModello(nome).empty()) {
        b.finestre().Messaggio(std::string("Il nome del modello per ") + quale + " non ha estensione", nome);
        return false;
    }
    const std::string percorso = CartellaModelli(b) + nome;
    if (!EsisteFile(percorso)) {
        b.finestre().Messaggio("Modello non trovato", percorso);
        return false;
    }
    return true;
}

bool ControllaCartella(Banco& b, const std::string& cartella, const char* testo) {
    if (EsisteCartella(cartella)) return true;
    b.finestre().Messaggio(testo, cartella);
    return false;
}

// The sign pictures the pages link to (assets/img/...), so the folder is a site on its own.
bool CopiaImmagini(Banco& b, const std::string& destinazione) {
    const std::string origine = b.CartellaProgramma + "/assets";
    if (!EsisteCartella(origine)) return true;
    std::error_code ec;
    fs::copy(origine, destinazione + "assets",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) {
        b.finestre().Messaggio("Impossibile copiare le immagini del sito", destinazione + "assets");
        return false;
    }
    return true;
}

void RisolviPerPagina(Banco& b) {
    b.ris.MaxLivello = 99;
    b.ris.MostraLog = false;
    b.storia.Azzera();
    b.storia.RegistraStoria = true;
    RisolviSchema(b);
    b.storia.RegistraStoria = false;
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

}  // namespace

std::vector<std::string> ElencoSchemiSito(const std::string& cartella) {
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string nome = it->path().filename().string();
        if (nome.size() > 4 && Maiuscolo(nome.substr(nome.size() - 4)) == ".TXT") nomi.push_back(nome);
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
    if (nome.size() > 4 && Maiuscolo(nome.substr(nome.size() - 4)) == ".TXT")
        nome = nome.substr(0, nome.size() - 4) + estensione;
    return "Futoshiki_" + nome;
}

std::string PrefissoLivello(long L) {
    if (L == 0) return "F_";
    if (L < 300) return "M_";
    return "D_";
}

void GeneraIdSchema(Banco& b, int i, long L) {
    b.web.IdSchema =
        Maiuscolo(PrefissoLivello(L) + DataAAMMGG(b.web.DataRiferimento) + "_" + Formatta0(i, 2));
}

void Sortaqs6(std::vector<std::string>& a, long primo, long ultimo) {
    if (primo < 0) primo = 0;
    if (ultimo >= static_cast<long>(a.size())) ultimo = static_cast<long>(a.size()) - 1;
    if (primo >= ultimo) return;
    // std::string compares as unsigned characters: plain character-code order.
    std::stable_sort(a.begin() + primo, a.begin() + ultimo + 1);
}

std::string CompilaIndice(const Banco& b, const std::vector<std::string>& righe,
                          const std::vector<std::string>& ElencoIndice, int n) {
    const std::string data = DataInlettera(b.web.DataRiferimento);
    std::string out;
    for (const std::string& originale : righe) {
        std::string riga = TogliSpazi(originale);
        riga = Sostituisci(riga, "|DATA|", data);
        riga = Sostituisci(riga, "<DATA>", data);
        const size_t p = riga.find("<SCHEMIFUT");
        if (p == std::string::npos) {
            out += riga + Crlf;
            continue;
        }
        const std::string etichetta = riga.substr(p, 15);
        const long da = ArrotondaPari(ValoreNumerico(Pezzo(riga, p + 10, 2)));
        const long a = ArrotondaPari(ValoreNumerico(Pezzo(riga, p + 12, 2)));
        // Entries are 1..n: a pattern starting at 0 begins with the first entry.
        for (long k = std::max(da, 1L); k <= n && k <= a && k < static_cast<long>(ElencoIndice.size()); ++k) {
            const auto pezzi = Dividi(ElencoIndice[k], '|');
            const std::string pagina = pezzi.size() > 1 ? pezzi[1] : "";
            std::string r = Sostituisci(riga, etichetta, pagina);
            r = Sostituisci(r, "<TITOLOSCHEMA>", Pezzo(pezzi[0], 6, std::string::npos));
            out += r + Crlf;
        }
    }
    return out;
}

bool generaPaginaIndiceHTML(Banco& b, const std::vector<std::string>& ElencoIndice, int n,
                            std::string* scritto) {
    const std::string& nomeModello = b.conf.FileIndice;
    if (!ControllaModello(b, nomeModello, "l'indice")) return false;
    const std::string modello = CartellaModelli(b) + nomeModello;
    const auto righe = LeggiRighe(modello);
    if (!righe) {
        b.finestre().Messaggio("Modello non trovato", modello);
        return false;
    }
    if (!ControllaCartella(b, CartellaSitoProva(b), "Cartella di pubblicazione non trovata")) return false;
    const std::string uscita = CartellaSitoProva(b) + "futoshiki_" + DataAAMMGG(b.web.DataRiferimento) +
                               EstensioneModello(nomeModello);
    if (!ScriviFileSicuro(uscita, CompilaIndice(b, *righe, ElencoIndice, n))) {
        b.finestre().Messaggio("Impossibile scrivere il file", uscita);
        return false;
    }
    if (scritto) *scritto = uscita;
    return true;
}

EsitoPubblicazione GeneraSingolaPaginaSchema(Banco& b) {
    EsitoPubblicazione esito;
    // Everything the run needs is checked first, so that a missing piece writes nothing.
    if (!ControllaModello(b, b.conf.FileSchema, "la pagina dello schema")) return esito;
    if (!ControllaModello(b, b.conf.FileIndice, "l'indice")) return esito;
    const std::string cartellaSchemi = CartellaSchemiSito(b);
    if (!ControllaCartella(b, cartellaSchemi, "Cartella degli schemi non trovata")) return esito;
    if (!ControllaCartella(b, CartellaSitoProva(b), "Cartella di pubblicazione non trovata")) return esito;

    const std::string modello = b.conf.FileSchema;  // the dialog may change the names meanwhile
    const std::string estensione = EstensioneModello(modello);
    const std::vector<std::string> ElencoFile = ElencoSchemiSito(cartellaSchemi);
    std::vector<std::string> ElencoIndice(1);  // entries 1..n, as the index builder counts them

    for (size_t i = 1; i <= ElencoFile.size(); ++i) {
        b.file.NomeFileAperto = cartellaSchemi + ElencoFile[i - 1];
        if (!CaricaSchema(b)) {
            // The loader has told the user; the previous schema's tables must not be published.
            ++esito.Scartati;
            continue;
        }
        RisolviPerPagina(b);
        b.Gr.Redraw = true;
        Generahtml_Click(b);

        const std::string pagina = NomePaginaSchema(ElencoFile[i - 1], estensione);
        const long L = LivelloSchema(b.ris.NumSwordfish, b.ris.NumMultipli);
        const int n = b.schema.Sizesc;
        const std::string titolo =
            "Futoshiki " + std::to_string(n) + "x" + std::to_string(n) + " Livello " + std::to_string(L);
        GeneraIdSchema(b, static_cast<int>(i), L);
        if (!Stringi(b, modello, pagina, false, titolo)) return esito;
        ++esito.Pagine;
        ElencoIndice.push_back(Formatta0(L, 6) + titolo.substr(10) + "|" + pagina);
    }

    const int n = static_cast<int>(ElencoIndice.size()) - 1;
    Sortaqs6(ElencoIndice, 1, n);
    if (!generaPaginaIndiceHTML(b, ElencoIndice, n, &esito.Indice)) return esito;

    const std::string sito = CartellaSitoProva(b);
    CopiaImmagini(b, sito);
    // The pages call the compacted script: make it if the folder has none yet.
    if (!EsisteFile(sito + FileScript) && EsisteFile(CartellaModelli(b) + FileScript)) Stringi_Click(b);
    esito.Riuscita = true;
    return esito;
}

std::string CompilaPaginaFutoshiki(const Banco& b, const std::vector<std::string>& righe,
                                   const std::vector<std::string>& schemi) {
    const std::string data = DataInlettera(b.web.DataRiferimento);
    std::string out;
    for (std::string riga : righe) {
        riga = Sostituisci(riga, "|DATA|", data);
        for (int k = 1; k <= 10; ++k) {
            const std::string segnaposto = "|SCHEMA" + Formatta0(k, 2);
            if (riga.find(segnaposto) == std::string::npos) continue;
            // A slot without a schema file numbered k stays empty.
            std::string testo;
            for (const std::string& nome : schemi) {
                const auto parti = Dividi(nome, '_');
                if (ArrotondaPari(ValoreNumerico(parti[0])) != k) continue;
                testo = "SCHEMA " + std::to_string(k) + "&nbsp;&nbsp;" + (parti.size() > 1 ? parti[1] : "") +
                        "&nbsp;&nbsp;" + ParolaLivello(parti.size() > 2 ? parti[2] : "");
                break;
            }
            riga = Sostituisci(riga, segnaposto, testo);
        }
        out += riga + Crlf;
    }
    return out;
}

bool GeneraPaginaFutoshiki(Banco& b, std::string* scritto) {
    const std::string modello = CartellaModelli(b) + FilePaginaPrincipale;
    const auto righe = EsisteFile(modello) ? LeggiRighe(modello) : std::nullopt;
    if (!righe) {
        b.finestre().Messaggio("Modello non trovato", modello);
        return false;
    }
    const std::string cartellaSchemi = CartellaSchemiSito(b);
    if (!ControllaCartella(b, cartellaSchemi, "Cartella degli schemi non trovata")) return false;
    const std::string sito = CartellaSito(b);
    if (!ControllaCartella(b, sito, "Cartella di pubblicazione non trovata")) return false;
    const std::string uscita = sito + FilePaginaPrincipale;
    if (!ScriviFileSicuro(uscita, CompilaPaginaFutoshiki(b, *righe, ElencoSchemiSito(cartellaSchemi)))) {
        b.finestre().Messaggio("Impossibile scrivere il file", uscita);
        return false;
    }
    CopiaImmagini(b, sito);
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

bool EseguiModoHtml(Banco& b) {
    if (!EsisteFile(PercorsoIni(b))) return false;
    LeggiFileIni(b);
    CaricamentoForm1(b);
    return GeneraSingolaPaginaSchema(b).Riuscita;
}

}  // namespace kelvaro
