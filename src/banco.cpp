#include "banco.h"

namespace kelvaro {

std::tm OraLocale() {
    std::time_t t = std::time(nullptr);
    std::tm out{};
    localtime_r(&t, &out);
    return out;
}

Banco::Banco() : Orologio(OraLocale) {}

}  // namespace kelvaro
