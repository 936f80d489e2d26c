// Any bytes as a page template: filling, compaction, the index rows and the main page slots end
// and never read outside their texts. The second half of the input gives the index entries and
// the schema file names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/caricamento.h"
#include "model/testo.h"
#include "web/frammento.h"
#include "web/pubblica.h"
#include "web/stringi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    using namespace kelvaro;
    const std::string testo(reinterpret_cast<const char*>(dati), n);
    const size_t meta = testo.find('\0');
    const std::string modello = testo.substr(0, meta);
    const std::string nomi = meta == std::string::npos
                                 ? "3_Prova_Medio.txt|000101Futoshiki 5x5 Livello 101|a.html"
                                 : testo.substr(meta + 1);
    static Banco b = [] {
        Banco banco;
        auto letto = LeggiSchemaRighe(
            DividiRighe("<F SIZE='4'><SCHEMA>0000300000000020</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
                        "<CONSTRAINT>1211|3444</CONSTRAINT>"));
        banco.schema = letto->schema;
        return banco;
    }();
    b.web.Frammento = FrammentoSchema(b);
    const auto righe = DividiRighe(modello);
    CompilaModello(b, righe, true, "Titolo");
    CompilaModello(b, righe, false, "Titolo");
    std::vector<std::string> schemi = Dividi(nomi, '\n');
    std::vector<VoceIndice> voci;
    for (const std::string& v : schemi) voci.push_back({ValutaGrado(311, {Difficolta::Diabolico}), v, v});
    CompilaIndice(b, righe, voci);
    CompilaPaginaFutoshiki(b, righe, schemi);
    NomeBinario(modello);
    DataInlettera(modello);
    return 0;
}
