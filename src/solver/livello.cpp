#include "solver/livello.h"

#include <climits>

namespace kelvaro {

std::string TestoLivello(int S, int M) {
    if (S < 0) S = 0;
    if (M < 0) M = 0;
    const long long somma = 2LL * S + M;
    std::string t = std::to_string(somma);
    if (t.size() < 2) t.insert(0, 2 - t.size(), '0');
    return t + std::to_string(S) + std::to_string(M);
}

long LivelloSchema(int S, int M) {
    long v = 0;
    for (char ch : TestoLivello(S, M)) {
        const int d = ch - '0';
        if (v > (LONG_MAX - d) / 10) return LONG_MAX;
        v = v * 10 + d;
    }
    return v;
}

}  // namespace kelvaro
