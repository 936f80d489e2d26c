#include "files/scrittura.h"

#include <filesystem>

#include "model/disco.h"
#include "model/testo.h"

namespace kelvaro {

std::string MescolaCifre(const std::string& s, int32_t& ChiaveCifre) {
    std::string risultato;
    for (char ch : s) {
        std::string t = "111111" + std::to_string(ChiaveCifre);
        t = t.substr(t.size() - 4);
        const int m = static_cast<int>(ValoreNumerico(t.substr(1, 2)));
        ChiaveCifre = ChiaveCifre + 19 + m;
        if (ChiaveCifre % 10 < 5) ChiaveCifre += 3;
        if (ChiaveCifre % 10 < 6) ChiaveCifre += 4;
        const int d = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
        risultato += static_cast<char>('0' + (9 - (ChiaveCifre + d) % 10));
    }
    return risultato;
}

namespace {

// Weighted sum of the solution, as six digits (a longer total keeps its six lowest digits).
std::string SommaCheck(const Tabella& tblSoluzione, int n) {
    int32_t totale = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& t = tblSoluzione[r][c];
            const int v =
                (t.size() >= 1 && t[0] >= '0' && t[0] <= '9') ? static_cast<int>(ValoreNumerico(t)) : 0;
            totale += r * 3117 * v * c;
        }
    const std::string s = "000000" + std::to_string(totale);
    return s.substr(s.size() - 6);
}

}  // namespace

std::string CreaPwd(const Tabella& tblSoluzione, int n) {
    int32_t chiave = ChiaveIniziale;
    return MescolaCifre(SommaCheck(tblSoluzione, n), chiave);
}

std::string CreaPwd(Banco& b) {
    b.ChiaveCifre = ChiaveIniziale;
    return MescolaCifre(SommaCheck(b.schema.tblSoluzione, b.schema.Sizesc), b.ChiaveCifre);
}

std::string TestoFileSchema(const Schema& s) {
    const int n = s.Sizesc;
    std::string vincoli;
    for (int k = 0; k < s.NumVincoli(); ++k) {
        if (k > 0) vincoli += "|";
        vincoli += s.Vincoli[k];
    }
    const std::string fine = "\r\n";
    std::string testo;
    testo += "<?xml version=\"1.0\" ?>" + fine;
    testo += "<FUTOSHIKI SIZE=\"" + std::to_string(n) + "\">" + fine;
    testo += "<SCHEMA>" + ConcatenaTabella(s.tblSchema, n) + "</SCHEMA>" + fine;
    testo += "<SOLUTION>" + ConcatenaTabella(s.tblSoluzione, n) + "</SOLUTION>" + fine;
    testo += "<CONSTRAINT>" + vincoli + "</CONSTRAINT>" + fine;
    testo += "<CHECK>" + CreaPwd(s.tblSoluzione, n) + "</CHECK>" + fine;
    testo += "</FUTOSHIKI>" + fine;
    return testo;
}

std::string CartellaRegola(const Banco& b, const std::string& dir) {
    std::filesystem::path p(dir);
    if (p.is_relative()) p = std::filesystem::path(b.CartellaProgramma) / p;
    return p.string();
}

namespace {

// Temporary files of killed runs are removed from a folder the first time this run writes there.
void PulisciCartella(Banco& b, const std::string& percorso) {
    std::string cartella = std::filesystem::path(percorso).parent_path().string();
    if (cartella.empty()) cartella = ".";
    if (cartella == b.file.CartellaRipulita) return;
    RimuoviTemporaneiOrfani(cartella);
    b.file.CartellaRipulita = cartella;
}

}  // namespace

void CmdSalvaxml_Click(Banco& b) {
    std::string percorso;
    if (b.imp.GenCont) {
        const int k = b.conf.RegolaCorrente;
        const std::string dir =
            (k >= 0 && k < static_cast<int>(b.conf.Regole.size())) ? b.conf.Regole[k].DIR : "";
        const std::string cartella = CartellaRegola(b, dir);
        std::error_code ec;
        std::filesystem::create_directories(cartella, ec);
        percorso = cartella + "/" + b.file.NomeFile;
    } else {
        percorso = b.finestre().Salva(b.file.NomeFile);
    }
    if (percorso.empty()) {
        b.file.Salvato = false;
        return;
    }
    // The scrambler key ends where the CHECK computation leaves it, as after a classic save.
    const std::string testo = TestoFileSchema(b.schema);
    CreaPwd(b);
    PulisciCartella(b, percorso);
    // An automatic name may be taken at the same moment by another run writing into the same
    // folder: the free name is chosen and the file created in one step. A name chosen in the
    // dialog replaces the file there, as the user has confirmed.
    bool scritto;
    if (b.imp.GenCont) {
        const auto nome = ScriviFileNuovo(percorso, testo);
        scritto = nome.has_value();
    } else {
        scritto = ScriviFileSicuro(percorso, testo);
    }
    if (!scritto) {
        b.file.Salvato = false;
        b.finestre().Messaggio("Impossibile scrivere il file dello schema", percorso);
        return;
    }
    b.file.Salvato = true;
    b.file.PercorsoSalvato = percorso;
}

}  // namespace kelvaro
