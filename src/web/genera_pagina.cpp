#include "web/genera_pagina.h"

#include <cstdint>
#include <optional>

#include "files/codice.h"
#include "files/codice_pagina.h"
#include "model/casuale.h"
#include "production/generazione.h"
#include "rules/richiesta_regole.h"
#include "solver/difficolta.h"

namespace kelvaro {

namespace {

std::optional<Difficolta> DifficoltaDalNome(const std::string& nome) {
    for (const Difficolta d : {Difficolta::Facile, Difficolta::Medio, Difficolta::Difficile,
                               Difficolta::Esperto, Difficolta::Diabolico})
        if (nome == NomeDifficolta(d)) return d;
    return std::nullopt;
}

}  // namespace

std::string RispondiGenera(const std::string& richiesta) {
    size_t pos = 0;
    const std::string dim = CampoRichiesta(richiesta, pos);
    const std::string nome = CampoRichiesta(richiesta, pos);
    const std::string seme = CampoRichiesta(richiesta, pos);
    const int n =
        dim.size() == 1 && dim[0] >= '0' + DimMinCodice && dim[0] <= '0' + DimMax ? dim[0] - '0' : 0;
    if (n == 0) return "errore: dimensione non valida\n";
    const std::optional<Difficolta> d = DifficoltaDalNome(nome);
    if (!d) return "errore: difficoltà sconosciuta\n";
    const std::optional<AssettoGeneratore> assetto = AssettoPerDifficolta(*d, n);
    if (!assetto) return "errore: il generatore non fa schemi " + nome + "\n";
    if (seme.empty() || seme.size() > 10 || seme.find_first_not_of("0123456789") != std::string::npos)
        return "errore: seme non valido\n";
    uint64_t valore = 0;
    for (char ch : seme) valore = valore * 10 + static_cast<uint64_t>(ch - '0');
    RipristinaCasuale(static_cast<uint32_t>(valore & 0xFFFFFFu));

    Impostazioni imp;
    const std::optional<SchemaGenerato> fatto = GeneraSenzaNome(imp, n, *d);
    if (!fatto) return "errore: nessuno schema in " + std::to_string(TentativiPerSchema) + " tentativi\n";
    // Read back as a code from a link is: the page plays what its link reopens.
    std::string motivo;
    const std::optional<std::string> codice = ScriviCodice(fatto->schema, motivo);
    if (!codice) return "errore: " + motivo + "\n";
    return RispondiLeggiCodice(*codice);
}

}  // namespace kelvaro
