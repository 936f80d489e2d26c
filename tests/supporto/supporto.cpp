#include "supporto/supporto.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "display/visualizza.h"
#include "web/pagine.h"

namespace kelvaro::test {

void SvuotaDati(Tabella& tbl, int n) {
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) tbl[r][c] = "0";
}

void MostraSchemaPiccolo(Banco& b) {
    b.schema.Sizesc = 5;
    SvuotaDati(b.schema.tblSchema, 5);
    b.schema.tblSchema[1][1] = "2";
    b.schema.tblSchema[3][4] = "5";
    b.schema.Vincoli = {"1213"};
    CostruisciSegni(b.schema);
    b.schema.Caricato = true;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
}

std::string Fixture(const std::string& nome) {
    return std::string(KELVARO_FIXTURES) + "/" + nome;
}

std::string LeggiFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::optional<std::vector<std::string>> RigheDelFile(const std::filesystem::path& p) {
    std::string errore;
    return LeggiModello(p.string(), errore);
}

void ScriviFile(const std::filesystem::path& p, const std::string& contenuto) {
    std::ofstream out(p, std::ios::binary);
    out << contenuto;
}

EsitoCli EseguiCli(const std::string& argomenti) {
    // Arguments may redirect standard error themselves ("2>&1"): theirs come last and win.
    const std::string comando = std::string(KELVARO_BIN) + "/kelvaro-cli 2>/dev/null " + argomenti;
    EsitoCli e;
    FILE* p = popen(comando.c_str(), "r");
    if (!p) return e;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) e.uscita.append(buf, n);
    const int st = pclose(p);
    e.stato = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return e;
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
