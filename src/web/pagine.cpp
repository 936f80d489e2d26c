#include "web/pagine.h"

#include <set>

#include "model/disco.h"
#include "model/testo.h"
#include "web/pubblica.h"
#include "web/testo_sicuro.h"

namespace kelvaro {

namespace {

bool CarattereSicuro(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '-' || ch == '.' || ch == '~' || ch == '+';
}

// The file name without its schema extension, unsafe bytes turned into "_", at most 60 bytes.
std::string RadiceSicura(const std::string& file) {
    std::string radice = RadiceSchema(file);
    if (radice.size() > 60) radice.resize(60);
    for (char& ch : radice)
        if (!CarattereSicuro(static_cast<unsigned char>(ch)) || ch == '.') ch = '_';
    return radice;
}

bool FinisceCon(const std::string& s, const std::string& coda) {
    return s.size() >= coda.size() && s.compare(s.size() - coda.size(), coda.size(), coda) == 0;
}

}  // namespace

std::string RadiceSchema(const std::string& file) {
    // ".xml" files hold the same format and load the same way.
    if (file.size() > 4 && (Maiuscolo(file.substr(file.size() - 4)) == ".TXT" ||
                            Maiuscolo(file.substr(file.size() - 4)) == ".XML"))
        return file.substr(0, file.size() - 4);
    return file;
}

bool NomePaginaUtilizzabile(const std::string& nome) {
    if (nome.empty() || nome.size() > MaxNomePagina) return false;
    for (unsigned char ch : nome)
        if (!CarattereSicuro(ch)) return false;
    return true;
}

std::vector<PaginaSchema> PagineSchemi(const std::vector<std::string>& file, const std::string& estensione,
                                       const std::vector<std::string>& riservati) {
    std::set<std::string> presi;  // upper case: two names differing only in case are one page
    for (const std::string& r : riservati) presi.insert(Maiuscolo(r));
    std::vector<PaginaSchema> pagine;
    for (const std::string& f : file) {
        PaginaSchema p;
        p.File = f;
        p.Pagina = NomePaginaSchema(f, estensione);
        if (!NomePaginaUtilizzabile(p.Pagina) || presi.count(Maiuscolo(p.Pagina))) {
            p.NomeProprio = false;
            const std::string base = "Futoshiki_" + RadiceSicura(f) + "_" + ImprontaEsadecimale(f);
            p.Pagina = base + estensione;
            for (int k = 2; presi.count(Maiuscolo(p.Pagina)); ++k)
                p.Pagina = base + "_" + std::to_string(k) + estensione;
        }
        presi.insert(Maiuscolo(p.Pagina));
        pagine.push_back(p);
    }
    return pagine;
}

std::string ControlloNomeModello(const std::string& nome) {
    if (nome.empty()) return "nessun nome";
    for (unsigned char ch : nome)
        if (ch < 0x20 || ch == 0x7F) return "contiene caratteri di controllo";
    if (nome.find('/') != std::string::npos || nome.find('\\') != std::string::npos)
        return "deve essere un file della cartella template, senza percorso";
    if (nome[0] == '.') return "deve essere un file della cartella template, senza percorso";
    const std::string m = Maiuscolo(nome);
    if (!FinisceCon(m, ".HTML") && !FinisceCon(m, ".HTM")) return "deve essere una pagina .html o .htm";
    return "";
}

std::optional<std::vector<std::string>> LeggiModello(const std::string& percorso, std::string& errore) {
    const FileLetto letto = LeggiFilePiccolo(percorso, LimiteModello);
    if (!letto.Dati) {
        errore = letto.Inesistente ? "Modello non trovato" : "Modello non leggibile: " + letto.Motivo;
        return std::nullopt;
    }
    return DividiRighe(SenzaBom(*letto.Dati));
}

bool ModelloHaSchema(const std::vector<std::string>& righe) {
    for (const std::string& r : righe) {
        const std::string t = TogliSpazi(r);
        if (t == "|SCHEMA|" || t == "<SCHEMA>") return true;
    }
    return false;
}

bool ModelloHaRighe(const std::vector<std::string>& righe) {
    for (const std::string& r : righe)
        if (r.find("<SCHEMIFUT") != std::string::npos) return true;
    return false;
}

}  // namespace kelvaro
