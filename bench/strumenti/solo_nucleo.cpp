// The yardstick of bench_avvio: "verifica" of the command line, compiled into a program that
// links only the core (no other command, no help texts), so that what kelvaro-cli adds at start-up
// shows beside it.
#include "cli/comandi.h"

int main(int argc, char** argv) {
    return kelvaro::cli::Verifica(kelvaro::cli::Argomenti(argv + 1, argv + argc));
}
