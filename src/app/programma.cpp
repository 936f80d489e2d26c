#include "app/programma.h"

#include <filesystem>

namespace kelvaro {

Modo SceltaModo(const std::string& argomenti) {
    if (argomenti == "/HTML") return Modo::Html;
    if (argomenti != "/prod") return Modo::Interattivo;
    return Modo::Produzione;
}

std::string StringaArgomenti(int argc, char** argv) {
    std::string s;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) s += ' ';
        s += argv[i];
    }
    return s;
}

std::string CartellaEseguibile() {
    std::error_code ec;
    const auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return p.parent_path().string();
}

}  // namespace kelvaro
