#include "app/programma.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace kelvaro {

namespace fs = std::filesystem;

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

const char* const ContenutoCartellaProgramma[7] = {
    "Kelvaro.ini", "Kelvaro.rtf", "template", "schemixwebsite", "assets", "perwebsite", "perwebsiteprove",
};

namespace {

// The user's data folder for Kelvaro. A relative XDG_DATA_HOME is not valid and is ignored.
std::string CartellaUtente(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "kelvaro").string();
    std::string casa = home && home[0] == '/' ? home : "";
    if (casa.empty())
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) casa = pw->pw_dir;
    if (casa.empty()) casa = "/tmp";
    return (fs::path(casa) / ".local" / "share" / "kelvaro").string();
}

bool Scrivibile(const std::string& cartella) {
    return access(cartella.c_str(), W_OK) == 0;
}

bool VuotaOAssente(const fs::path& cartella) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(cartella, ec))) return true;
    return fs::is_directory(cartella, ec) && fs::is_empty(cartella, ec) && !ec;
}

// A copy of an installed file that the user may change: the installed one may be read-only.
bool CopiaFileUtente(const fs::path& da, const fs::path& a, std::error_code& ec) {
    if (!fs::copy_file(da, a, ec) || ec) return false;
    fs::permissions(a, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return !ec;
}

std::string SenzaBarraFinale(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

}  // namespace

CartelleProgramma ScegliCartelle(const std::string& eseguibile, const char* xdgDataHome, const char* home) {
    CartelleProgramma c;
    const fs::path bin(SenzaBarraFinale(eseguibile));
    const fs::path condivisi = bin.parent_path() / "share" / "kelvaro";
    std::error_code ec;
    c.Installato = bin.filename() == "bin" && fs::is_directory(condivisi, ec);
    c.Predefiniti = c.Installato ? condivisi.lexically_normal().string() : bin.string();
    c.Predefiniti = SenzaBarraFinale(c.Predefiniti);
    c.Lavoro = c.Predefiniti;
    if (c.Installato || !Scrivibile(c.Predefiniti)) c.Lavoro = CartellaUtente(xdgDataHome, home);
    return c;
}

CartelleProgramma CartelleDelProgramma() {
    return ScegliCartelle(CartellaEseguibile(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool CreaCartellaUtente(const std::string& predefiniti, const std::string& utente, std::string& errore) {
    const fs::path meta(utente);
    if (!VuotaOAssente(meta)) return true;
    std::error_code ec;
    fs::create_directories(meta.parent_path(), ec);
    if (ec) {
        errore = ec.message();
        return false;
    }
    const fs::path nuova =
        meta.parent_path() / ("." + meta.filename().string() + "-" + std::to_string(getpid()) + ".tmp");
    fs::remove_all(nuova, ec);
    bool riuscita = fs::create_directory(nuova, ec) && !ec;
    for (const char* nome : ContenutoCartellaProgramma) {
        if (!riuscita) break;
        const fs::path da = fs::path(predefiniti) / nome;
        if (fs::is_regular_file(da, ec)) {
            riuscita = CopiaFileUtente(da, nuova / nome, ec);
        } else if (fs::is_directory(da, ec)) {
            riuscita = fs::create_directory(nuova / nome, ec) && !ec;
            for (fs::recursive_directory_iterator it(da, ec), fine; riuscita && !ec && it != fine;
                 it.increment(ec)) {
                const fs::path a = nuova / nome / fs::relative(it->path(), da, ec);
                if (it->is_directory(ec))
                    riuscita = fs::create_directory(a, ec) && !ec;
                else if (it->is_regular_file(ec))
                    riuscita = CopiaFileUtente(it->path(), a, ec);
            }
            riuscita = riuscita && !ec;
        }
    }
    if (riuscita) {
        fs::rename(nuova, meta, ec);
        // Another Kelvaro started at the same moment may have made it first: that one is kept.
        riuscita = !ec || !VuotaOAssente(meta);
    }
    if (!riuscita) errore = ec ? ec.message() : "copia non riuscita";
    std::error_code ignora;
    fs::remove_all(nuova, ignora);
    return riuscita;
}

std::string PreparaCartellaProgramma(std::string& avviso) {
    const CartelleProgramma c = CartelleDelProgramma();
    if (!c.DellUtente()) return c.Lavoro;
    std::string errore;
    if (CreaCartellaUtente(c.Predefiniti, c.Lavoro, errore)) return c.Lavoro;
    avviso = "Impossibile preparare la cartella dell'utente " + c.Lavoro + " (" + errore +
             "): uso i file di " + c.Predefiniti;
    return c.Predefiniti;
}

}  // namespace kelvaro
