#pragma once
// Helpers shared by the core tests.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "banco.h"

namespace kelvaro::test {

std::string Fixture(const std::string& nome);  // path of tests/fixtures/<nome>
std::string LeggiFile(const std::filesystem::path& p);
void ScriviFile(const std::filesystem::path& p, const std::string& contenuto);
// The file's lines as the program reads a template (BOM skipped, CR LF or LF); nothing when it
// cannot be read.
std::optional<std::vector<std::string>> RigheDelFile(const std::filesystem::path& p);

// Runs the built kelvaro-cli with the given arguments (a shell command line): its standard
// output and exit status. Standard error is dropped unless the arguments redirect it.
struct EsitoCli {
    std::string uscita;
    int stato = -1;
};
EsitoCli EseguiCli(const std::string& argomenti);

// Every cell 1..n x 1..n of a givens table becomes "0" (empty).
void SvuotaDati(Tabella& tbl, int n);

// The small schema of the play tests, loaded and shown on b's grid: 5 x 5, givens R1C1 = 2 and
// R3C4 = 5, one sign R1C2 > R1C3.
void MostraSchemaPiccolo(Banco& b);

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
