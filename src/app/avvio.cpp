#include "app/avvio.h"

namespace kelvaro {

void CaricamentoForm1(Banco& b) {
    b.web.DataRiferimento = "01/01/2009";
    b.imp.MaxCiclo1 = 2;
    b.imp.MaxCiclo2 = 2;
    b.schema.Sizesc = 5;
    b.imp.CelleIniziali = 2;
    b.imp.MaxCercaVincoli = 10;
    b.imp.AttivaMultipli = 3;
    b.imp.Soglia = 11;
    b.imp.OutputSchema = false;
}

}  // namespace kelvaro
