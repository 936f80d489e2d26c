#include "app/ini.h"

#include <cstdio>

#include "model/disco.h"
#include "model/testo.h"

namespace kelvaro {

std::string PercorsoIni(const Banco& b) {
    return b.CartellaProgramma + "/Kelvaro.ini";
}

namespace {

// The numeric reading of a value, clamped to the 16-bit range of the rule fields. A value past
// that range is kept as written in the rule, so that the rule is refused with the user's number.
int Intero16(const std::string& chiave, const std::string& valore, Regola& r) {
    const double letto = ValoreNumerico(valore);
    if (!(letto > -32768.5 && letto < 32767.5)) {
        if (r.FuoriIntervallo.empty()) r.FuoriIntervallo = chiave + "=" + TogliSpazi(valore);
        return letto > 0 ? 32767 : -32768;
    }
    return static_cast<int>(ArrotondaPari(letto));
}

// The lines of the INI file: only a regular file of bounded size is read; otherwise nothing, and
// the reason is told on standard error (a missing file is no news: the modes check for it first).
std::optional<std::vector<std::string>> RigheIni(const std::string& percorso) {
    const FileLetto f = LeggiFilePiccolo(percorso, LimiteIni);
    if (!f.Dati) {
        if (!f.Inesistente)
            std::fprintf(stderr, "%s: file non letto: %s\n", percorso.c_str(), f.Motivo.c_str());
        return std::nullopt;
    }
    return DividiRighe(SenzaBom(*f.Dati));
}

}  // namespace

void LeggiRegoleIni(const std::string& percorso, Configurazione& conf) {
    conf.NumRegole = 0;
    const auto righe = RigheIni(percorso);
    if (righe) LeggiRegoleIniRighe(*righe, conf, percorso);
}

void LeggiRegoleIniRighe(const std::vector<std::string>& righe, Configurazione& conf,
                         const std::string& nomeFile) {
    conf.NumRegole = 0;
    bool oltre = false;  // past the last rule the table holds
    for (std::string riga : righe) {
        riga = TogliSpazi(Sostituisci(riga, "\t", " "));
        if (Maiuscolo(riga) == "<REGOLA>") {
            if (conf.NumRegole < MaxRegole) {
                ++conf.NumRegole;
            } else {
                if (!oltre)
                    std::fprintf(stderr, "%s: più di %d regole, le successive sono ignorate\n",
                                 nomeFile.c_str(), MaxRegole);
                oltre = true;
            }
        }
        if (riga.find('=') == std::string::npos || oltre) continue;
        const auto pezzi = Dividi(riga, '=');
        const std::string chiave = Maiuscolo(pezzi[0]);
        const std::string& valore = pezzi[1];
        Regola& r = conf.Regole[conf.NumRegole];
        if (chiave == "DIR")
            r.DIR = valore;
        else if (chiave == "SCHEMI")
            r.SCHEMI = Intero16(chiave, valore, r);
        else if (chiave == "SIZESC")
            r.SIZESC = Intero16(chiave, valore, r);
        else if (chiave == "CELLEINIZIALI")
            r.CELLEINIZIALI = Intero16(chiave, valore, r);
        else if (chiave == "PROFONDITA")
            r.PROFONDITA = Intero16(chiave, valore, r);
        else if (chiave == "MAXCICLO1")
            r.MAXCICLO1 = Intero16(chiave, valore, r);
        else if (chiave == "MAXCICLO2")
            r.MAXCICLO2 = Intero16(chiave, valore, r);
        else if (chiave == "SOGLIA")
            r.SOGLIA = Intero16(chiave, valore, r);
        else if (chiave == "NASCOSTI")
            r.NASCOSTI = Intero16(chiave, valore, r);
        else if (chiave == "SWORDFISH")
            r.SWORDFISH = Intero16(chiave, valore, r);
        else if (chiave == "RICHIEDE")
            r.RICHIEDE = valore;
    }
}

void LeggiRegoleIni(Banco& b) {
    LeggiRegoleIni(PercorsoIni(b), b.conf);
}

void LeggiFileIni(const std::string& percorso, Configurazione& conf) {
    const auto righe = RigheIni(percorso);
    if (righe) LeggiFileIniRighe(*righe, conf);
}

void LeggiFileIniRighe(const std::vector<std::string>& righe, Configurazione& conf) {
    for (const std::string& riga : righe) {
        const std::string testa = Maiuscolo(riga.substr(0, 11));
        if (testa == "FILESCHEMA=")
            conf.FileSchema = riga.substr(11);
        else if (testa == "FILEINDICE=")
            conf.FileIndice = riga.substr(11);
    }
}

void LeggiFileIni(Banco& b) {
    LeggiFileIni(PercorsoIni(b), b.conf);
}

}  // namespace kelvaro
