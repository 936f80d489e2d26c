#include "solver/tabella_tecniche.h"

#include "solver/avanzate.h"
#include "solver/risolvi.h"

namespace kelvaro {

namespace {

// A constant, built before the program runs: every step and every detection pass reads it.
constexpr std::array<Tecnica, 10> Elenco{{
    {"dati e prove", 0, {"I", "T"}, nullptr, nullptr, PosaValore, FrasePosa},
    {"celle", 0, {"U", "E1"}, nullptr, CercaCelle, EseguiSingolo, FraseCella},
    {"colonne", 0, {"C", "EC"}, nullptr, CercaColonne, EseguiSingolo, FraseLinea},
    {"righe", 0, {"R", "ER"}, nullptr, CercaRighe, EseguiSingolo, FraseLinea},
    {"segni", 0, {"MAG", "MIN"}, nullptr, CercaSegni, EseguiSegno, FraseSegno},
    {"sottoinsiemi", 1, {"MR", "MC"}, &Risolutore::NumMultipli, CercaMultipli, EseguiGruppo, FraseMultiplo},
    {"Swordfish", 2, {"SR", "SC"}, &Risolutore::NumSwordfish, CercaSwordfish, EseguiSWF, FraseSWF},
    // The master tier (+4): its steps are counted in Risolutore::NumMaestro.
    {"sottoinsiemi nascosti", 4, {"NR", "NC"}, nullptr, CercaNascostiMaestro, EseguiGruppo, FraseNascosti},
    {"catene di segni",
     4,
     {"CS", nullptr},
     nullptr,
     CercaCatenaSegniMaestro,
     EseguiCatenaSegni,
     FraseCatenaSegni},
    {"catene forzate",
     4,
     {"CF", nullptr},
     nullptr,
     CercaCatenaForzataMaestro,
     EseguiCatenaForzata,
     FraseCatenaForzata},
}};

// A code's first two characters index its entry directly (the codes differ there, and the solver
// records no other code).
constexpr unsigned Chiave(unsigned char primo, unsigned char secondo) {
    return primo << 8 | secondo;
}

// Entry + 1 for a code's key, 0 for none: a table of zeros but for a handful of entries, which the
// linker keeps as zero-filled memory instead of 64 KB of data in the program and the page module.
constexpr std::array<uint8_t, 1 << 16> Indice = [] {
    std::array<uint8_t, 1 << 16> voce{};
    for (size_t k = 0; k < Elenco.size(); ++k)
        for (const char* c : Elenco[k].Codici)
            if (c)
                voce[Chiave(static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1] ? c[1] : 0))] =
                    static_cast<uint8_t>(k + 1);
    return voce;
}();

}  // namespace

const std::array<Tecnica, 10>& Tecniche() {
    return Elenco;
}

const Tecnica* TecnicaDelCodice(const std::string& codice) {
    const auto primo = static_cast<unsigned char>(codice.size() > 0 ? codice[0] : 0);
    const auto secondo = static_cast<unsigned char>(codice.size() > 1 ? codice[1] : 0);
    const int k = Indice[Chiave(primo, secondo)];
    return k == 0 ? nullptr : &Elenco[static_cast<size_t>(k - 1)];
}

const Tecnica* TecnicaDelBit(int bit) {
    for (const Tecnica& k : Elenco)
        if (k.Bit == bit) return &k;
    return nullptr;
}

}  // namespace kelvaro
