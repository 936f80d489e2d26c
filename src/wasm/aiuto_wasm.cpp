// The hint of the published pages: the core's CalcolaSuggerimento behind one C function for the
// WebAssembly module. The page hands over the schema and the player's grid as one text and reads
// back the same lines kelvaro-cli aiuto prints.
#include <emscripten/emscripten.h>

#include <string>

#include "solver/suggerimento.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* kelvaro_aiuto(const char* richiesta) {
    static std::string risposta;
    risposta = kelvaro::RispondiRichiesta(richiesta ? richiesta : "");
    return risposta.c_str();
}
