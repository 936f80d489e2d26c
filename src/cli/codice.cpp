// kelvaro-cli importa CODICE FILE and esporta FILE: schemas to and from the game IDs of Tatham's
// Unequal ("5:0,0D,0,3R,...").
#include "files/codice.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli/comandi.h"
#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/testo.h"

namespace kelvaro::cli {

namespace {

constexpr const char* UsoImporta = "Uso: kelvaro-cli importa CODICE FILE\n";
constexpr const char* UsoEsporta = "Uso: kelvaro-cli esporta FILE\n";

// Only plain arguments: an option these commands do not know is a usage error.
bool Opzione(const std::string& a) {
    return a.size() > 1 && a[0] == '-';
}

}  // namespace

int Importa(const Argomenti& args) {
    if (args.size() != 2 || Opzione(args[0]) || Opzione(args[1])) {
        std::fputs(UsoImporta, stderr);
        return 2;
    }
    const std::string& codice = args[0];
    const std::string& percorso = args[1];
    const std::string nome = TestoStampabile(percorso);

    std::string motivo;
    std::optional<Schema> letto = LeggiCodice(codice, motivo);
    if (!letto) {
        std::fprintf(stderr, "errore: codice non valido: %s; %s non scritto\n", motivo.c_str(), nome.c_str());
        return 1;
    }
    const std::optional<Schema> s = SchemaDaCodice(codice, motivo);
    if (!s) {
        std::fprintf(stderr, "errore: %s (uno schema ne deve avere una sola); %s non scritto\n",
                     motivo.c_str(), nome.c_str());
        return 1;
    }

    // A folder, a link, a FIFO or a device by that name is never replaced by the schema.
    std::error_code ec;
    const auto stato = std::filesystem::symlink_status(percorso, ec);
    if (!ec && std::filesystem::exists(stato) && !std::filesystem::is_regular_file(stato)) {
        std::fprintf(stderr, "errore: %s esiste e non è un file normale: non viene sovrascritto\n",
                     nome.c_str());
        return 1;
    }
    errno = 0;
    if (!ScriviFileSicuro(percorso, TestoFileSchema(*s))) {
        const int e = errno;
        std::fprintf(stderr, "errore: impossibile scrivere %s%s%s\n", nome.c_str(), e ? ": " : "",
                     e ? std::strerror(e) : "");
        return 1;
    }
    std::printf("scritto: %s\n", nome.c_str());
    std::fflush(stdout);
    return 0;
}

int Esporta(const Argomenti& args) {
    if (args.size() != 1 || Opzione(args[0])) {
        std::fputs(UsoEsporta, stderr);
        return 2;
    }
    const std::string& percorso = args[0];
    std::string motivo;
    const auto letto = LeggiSchemaFile(percorso, motivo);
    if (!letto) {
        std::fprintf(stderr, "errore: %s\n", TestoStampabile(MessaggioFileErrato(percorso, motivo)).c_str());
        return 1;
    }
    const auto codice = ScriviCodice(letto->schema, motivo);
    if (!codice) {
        std::fprintf(stderr, "errore: %s: %s\n", TestoStampabile(percorso).c_str(), motivo.c_str());
        return 1;
    }
    std::printf("%s\n", codice->c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace kelvaro::cli
