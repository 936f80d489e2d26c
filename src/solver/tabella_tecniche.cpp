#include "solver/tabella_tecniche.h"

#include <cstring>

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

const std::array<Tecnica, 10>& Tecniche() {
    static const std::array<Tecnica, 10> tabella{{
        {"dati e prove", 0, {"I", "T"}, nullptr, nullptr, EseguiPosa},
        {"celle", 0, {"U", "E1"}, nullptr, CercaCelle, EseguiCella},
        {"colonne", 0, {"C", "EC"}, nullptr, CercaColonne, EseguiLinea},
        {"righe", 0, {"R", "ER"}, nullptr, CercaRighe, EseguiLinea},
        {"segni", 0, {"MAG", "MIN"}, nullptr, CercaSegni, EseguiSegno},
        {"sottoinsiemi", 1, {"MR", "MC"}, &Risolutore::NumMultipli, CercaMultipli, EseguiMultiplo},
        {"Swordfish", 2, {"SR", "SC"}, &Risolutore::NumSwordfish, CercaSwordfish, EseguiSWF},
        // The master tier (+4): its steps are counted in Risolutore::NumMaestro.
        {"sottoinsiemi nascosti", 4, {"NR", "NC"}, nullptr, CercaNascostiMaestro, EseguiNascosti},
        {"catene di segni", 4, {"CS", nullptr}, nullptr, CercaCatenaSegniMaestro, EseguiCatenaSegni},
        {"catene forzate", 4, {"CF", nullptr}, nullptr, CercaCatenaForzataMaestro, EseguiCatenaForzata},
    }};
    return tabella;
}

namespace {

// Every step passes through here: a code's first two characters index its entry directly (the
// codes differ there, and the solver records no other code).
unsigned Chiave(const char* c, size_t lunghezza) {
    const auto primo = static_cast<unsigned char>(lunghezza > 0 ? c[0] : 0);
    const auto secondo = static_cast<unsigned char>(lunghezza > 1 ? c[1] : 0);
    return primo << 8 | secondo;
}

struct Indice {
    std::array<int8_t, 1 << 16> voce;
    Indice() {
        voce.fill(-1);
        const auto& t = Tecniche();
        for (size_t k = 0; k < t.size(); ++k)
            for (const char* c : t[k].Codici)
                if (c) voce[Chiave(c, std::strlen(c))] = static_cast<int8_t>(k);
    }
};

}  // namespace

const Tecnica* TecnicaDelCodice(const std::string& codice) {
    static const Indice indice;
    const int k = indice.voce[Chiave(codice.data(), codice.size())];
    return k < 0 ? nullptr : &Tecniche()[static_cast<size_t>(k)];
}

const Tecnica* TecnicaDelBit(int bit) {
    for (const Tecnica& k : Tecniche())
        if (k.Bit == bit) return &k;
    return nullptr;
}

}  // namespace kelvaro
