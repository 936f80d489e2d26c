#pragma once
// Production rules and template names read from Kelvaro.ini.
#include <string>
#include <vector>

namespace kelvaro {

struct Regola {
    std::string DIR;
    int SCHEMI = 0;
    int SIZESC = 0;
    int CELLEINIZIALI = 0;
    int PROFONDITA = 0;
    int MAXCICLO1 = 0;
    int MAXCICLO2 = 0;
    int SOGLIA = 0;
    int NASCOSTI = 0;
    int SWORDFISH = 0;
    // "KEY=value" as written, of the first value no 16-bit field can hold ("" when none).
    std::string FuoriIntervallo;
    // Techniques every schema of the rule must need: "" any, else NESSUNA, SOTTOINSIEMI,
    // SWORDFISH or ENTRAMBE (see production/produzione.h).
    std::string RICHIEDE;
};

constexpr int MaxRegole = 20;

struct Configurazione {
    std::vector<Regola> Regole = std::vector<Regola>(MaxRegole + 1);  // 0 gets lines before the first block
    int NumRegole = 0;
    int RegolaCorrente = 0;
    std::string FileSchema;
    std::string FileIndice;
};

}  // namespace kelvaro
