#pragma once
// The web publisher: one interactive page per schema file of schemixwebsite/, an index sorted by
// difficulty, the site's main page.
#include <string>
#include <vector>

#include "banco.h"

namespace kelvaro {

// What a publishing run wrote, for the status line of the dialog and the command line.
struct EsitoPubblicazione {
    bool Riuscita = false;  // the index page was written
    int Pagine = 0;         // schema pages written
    int Scartati = 0;       // schema files that did not load
    std::string Indice;     // path of the index page
};

// Names of the schema files of a folder (".txt" in any letter case), sorted byte-wise.
std::vector<std::string> ElencoSchemiSito(const std::string& cartella);
// Extension of a template name: from its first "." to the end ("" when there is none).
std::string EstensioneModello(const std::string& nome);
// "Futoshiki_" + the schema file name with its ".txt" turned into the page template's extension.
std::string NomePaginaSchema(const std::string& fileSchema, const std::string& estensione);
// 0 -> "F_", 1..299 -> "M_", 300 and above -> "D_".
std::string PrefissoLivello(long L);

// IdSchema = level prefix + DataRiferimento as "YYMMDD_" + i as "00", upper case.
void GeneraIdSchema(Banco& b, int i, long L);
// Sorts a[primo..ultimo] ascending by character codes.
void Sortaqs6(std::vector<std::string>& a, long primo, long ultimo);
// The index page text from the index template's lines and the sorted entries 1..n.
std::string CompilaIndice(const Banco& b, const std::vector<std::string>& righe,
                          const std::vector<std::string>& ElencoIndice, int n);
// Writes perwebsiteprove/futoshiki_YYMMDD.<ext of FileIndice>; false (with a message) on failure.
bool generaPaginaIndiceHTML(Banco& b, const std::vector<std::string>& ElencoIndice, int n,
                            std::string* scritto = nullptr);

// Loads, solves and publishes every schema file, then writes the sorted index. A file that does
// not load gets no page and no index entry. Missing templates or folders are reported and
// nothing is written.
EsitoPubblicazione GeneraSingolaPaginaSchema(Banco& b);

// The main page text from "Futoshiki.html"'s template lines and the schema file names.
std::string CompilaPaginaFutoshiki(const Banco& b, const std::vector<std::string>& righe,
                                   const std::vector<std::string>& schemi);
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

// The "/HTML" mode: template names from Kelvaro.ini, the main window's load step, publishing.
// Without Kelvaro.ini nothing happens. True when the index was written.
bool EseguiModoHtml(Banco& b);

}  // namespace kelvaro
