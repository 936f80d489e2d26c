#include "banco.h"

namespace kelvaro {

Banco::Banco() : Orologio(OraLocale) {}

}  // namespace kelvaro
