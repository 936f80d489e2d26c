#pragma once
// The body of an interactive schema page: the script data the page script reads (solution,
// givens, size, cell counts, solving history) and a table mirroring the display grid.
#include <string>

#include "banco.h"

namespace kelvaro {

// The fragment for the schema shown in b.Gr, CR LF lines. datiPagina, when given, is one more
// line of script statements written just before the data script ends.
std::string FrammentoSchema(const Banco& b, const std::string& datiPagina = "");
// The body of the page "Nuovo schema" in place of a schema: the choice of size (4..9) and of
// difficulty (the names the generator can make at every size) and the button that makes a schema
// in the page; the page script lays out the grid once there is one.
std::string FrammentoNuovoSchema();
// Writes the fragment into b.web.Frammento (in memory: the page builder reads it from there).
void Generahtml_Click(Banco& b, const std::string& datiPagina = "");

}  // namespace kelvaro
