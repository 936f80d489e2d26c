#include "files/progresso.h"

#include <filesystem>

#include "display/gioco.h"
#include "model/disco.h"
#include "model/testo.h"

namespace kelvaro {

namespace {

const char* TagPartita = "<PARTITA>";
const char* TagSize = "<SIZE>";
const char* TagDati = "<DATI>";
const char* TagCifre = "<CIFRE>";
const char* TagNote = "<NOTE>";

std::string Dati(const Banco& b) {
    const int n = b.schema.Sizesc;
    std::string s;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& t = b.schema.tblSchema[r][c];
            s += t.size() == 1 ? t : "0";
        }
    return s;
}

bool Inizia(const std::string& riga, const char* tag, std::string& resto) {
    const std::string t(tag);
    if (riga.compare(0, t.size(), t) != 0) return false;
    resto = riga.substr(t.size());
    return true;
}

}  // namespace

std::string PercorsoProgresso(const std::string& fileSchema) {
    return fileSchema + ".partita";
}

bool CiSonoMosseAMano(const Banco& b) {
    if (!b.modifica.InGioco || !b.schema.Caricato) return false;
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (CellaModificabile(b, r, c) && (CifraMostrata(b, r, c) != 0 || b.modifica.Note[r][c] != 0))
                return true;
    return false;
}

std::string TestoProgresso(const Banco& b) {
    const int n = b.schema.Sizesc;
    std::string cifre, note;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const bool mano = CellaModificabile(b, r, c);
            cifre += char('0' + (mano ? CifraMostrata(b, r, c) : 0));
            if (r > 1 || c > 1) note += '.';
            if (mano)
                for (int d = 1; d <= n; ++d)
                    if (b.modifica.Note[r][c] & (1u << d)) note += char('0' + d);
        }
    return std::string(TagPartita) + "1\r\n" + TagSize + std::to_string(n) + "\r\n" + TagDati + Dati(b) +
           "\r\n" + TagCifre + cifre + "\r\n" + TagNote + note + "\r\n";
}

bool ApplicaProgresso(Banco& b, const std::vector<std::string>& righe, std::string* motivo) {
    auto rifiuta = [motivo](const char* perche) {
        if (motivo) *motivo = perche;
        return false;
    };
    const int n = b.schema.Sizesc;
    std::string versione, size, dati, cifre, note;
    bool haNote = false;
    for (const std::string& riga : righe) {
        std::string resto;
        if (Inizia(riga, TagPartita, resto))
            versione = resto;
        else if (Inizia(riga, TagSize, resto))
            size = resto;
        else if (Inizia(riga, TagDati, resto))
            dati = resto;
        else if (Inizia(riga, TagCifre, resto))
            cifre = resto;
        else if (Inizia(riga, TagNote, resto))
            note = resto, haNote = true;
    }
    if (versione != "1") return rifiuta("formato sconosciuto");
    if (size != std::to_string(n) || dati != Dati(b)) return rifiuta("è di uno schema diverso da questo");
    if (cifre.size() != static_cast<size_t>(n * n)) return rifiuta("cifre incomplete");
    std::vector<std::string> gruppi = haNote ? Dividi(note, '.') : std::vector<std::string>(n * n);
    if (gruppi.size() != static_cast<size_t>(n * n)) return rifiuta("note incomplete");
    TabellaNote nuove{};
    for (int k = 0; k < n * n; ++k) {
        const int r = k / n + 1, c = k % n + 1;
        const char d = cifre[k];
        if (d < '0' || d > '0' + n) return rifiuta("una cifra non valida per questo schema");
        if (d != '0' && !CellaModificabile(b, r, c)) return rifiuta("una cifra sopra un dato iniziale");
        for (char x : gruppi[k]) {
            if (x < '1' || x > '0' + n || !CellaModificabile(b, r, c))
                return rifiuta("una nota non valida per questo schema");
            nuove[r][c] |= uint16_t(1u << (x - '0'));
        }
    }
    for (int k = 0; k < n * n; ++k) {
        const int r = k / n + 1, c = k % n + 1;
        if (!CellaModificabile(b, r, c)) continue;
        CellaGriglia& cella = b.Gr.Cella(2 * r - 1, 2 * c - 1);
        cella.Testo = cifre[k] == '0' ? std::string() : std::string(1, cifre[k]);
    }
    b.modifica.Note = nuove;
    return true;
}

bool SalvaProgresso(Banco& b, const std::string& fileSchema) {
    if (fileSchema.empty()) return false;
    const std::string percorso = PercorsoProgresso(fileSchema);
    if (!CiSonoMosseAMano(b)) {
        std::error_code ec;
        std::filesystem::remove(percorso, ec);
        b.modifica.NonSalvata = false;
        return true;
    }
    if (!ScriviFileSicuro(percorso, TestoProgresso(b))) {
        b.finestre().Messaggio("Impossibile salvare la partita in corso", percorso);
        return false;
    }
    b.modifica.NonSalvata = false;
    return true;
}

bool RipristinaProgresso(Banco& b, const std::string& fileSchema) {
    if (fileSchema.empty()) return false;
    const std::string percorso = PercorsoProgresso(fileSchema);
    const FileLetto f = LeggiFilePiccolo(percorso, LimiteSchema);
    if (!f.Dati) {
        // No saved game is the usual case; one that is there but cannot be read is said.
        if (!f.Inesistente)
            b.finestre().Stato("Partita salvata non ripresa: " + percorso + " (" + f.Motivo + ")");
        return false;
    }
    std::string motivo;
    if (!ApplicaProgresso(b, DividiRighe(SenzaBom(*f.Dati)), &motivo)) {
        // A saved game that does not fit is left alone, and said.
        b.finestre().Stato("Partita salvata non ripresa: " + percorso + " (" + motivo + ")");
        return false;
    }
    b.modifica.NonSalvata = false;
    return true;
}

bool ConfermaAbbandono(Banco& b) {
    if (!b.modifica.NonSalvata || !CiSonoMosseAMano(b)) return true;
    const std::string& file = b.modifica.FileSchema;
    if (file.empty())
        return b.finestre().ChiediSiNo("Le cifre e le note scritte a mano andranno perse. Continuare?") ==
               RispostaSi;
    const int risposta = b.finestre().ChiediSiNoAnnulla(
        "Salvare le cifre e le note scritte a mano, per riprenderle alla prossima apertura dello schema?");
    if (risposta == RispostaAnnulla) return false;
    if (risposta == RispostaSi) return SalvaProgresso(b, file);
    return true;
}

}  // namespace kelvaro
