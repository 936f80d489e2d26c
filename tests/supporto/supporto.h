#pragma once
// Helpers shared by the core tests.
#include <filesystem>
#include <string>

namespace kelvaro::test {

std::string Fixture(const std::string& nome);  // path of tests/fixtures/<nome>
std::string LeggiFile(const std::filesystem::path& p);
void ScriviFile(const std::filesystem::path& p, const std::string& contenuto);

// A fresh temporary directory, removed when the object goes.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    const std::filesystem::path& percorso() const { return p_; }
    std::string operator/(const std::string& nome) const { return (p_ / nome).string(); }

private:
    std::filesystem::path p_;
};

}  // namespace kelvaro::test
