// The yardstick of bench_avvio: a program that links only the core and grades one schema file,
// as "kelvaro-cli verifica" does, so that the command line's own start-up cost shows beside it.
#include <cstdio>

#include "files/caricamento.h"
#include "solver/valutazione.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const auto letto = kelvaro::LeggiSchemaFile(argv[1]);
    if (!letto) return 2;
    const kelvaro::Valutazione v = kelvaro::ValutaSchema(letto->schema);
    std::printf("livello: %ld\n", v.Livello);
    return v.Risolto ? 0 : 1;
}
