#include "web/grado.h"

#include "solver/livello.h"
#include "web/testo_sicuro.h"

namespace kelvaro {

int GruppoDifficolta(Difficolta d) {
    switch (d) {
        case Difficolta::Facile:
            return 0;
        case Difficolta::Medio:
        case Difficolta::Difficile:
            return 1;
        case Difficolta::Esperto:
        case Difficolta::Diabolico:
            return 2;
    }
    return 2;
}

GradoSchema ValutaGrado(long livello, const GiudizioDifficolta& giudizio) {
    GradoSchema g;
    g.Livello = livello;
    g.Nome = giudizio.Nome;
    g.Gruppo = GruppoDifficolta(giudizio.Nome);
    g.Tentativo = giudizio.Nome == Difficolta::Diabolico;
    g.Multipli = giudizio.Multipli;
    g.Swordfish = giudizio.Swordfish;
    g.Maestro = giudizio.Maestro;
    return g;
}

GradoSchema GradoSchemaRisolto(const Schema& s, const Risolutore& ris) {
    return ValutaGrado(LivelloSchema(ris.NumSwordfish, ris.NumMultipli), GiudicaDifficolta(s));
}

const char* ChiaveGrado(int gruppo) {
    return gruppo <= 0 ? "facile" : gruppo == 1 ? "medio" : "difficile";
}

std::string PrefissoGrado(int gruppo) {
    return gruppo <= 0 ? "F_" : gruppo == 1 ? "M_" : "D_";
}

std::string ComeGrado(const GradoSchema& g) {
    const std::pair<const char*, int> usate[] = {{"gruppi di candidati", g.Multipli},
                                                 {"gruppi nascosti", g.Maestro[0]},
                                                 {"Swordfish", g.Swordfish},
                                                 {"catene di segni", g.Maestro[1]},
                                                 {"catene di ipotesi", g.Maestro[2]}};
    std::string elenco;
    for (const auto& [nome, quanti] : usate)
        if (quanti > 0) elenco += ", " + std::string(nome) + " (" + std::to_string(quanti) + ")";
    std::string t = "Tecniche: singoli";
    t += elenco.empty() ? " e disuguaglianze" : ", disuguaglianze" + elenco;
    t += g.Tentativo ? "; serve un tentativo." : "; nessun tentativo.";
    return t;
}

std::string DatiGradoScript(const GradoSchema& g) {
    return "var grado='" + std::string(ChiaveGrado(g.Gruppo)) + "';var gradoParola='" +
           NomeDifficolta(g.Nome) + "';var gradoCome='" + StringaScript(ComeGrado(g)) +
           "';var gradoTentativo=" + (g.Tentativo ? "true" : "false") +
           ";var gradoLivello=" + std::to_string(g.Livello) + ";";
}

}  // namespace kelvaro
