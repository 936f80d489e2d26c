#include "production/casuale.h"

#include <cmath>
#include <cstdint>

namespace kelvaro {

namespace {
// 24-bit linear congruential generator x := (1140671485 x + 12820163) mod 2^24, from 327680.
constexpr uint32_t Inizio = 327680;
uint32_t g_stato = Inizio;
}  // namespace

double EstraiCasuale() {
    g_stato = static_cast<uint32_t>((1140671485ull * g_stato + 12820163ull) & 0xFFFFFFull);
    return static_cast<double>(g_stato) / 16777216.0;
}

double GeneraCasuale(double ValoreC) {
    return std::floor(EstraiCasuale() * ValoreC + 1.0);
}

void RiportaCasualeAllInizio() {
    g_stato = Inizio;
}

uint32_t StatoCasuale() {
    return g_stato;
}

void RipristinaCasuale(uint32_t stato) {
    g_stato = stato & 0xFFFFFFu;
}

}  // namespace kelvaro
