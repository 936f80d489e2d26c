#pragma once
// Safe access to the small files the program reads and writes: reads that never block and never
// grow without bound, new files created without ever overwriting another run's, and the removal
// of the temporary files a killed run left behind.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// Upper bounds of what each kind of file may hold (a real schema is under 2 KB).
inline constexpr size_t LimiteSchema = 64 * 1024;
inline constexpr size_t LimiteIni = 256 * 1024;
inline constexpr size_t LimiteModello = 4 * 1024 * 1024;

// The bytes of a file, or why they could not be read.
struct FileLetto {
    std::optional<std::string> Dati;
    std::string Motivo;        // Italian, "" when Dati holds the file: "il file non esiste", ...
    bool Inesistente = false;  // nothing at all by that name
};

// Reads a regular file of at most `limite` bytes. A directory, a FIFO, a device, a socket, a
// missing or unreadable file and a larger file are refused at once, without waiting and without
// reading more than `limite` + 1 bytes.
FileLetto LeggiFilePiccolo(const std::string& percorso, size_t limite);

// Lines of bytes: a line ends at LF, at CR LF, or at a CR alone (files written by old Mac
// editors); no trailing empty line.
std::vector<std::string> DividiRigheOgniFine(const std::string& testo);

// Writes `contenuto` under `percorso` if that name is free, otherwise under the first free one of
// "name_2.ext", "name_3.ext", ... The file appears complete or not at all, and a name is never
// taken from another writer, even one running at the same moment in another process. Returns the
// path written, or std::nullopt (with errno set) when no file could be written.
std::optional<std::string> ScriviFileNuovo(const std::string& percorso, const std::string& contenuto);

// An exclusive lock on a folder, held while the object lives: another process (another run of the
// program) that asks for the same folder's lock waits until this one lets it go. The lock is taken
// on the folder itself, so nothing is written there. Where the file system refuses such locks the
// object holds nothing (Preso() is false) and the caller goes on as without it.
class BloccoCartella {
public:
    explicit BloccoCartella(const std::string& cartella);
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;
    bool Preso() const { return preso_; }

private:
    int fd_ = -1;
    bool preso_ = false;
};

// Removes from `cartella` the temporary files ("*.kelvaro-PID.tmp", ".kelvaro-PID-*.tmp") of
// processes that no longer run, such as those a killed run left. Returns how many it removed.
int RimuoviTemporaneiOrfani(const std::string& cartella);

}  // namespace kelvaro
