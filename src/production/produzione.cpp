#include "production/produzione.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/avvio.h"
#include "files/scrittura.h"
#include "production/generazione.h"

namespace kelvaro {

std::string DidascaliaProduzione(int regola, int numRegole, int schema, int numSchemi) {
    return "Futoshiki Regola " + std::to_string(regola) + " di " + std::to_string(numRegole) + " Schema " +
           std::to_string(schema) + " di " + std::to_string(numSchemi);
}

std::string ControllaRegola(const Regola& r) {
    if (!r.FuoriIntervallo.empty()) return r.FuoriIntervallo + " fuori dai valori ammessi";
    const std::pair<const char*, int> valori[] = {
        {"SIZESC", r.SIZESC},       {"CELLEINIZIALI", r.CELLEINIZIALI}, {"PROFONDITA", r.PROFONDITA},
        {"MAXCICLO1", r.MAXCICLO1}, {"MAXCICLO2", r.MAXCICLO2},         {"SOGLIA", r.SOGLIA},
    };
    for (const auto& [chiave, v] : valori)
        if (v < 0 || v > 255)
            return std::string(chiave) + "=" + std::to_string(v) + " fuori dai valori ammessi (da 0 a 255)";
    if (r.SIZESC < SizescMinimaGenerabile || r.SIZESC > DimMax)
        return "SIZESC=" + std::to_string(r.SIZESC) + " fuori dalle dimensioni generabili (da " +
               std::to_string(SizescMinimaGenerabile) + " a " + std::to_string(DimMax) + ")";
    return "";
}

namespace {

// Creates the folder when missing and proves it takes a file.
bool CartellaScrivibile(const std::string& cartella) {
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);
    if (!std::filesystem::is_directory(cartella, ec)) return false;
    const std::filesystem::path prova = std::filesystem::path(cartella) / ".kelvaro_prova_scrittura";
    bool ok;
    {
        std::ofstream f(prova, std::ios::binary);
        ok = static_cast<bool>(f << "x");
    }
    std::filesystem::remove(prova, ec);
    return ok;
}

}  // namespace

EsitoProduzione EseguiGeneraAuto(Banco& b, const EventiProduzione& eventi) {
    EsitoProduzione esito;
    const int numRegole = b.conf.NumRegole;
    const int ultima = std::min({numRegole, MaxRegole, static_cast<int>(b.conf.Regole.size()) - 1});
    bool form1Caricato = false;
    for (int k = 1; k <= ultima; ++k) {
        b.conf.RegolaCorrente = k;
        const Regola r = b.conf.Regole[k];
        if (r.SCHEMI <= 0) continue;
        const std::string motivo = ControllaRegola(r);
        if (!motivo.empty()) {
            b.finestre().Messaggio("Regola " + std::to_string(k) + " saltata: " + motivo);
            continue;
        }
        const std::string cartella = CartellaRegola(b, r.DIR);
        if (!CartellaScrivibile(cartella)) {
            b.finestre().Messaggio(
                "Impossibile scrivere gli schemi della regola " + std::to_string(k) + " nella cartella",
                cartella);
            esito.Fermato = true;
            return esito;
        }
        for (int i = 1; i <= r.SCHEMI; ++i) {
            if (eventi.Didascalia) eventi.Didascalia(DidascaliaProduzione(k, numRegole, i, r.SCHEMI));
            if (eventi.Cedi && eventi.Cedi()) {
                esito.Interrotto = true;
                return esito;
            }
            if (!form1Caricato) {
                if (eventi.CaricaForm1)
                    eventi.CaricaForm1();
                else
                    CaricamentoForm1(b);
                form1Caricato = true;
            }
            b.schema.Sizesc = r.SIZESC;
            b.imp.CelleIniziali = r.CELLEINIZIALI;
            b.imp.MaxCercaVincoli = r.PROFONDITA;
            b.imp.MaxCiclo1 = r.MAXCICLO1;
            b.imp.MaxCiclo2 = r.MAXCICLO2;
            b.imp.Soglia = r.SOGLIA;
            b.imp.OutputSchema = false;
            b.imp.AttivaMultipli = 0;
            if (r.NASCOSTI == 1) b.imp.AttivaMultipli += 1;
            if (r.SWORDFISH == 1) b.imp.AttivaMultipli += 2;
            DoGeneraAutoF1(b);
            if (!b.file.Salvato) {  // the writer has said which file it could not write
                esito.Fermato = true;
                return esito;
            }
            ++esito.Salvati;
        }
    }
    return esito;
}

}  // namespace kelvaro
