#include "web/grado.h"

#include "solver/livello.h"
#include "web/testo_sicuro.h"

namespace kelvaro {

GradoSchema ValutaGrado(int Swordfish, int Multipli, bool Tentativo) {
    GradoSchema g;
    g.Swordfish = Swordfish;
    g.Multipli = Multipli;
    g.Tentativo = Tentativo;
    g.Livello = LivelloSchema(Swordfish, Multipli);
    if (g.Livello >= 300)
        g.Gruppo = 2;
    else if (g.Livello > 0 || Tentativo)
        g.Gruppo = 1;
    return g;
}

GradoSchema GradoDelRisolutore(const Risolutore& ris) {
    bool tentativo = false;
    for (int k = 1; k <= ris.NumPassi && k < static_cast<int>(ris.Passi.size()); ++k)
        if (ris.Passi[k].Codice == "T") {
            tentativo = true;
            break;
        }
    return ValutaGrado(ris.NumSwordfish, ris.NumMultipli, tentativo);
}

const char* ChiaveGrado(int gruppo) {
    return gruppo <= 0 ? "facile" : gruppo == 1 ? "medio" : "difficile";
}

const char* ParolaGrado(int gruppo) {
    return gruppo <= 0 ? "Facile" : gruppo == 1 ? "Medio" : "Difficile";
}

std::string PrefissoGrado(int gruppo) {
    return gruppo <= 0 ? "F_" : gruppo == 1 ? "M_" : "D_";
}

std::string ComeGrado(const GradoSchema& g) {
    std::string t = "Tecniche: singoli";
    if (g.Multipli == 0 && g.Swordfish == 0) {
        t += " e disuguaglianze";
    } else {
        t += ", disuguaglianze";
        if (g.Multipli > 0) t += ", gruppi di candidati (" + std::to_string(g.Multipli) + ")";
        if (g.Swordfish > 0) t += ", Swordfish (" + std::to_string(g.Swordfish) + ")";
    }
    t += g.Tentativo ? "; serve un tentativo." : "; nessun tentativo.";
    return t;
}

std::string DatiGradoScript(const GradoSchema& g) {
    return "var grado='" + std::string(ChiaveGrado(g.Gruppo)) + "';var gradoParola='" +
           ParolaGrado(g.Gruppo) + "';var gradoCome='" + StringaScript(ComeGrado(g)) +
           "';var gradoTentativo=" + (g.Tentativo ? "true" : "false") +
           ";var gradoLivello=" + std::to_string(g.Livello) + ";";
}

}  // namespace kelvaro
