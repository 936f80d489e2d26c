#pragma once
// The web publisher: one interactive page per schema file of schemixwebsite/, an index sorted by
// difficulty, the site's main page.
#include <functional>
#include <string>
#include <vector>

#include "banco.h"
#include "web/grado.h"

namespace kelvaro {

// What a publishing run wrote, for the status line of the dialog and the command line.
struct EsitoPubblicazione {
    bool Riuscita = false;  // the index page was written
    int Pagine = 0;         // schema pages written
    int Scartati = 0;       // schema files left out: not loaded, not exactly one solution, not written
    std::string Indice;     // path of the index page
    int Rimosse = 0;        // pages of earlier runs whose schema is no longer published, removed
};

// Names of the schema files of a folder (".txt" in any letter case), sorted byte-wise.
std::vector<std::string> ElencoSchemiSito(const std::string& cartella);
// Extension of a template name: from its first "." to the end ("" when there is none).
std::string EstensioneModello(const std::string& nome);
// "Futoshiki_" + the schema file name with its ".txt" turned into the page template's extension.
std::string NomePaginaSchema(const std::string& fileSchema, const std::string& estensione);
// 0 -> "F_", 1..299 -> "M_", 300 and above -> "D_".
std::string PrefissoLivello(long L);

// IdSchema = prefix + DataRiferimento as "YYMMDD_" + numero, upper case.
void GeneraIdSchema(Banco& b, const std::string& prefisso, const std::string& numero);
// The same with the level's prefix and i as "00".
void GeneraIdSchema(Banco& b, int i, long L);
// The part of a page identifier that belongs to the schema itself: 8 hex digits from its size,
// givens and signs, so the identifier does not move when other schemas are published with it.
std::string NumeroStabileSchema(const Schema& s);

// One published schema in the index.
struct VoceIndice {
    GradoSchema Grado;
    std::string Titolo;  // "5x5 Livello 513": the page title without "Futoshiki "
    std::string Pagina;  // page file name
    std::string Nome;    // the schema's name for players: NomeLeggibile of its file
};
// A schema file's name as players read it: without ".txt"/".xml", underscores as blanks, control
// characters (C0, DEL, C1) and bidirectional marks (U+202A..U+202E, U+2066..U+2069) taken out,
// blanks neither doubled nor at the ends. "3_Apici_Medio.txt" reads "3 Apici Medio".
std::string NomeLeggibile(const std::string& file);
// Index order: group, then difficulty name, then level as a number, then title and page name.
void OrdinaIndice(std::vector<VoceIndice>& voci);
// The index page text from the index template's lines and the sorted entries. Every row pattern
// "<SCHEMIFUTaabb>" writes entries a..b (counted from 1); the last row pattern of the template also
// writes, after its own, every entry no pattern covered, so no schema is left out. In a row:
// the pattern tag becomes the page's address, <TITOLOSCHEMA> the title, <GRADOSCHEMA> the group
// key, <PAROLASCHEMA> the difficulty's name, <COMESCHEMA> what its solve used, <LIVELLOSCHEMA> the
// level number, <NOMESCHEMA> the schema's name; all escaped for the page.
std::string CompilaIndice(const Banco& b, const std::vector<std::string>& righe,
                          const std::vector<VoceIndice>& voci);

// Loads, checks, solves and publishes every schema file, then writes the sorted index. A file
// that does not load, has no solution or more than one, or cannot be written gets no page and no
// index entry, with a message naming it; the others go on. Bad template names, templates without
// their insertion line, missing templates or folders are reported and nothing is written. Once the
// index is written, the pages of earlier runs that this run no longer writes (their schema file is
// gone, or no longer publishes) are removed: see PaginaDelPubblicatore.
EsitoPubblicazione GeneraSingolaPaginaSchema(Banco& b);

// True when a file of the publishing folder is a schema page this publisher wrote: a regular file
// (not a link) named "Futoshiki_*.html" or "Futoshiki_*.htm" that holds the grid the publisher
// inserts into every page. Pages made by hand and every other file are never removed.
bool PaginaDelPubblicatore(const std::string& percorso);

// Links of the main page, relative to perwebsite/.
struct CollegamentiPrincipale {
    std::string Indice;  // the index page
    // The page of a schema file; "" when it has none (its slot then stays empty). Unset: every
    // file fills its slot, with no address.
    std::function<std::string(const std::string&)> Pagina;
};
// The main page text from "Futoshiki.html"'s template lines and the schema file names:
// "|SCHEMAkk" becomes the slot text (name and level word taken from the file name, escaped),
// "|PAGINAkk" the slot's page address, "|INDICE|" the index address.
std::string CompilaPaginaFutoshiki(const Banco& b, const std::vector<std::string>& righe,
                                   const std::vector<std::string>& schemi,
                                   const CollegamentiPrincipale& collegamenti = {});
// Writes perwebsite/Futoshiki.html; false (with a message) on failure.
bool GeneraPaginaFutoshiki(Banco& b, std::string* scritto = nullptr);

// Template names of template/ for a list of the publishing dialog: names containing tipo (upper
// case), without those whose extension occurs in escludi. The selected entry is the last name
// equal (upper case) to attuale, else the first; -1 when the list is empty.
struct ListaModelli {
    std::vector<std::string> Nomi;
    int Selezionato = -1;
};
ListaModelli ElencoModelli(const Banco& b, const std::string& tipo, const std::string& attuale,
                           const std::string& escludi);

}  // namespace kelvaro
