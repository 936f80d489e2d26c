#include "app/modo_html.h"

#include "app/avvio.h"
#include "app/ini.h"
#include "model/testo.h"
#include "web/pubblica.h"

namespace kelvaro {

bool EseguiModoHtml(Banco& b) {
    if (!EsisteFile(PercorsoIni(b))) return false;
    LeggiFileIni(b);
    CaricamentoForm1(b);
    return GeneraSingolaPaginaSchema(b).Riuscita;
}

}  // namespace kelvaro
