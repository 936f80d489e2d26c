#include "model/disco.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>

namespace kelvaro {

namespace {

std::string Dimensione(size_t byte) {
    if (byte % (1024 * 1024) == 0) return std::to_string(byte / (1024 * 1024)) + " MB";
    if (byte % 1024 == 0) return std::to_string(byte / 1024) + " KB";
    return std::to_string(byte) + " byte";
}

std::string MotivoApertura(int errore) {
    switch (errore) {
        case ENOENT:
        case ENOTDIR:
            return "il file non esiste";
        case EACCES:
        case EPERM:
            return "lettura non permessa";
        case ELOOP:
            return "troppi collegamenti simbolici";
        case ENXIO:
            return "non è un file normale";
        default:
            return "impossibile aprire il file (errore " + std::to_string(errore) + ")";
    }
}

// Closes the descriptor however the function leaves.
struct Descrittore {
    int fd;
    ~Descrittore() {
        if (fd >= 0) ::close(fd);
    }
};

bool ScriviTutto(int fd, const std::string& contenuto) {
    size_t fatto = 0;
    while (fatto < contenuto.size()) {
        const ssize_t n = ::write(fd, contenuto.data() + fatto, contenuto.size() - fatto);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        fatto += static_cast<size_t>(n);
    }
    return true;
}

// True when a process with this id may still be running (one of another user answers EPERM).
bool ProcessoVivo(long pid) {
    if (pid <= 0 || pid == static_cast<long>(::getpid())) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Reads the digits at `da`; -1 when there are none.
long LeggiCifre(const std::string& s, size_t& da) {
    const size_t inizio = da;
    long v = 0;
    while (da < s.size() && s[da] >= '0' && s[da] <= '9' && da - inizio < 10) v = v * 10 + (s[da++] - '0');
    return da > inizio ? v : -1;
}

// The id of the process that made a temporary file: "NAME.kelvaro-PID.tmp" (the atomic
// replacement of a file) or ".kelvaro-PID-N.tmp" (a new file on its way); -1 for other names.
long PidTemporaneo(const std::string& nome) {
    const std::string segno = ".kelvaro-", fine = ".tmp";
    if (nome.size() < segno.size() + fine.size() + 1 || nome.compare(nome.size() - 4, 4, fine) != 0)
        return -1;
    const size_t a = nome.rfind(segno);
    if (a == std::string::npos) return -1;
    size_t k = a + segno.size();
    const long pid = LeggiCifre(nome, k);
    if (pid < 0) return -1;
    if (a > 0) return k == nome.size() - 4 ? pid : -1;
    if (k >= nome.size() || nome[k] != '-') return -1;
    ++k;
    if (LeggiCifre(nome, k) < 0 || k != nome.size() - 4) return -1;
    return pid;
}

}  // namespace

FileLetto LeggiFilePiccolo(const std::string& percorso, size_t limite) {
    FileLetto esito;
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the type is checked right after.
    Descrittore f{::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (f.fd < 0) {
        const int errore = percorso.empty() ? ENOENT : errno;
        esito.Motivo = MotivoApertura(errore);
        esito.Inesistente = errore == ENOENT || errore == ENOTDIR;
        return esito;
    }
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) {
        esito.Motivo = "impossibile leggere il file";
        return esito;
    }
    if (S_ISDIR(st.st_mode)) {
        esito.Motivo = "è una cartella, non un file";
        return esito;
    }
    if (!S_ISREG(st.st_mode)) {
        esito.Motivo = "non è un file normale";
        return esito;
    }
    const std::string troppo = "file troppo grande (oltre " + Dimensione(limite) + ")";
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > limite) {
        esito.Motivo = troppo;
        return esito;
    }
    // The size may change while reading: never take more than one byte past the bound.
    std::string dati(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t letti = 0;
    for (;;) {
        if (letti == dati.size()) {
            if (dati.size() > limite) break;
            dati.resize(std::min(limite + 1, dati.size() * 2 + 4096));
        }
        const ssize_t n = ::read(f.fd, dati.data() + letti, dati.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            esito.Motivo = errno == EISDIR ? "è una cartella, non un file" : "errore di lettura";
            return esito;
        }
        if (n == 0) break;
        letti += static_cast<size_t>(n);
    }
    if (letti > limite) {
        esito.Motivo = troppo;
        return esito;
    }
    dati.resize(letti);
    esito.Dati = std::move(dati);
    return esito;
}

std::vector<std::string> DividiRigheOgniFine(const std::string& testo) {
    std::vector<std::string> righe;
    size_t inizio = 0;
    for (size_t k = 0; k < testo.size(); ++k) {
        if (testo[k] != '\n' && testo[k] != '\r') continue;
        righe.push_back(testo.substr(inizio, k - inizio));
        if (testo[k] == '\r' && k + 1 < testo.size() && testo[k + 1] == '\n') ++k;
        inizio = k + 1;
    }
    if (inizio < testo.size()) righe.push_back(testo.substr(inizio));
    return righe;
}

std::optional<std::string> ScriviFileNuovo(const std::string& percorso, const std::string& contenuto) {
    namespace fs = std::filesystem;
    const fs::path p(percorso);
    const fs::path cartella = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    const std::string base = (p.parent_path() / p.stem()).string();
    const std::string estensione = p.extension().string();
    auto Candidato = [&](int k) { return k == 1 ? percorso : base + "_" + std::to_string(k) + estensione; };

    // The text goes first into a hidden file of this process, complete, then gets its final name
    // with link(), which fails rather than replace a file that is already there.
    std::string temporaneo;
    int fd = -1;
    for (int prova = 0; prova < 100 && fd < 0; ++prova) {
        const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
        temporaneo =
            (cartella / (".kelvaro-" + std::to_string(::getpid()) + "-" +
                         std::to_string(static_cast<unsigned long long>(t) % 1000000000ULL + prova) + ".tmp"))
                .string();
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return std::nullopt;
    }
    if (fd < 0) return std::nullopt;
    const bool scritto = ScriviTutto(fd, contenuto);
    const int erroreScrittura = errno;
    if (::close(fd) != 0 || !scritto) {
        ::unlink(temporaneo.c_str());
        errno = scritto ? EIO : erroreScrittura;
        return std::nullopt;
    }

    bool senzaLink = false;  // file systems without hard links: exclusive creation instead
    for (int k = 1; k < 1000000; ++k) {
        const std::string nome = Candidato(k);
        if (!senzaLink) {
            if (::link(temporaneo.c_str(), nome.c_str()) == 0) {
                ::unlink(temporaneo.c_str());
                return nome;
            }
            if (errno == EEXIST) continue;
            if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK &&
                errno != ENOSYS) {
                const int e = errno;
                ::unlink(temporaneo.c_str());
                errno = e;
                return std::nullopt;
            }
            senzaLink = true;
        }
        const int g = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (g < 0 && errno == EEXIST) continue;
        const int e = errno;
        ::unlink(temporaneo.c_str());
        if (g < 0) {
            errno = e;
            return std::nullopt;
        }
        const bool ok = ScriviTutto(g, contenuto);
        if (::close(g) != 0 || !ok) {
            ::unlink(nome.c_str());
            errno = EIO;
            return std::nullopt;
        }
        return nome;
    }
    ::unlink(temporaneo.c_str());
    errno = EEXIST;
    return std::nullopt;
}

BloccoCartella::BloccoCartella(const std::string& cartella) {
    fd_ = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int r;
    do r = ::flock(fd_, LOCK_EX);
    while (r != 0 && errno == EINTR);
    preso_ = r == 0;
}

BloccoCartella::~BloccoCartella() {
    // Closing the descriptor lets the lock go.
    if (fd_ >= 0) ::close(fd_);
}

int RimuoviTemporaneiOrfani(const std::string& cartella) {
    namespace fs = std::filesystem;
    int rimossi = 0;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        const long pid = PidTemporaneo(nome);
        if (pid < 0 || ProcessoVivo(pid)) continue;
        std::error_code tipo;
        if (!it->is_regular_file(tipo)) continue;
        std::error_code rm;
        if (fs::remove(it->path(), rm)) ++rimossi;
    }
    return rimossi;
}

}  // namespace kelvaro
