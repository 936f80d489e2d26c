#include "production/genera_banco.h"

#include "files/caricamento.h"
#include "files/scrittura.h"

namespace kelvaro {

int RipetiCiclo1(Banco& b) {
    const int r = RispostaCiclo1(b.cicli, b.imp);
    if (r) return r;
    return b.finestre().ChiediSiNo("ripeti 1") == RispostaSi ? RispostaSi : RispostaNo;
}

int RipetiCiclo2(Banco& b) {
    const int r = RispostaCiclo2(b.cicli, b.imp);
    if (r) return r;
    return b.finestre().ChiediSiNo("ripeti 2") == RispostaSi ? RispostaSi : RispostaNo;
}

void ImpostaSchemaCorrente(Banco& b, const SchemaProdotto& p) {
    b.schema = SchemaDaProdotto(p);
}

bool RisoltoSenzaTentativi(Banco& b) {
    return RisoltoSenzaTentativi(b.schema, b.ris, b.imp.AttivaMultipli, &b.log);
}

void DoGeneraAutoF1(Banco& b) {
    b.file.Salvato = false;
    const int n = b.schema.Sizesc;
    // The saves go into the rule's DIR while the step runs, as continuous generation saves.
    const bool genContPrima = b.imp.GenCont;
    b.imp.GenCont = true;
    const EsitoGenerazione esito =
        GeneraSchema(b.imp, n, b.ris, &b.log, [&b](const Schema& s, const Risolutore&) {
            b.schema = s;  // b.ris holds the solve's counts already
            GeneraNomeAut(b);
            if (b.ConsegnaSchema)
                b.ConsegnaSchema(b);
            else
                CmdSalvaxml_Click(b);
            return b.file.Salvato;
        });
    b.imp.GenCont = genContPrima;
    if (esito.DimensioneNonValida) {
        b.finestre().Messaggio("Dimensione dello schema non generabile (ammesse da 2 a 9): " +
                               std::to_string(n));
        return;
    }
    b.cicli = esito.cicli;
    if (esito.NessunoConfermato)
        b.finestre().Messaggio("Nessuno schema generato: il risolutore non conferma gli schemi trovati");
}

}  // namespace kelvaro
