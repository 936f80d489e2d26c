#include "model/casuale.h"

#include <atomic>
#include <cmath>
#include <cstdint>

namespace kelvaro {

namespace {
// 24-bit linear congruential generator x := (1140671485 x + 12820163) mod 2^24, from 327680.
constexpr uint32_t Inizio = 327680;
static_assert(Inizio == 327680, "SequenzaCasuale starts where the process-wide sequence does");
// Atomic: the window's "Nuovo" draws from a worker thread while the window may solve.
std::atomic<uint32_t> g_stato{Inizio};

uint32_t Successivo(uint32_t x) {
    return static_cast<uint32_t>((1140671485ull * x + 12820163ull) & 0xFFFFFFull);
}
}  // namespace

double EstraiCasuale() {
    uint32_t x = g_stato.load(std::memory_order_relaxed);
    while (!g_stato.compare_exchange_weak(x, Successivo(x), std::memory_order_relaxed)) {
    }
    return static_cast<double>(Successivo(x)) / 16777216.0;
}

double GeneraCasuale(double ValoreC) {
    return std::floor(EstraiCasuale() * ValoreC + 1.0);
}

void GeneraCasuali(double ValoreC, int* valori, int quanti) {
    uint32_t x = g_stato.load(std::memory_order_relaxed);
    for (;;) {
        uint32_t y = x;
        for (int k = 0; k < quanti; ++k) {
            y = Successivo(y);
            valori[k] = static_cast<int>(std::floor(static_cast<double>(y) / 16777216.0 * ValoreC + 1.0));
        }
        if (g_stato.compare_exchange_weak(x, y, std::memory_order_relaxed)) return;
    }
}

void SequenzaCasuale::GeneraCasuali(double ValoreC, int* valori, int quanti) {
    for (int k = 0; k < quanti; ++k) {
        stato_ = Successivo(stato_);
        valori[k] = static_cast<int>(std::floor(static_cast<double>(stato_) / 16777216.0 * ValoreC + 1.0));
    }
}

void RiportaCasualeAllInizio() {
    g_stato.store(Inizio);
}

uint32_t StatoCasuale() {
    return g_stato;
}

void RipristinaCasuale(uint32_t stato) {
    g_stato = stato & 0xFFFFFFu;
}

}  // namespace kelvaro
