#include "files/codice_pagina.h"

#include <optional>

#include "files/codice.h"
#include "rules/richiesta_regole.h"
#include "solver/difficolta.h"

namespace kelvaro {

std::string RichiestaSchema(const Schema& s) {
    const int n = s.Sizesc;
    std::string dati;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) dati += EDato(s.tblSchema[r][c]) ? s.tblSchema[r][c] : "0";
    std::string segni;
    for (const std::string& v : s.Vincoli) segni += v;
    return std::to_string(n) + "|" + dati + "|" + segni;
}

std::string RispondiLeggiCodice(const std::string& codice) {
    std::string motivo;
    const std::optional<Schema> s = SchemaDaCodice(codice, motivo);
    if (!s) return "errore: " + motivo + "\n";
    const int n = s->Sizesc;
    std::string soluzione;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) soluzione += s->tblSoluzione[r][c];
    const std::optional<std::string> scritto = ScriviCodice(*s, motivo);
    if (!scritto) return "errore: " + motivo + "\n";
    return "schema: " + RichiestaSchema(*s) + "\nsoluzione: " + soluzione +
           "\ndifficolta: " + NomeDifficolta(DifficoltaSchema(*s)) + "\ncodice: " + *scritto + "\n";
}

std::string RispondiScriviCodice(const std::string& richiesta) {
    size_t pos = 0;
    const std::string dim = CampoRichiesta(richiesta, pos);
    const std::string dati = CampoRichiesta(richiesta, pos);
    const std::string segni = CampoRichiesta(richiesta, pos);
    const std::optional<Schema> s = SchemaDaRichiesta(dim, dati, segni);
    if (!s) return "errore: Richiesta non valida\n";
    for (int r = 1; r <= s->Sizesc; ++r)
        for (int c = 1; c <= s->Sizesc; ++c) {
            const std::string& d = s->tblSchema[r][c];
            if (d != "0" && !(EDato(d) && d[0] - '0' <= s->Sizesc)) return "errore: Richiesta non valida\n";
        }
    std::string motivo;
    const std::optional<std::string> codice = ScriviCodice(*s, motivo);
    if (!codice) return "errore: " + motivo + "\n";
    return "codice: " + *codice + "\n";
}

}  // namespace kelvaro
