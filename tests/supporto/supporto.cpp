#include "supporto/supporto.h"

#include <fstream>
#include <random>
#include <sstream>

namespace kelvaro::test {

std::string Fixture(const std::string& nome) {
    return std::string(KELVARO_FIXTURES) + "/" + nome;
}

std::string LeggiFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void ScriviFile(const std::filesystem::path& p, const std::string& contenuto) {
    std::ofstream out(p, std::ios::binary);
    out << contenuto;
}

CartellaTemporanea::CartellaTemporanea() {
    std::random_device rd;
    for (;;) {
        p_ = std::filesystem::temp_directory_path() / ("kelvaro_test_" + std::to_string(rd()));
        if (std::filesystem::create_directory(p_)) break;
    }
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(p_, ec);
}

}  // namespace kelvaro::test
