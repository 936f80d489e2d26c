#include "web/frammento.h"

#include "display/visualizza.h"
#include "model/testo.h"
#include "production/generazione.h"
#include "solver/difficolta.h"
#include "web/testo_sicuro.h"

namespace kelvaro {

namespace {

constexpr const char* Crlf = "\r\n";

// A narrow grid line (borders and sign lines) is 240 twips; everything else is a value line.
char Tipo(int misura) {
    return misura == 240 ? 'P' : 'L';
}

std::string Immagine(const char* nome) {
    return std::string("<img src='assets/img/") + nome + ".bmp'   alt=''>";
}

std::string CellaImmagine(const std::string& id, const std::string& contenuto) {
    return "<td id='" + id + "' >  " + contenuto + "</TD>";
}

}  // namespace

std::string FrammentoSchema(const Banco& b, const std::string& datiPagina) {
    const Griglia& g = b.Gr;
    const int n = b.schema.Sizesc;
    const int ultimaRiga = g.Rows() - 2;  // the last grid row only holds the current position

    int mpp = 0, mpl = 0, mlp = 0, mll = 0;
    for (int i = 0; i <= ultimaRiga; ++i)
        for (int j = 0; j < g.Cols(); ++j) {
            const char r = Tipo(g.RowHeight(i)), c = Tipo(g.ColWidth(j));
            if (r == 'P' && c == 'P') ++mpp;
            if (r == 'P' && c == 'L') ++mpl;
            if (r == 'L' && c == 'P') ++mlp;
            if (r == 'L' && c == 'L') ++mll;
        }

    const std::string lato = std::to_string(60 * n + 50);
    const std::string soluzione = ConcatenaTabella(b.schema.tblRisolto, n);
    const std::string dati = ConcatenaTabella(b.schema.tblSchema, n);

    std::string out;
    // Digits by construction; escaped all the same, as everything that reaches a page.
    out += "<script lang='javascript'>var solution;solution='" + StringaScript(soluzione) +
           "';var schema;schema='" + StringaScript(dati) + "';var sizesc;sizesc='" + std::to_string(n) + "';";
    out += "var mpl;mpl=" + std::to_string(mpl) + ";var mll;mll=" + std::to_string(mll) +
           ";var mlp;mlp=" + std::to_string(mlp) + ";var mpp;mpp=" + std::to_string(mpp) + ";";
    out += Crlf;

    const Storia& st = b.storia;
    out += " var tbls = new Array(); var tblv = new Array(); var tblr = new Array(); var mls=" +
           std::to_string(st.NumStoria) + "; var imls=0;";
    out += Crlf;
    auto voce = [](const std::vector<std::string>& v, int k) -> std::string {
        return k < static_cast<int>(v.size()) ? v[k] : std::string();
    };
    for (int k = 0; k <= st.NumStoria; ++k) {
        const std::string ks = std::to_string(k);
        out += "tbls[" + ks + "]='" + StringaScript(voce(st.StoriaS, k)) + "';" + Crlf;
        out += "tblv[" + ks + "]='" + StringaScript(voce(st.StoriaV, k)) + "';" + Crlf;
        out += "tblr[" + ks + "]='" + StringaScript(voce(st.StoriaR, k)) + "';" + Crlf;
    }
    if (!datiPagina.empty()) out += datiPagina + Crlf;
    out += "</script>";
    out += Crlf;
    out +=
        "<table id='ritb1' align='center'  border='0'  cellpadding='0' cellspacing='0' class='laterale' "
        "height='" +
        lato + "' width='" + lato + "'>" + Crlf;

    int nll = 0, nlp = 0, npl = 0, npp = 0;
    for (int i = 0; i <= ultimaRiga; ++i) {
        out += "<tr id='ritd" + std::to_string(i + 1) + "'>" + Crlf;
        for (int j = 0; j < g.Cols(); ++j) {
            const char r = Tipo(g.RowHeight(i)), c = Tipo(g.ColWidth(j));
            const std::string& testo = g.Cella(i, j).Testo;
            const unsigned char segno = testo.empty() ? 0 : static_cast<unsigned char>(testo[0]);
            if (r == 'L' && c == 'L') {
                const std::string id = "LL" + std::to_string(nll);
                const std::string dato =
                    static_cast<size_t>(nll) < dati.size() ? dati.substr(static_cast<size_t>(nll), 1) : "";
                ++nll;
                if (dato == "0")
                    out += "<td id='" + id + "' onmouseup=\"javascript:posizioneTD(this)\"></td>";
                else
                    out += CellaImmagine(id, TestoHtml(dato));
            } else if (r == 'L') {
                const std::string id = "LP" + std::to_string(nlp++);
                std::string img;
                if (segno == SegnoMagDes) img = Immagine("FD");
                if (segno == SegnoMinDes) img = Immagine("FS");
                out += CellaImmagine(id, img);
            } else if (c == 'L') {
                const std::string id = "PL" + std::to_string(npl++);
                std::string img;
                if (segno == SegnoMinGiu) img = Immagine("FA");
                if (segno == SegnoMagGiu) img = Immagine("FB");
                out += CellaImmagine(id, img);
            } else {
                out += CellaImmagine("PP" + std::to_string(npp++), "");
            }
            out += Crlf;
        }
        out += "</tr>";
        out += Crlf;
    }
    out += "</table>";
    out += Crlf;
    return out;
}

namespace {

// Whether the generator makes schemas of difficulty d at size n often enough for a visitor who
// waits. Measured with kelvaro-cli genera --difficolta: a 4 x 4 leaves too little room for naked
// subsets and Swordfish, and its attempts at Difficile and Esperto run out.
bool DifficoltaGenerabile(Difficolta d, int n) {
    if (!AssettoPerDifficolta(d, n)) return false;
    return n >= 5 || d == Difficolta::Facile || d == Difficolta::Medio;
}

}  // namespace

std::string FrammentoNuovoSchema() {
    std::string out =
        "<style>.scelta-nuovo{display:flex;flex-wrap:wrap;align-items:center;justify-content:center;gap:10px;"
        "margin:0 0 14px;font-size:15px;}.scelta-nuovo label{font-weight:600;}.scelta-nuovo "
        "select{font:inherit;"
        "padding:6px 8px;border-radius:8px;border:1px solid "
        "#8a90b0;background:var(--carta);color:var(--inchiostro);}"
        "</style>";
    out += Crlf;
    out += "<div id='sceltaNuovo' class='scelta-nuovo'>";
    out += Crlf;
    out += "<label for='nuovoLato'>Dimensione</label><select id='nuovoLato'>";
    for (int n = 4; n <= DimMax; ++n) {
        const std::string v = std::to_string(n);
        out += "<option value='" + v + "'" + (n == 6 ? " selected" : "") + ">" + v + " &times; " + v +
               "</option>";
    }
    out += "</select>";
    out += Crlf;
    out += "<label for='nuovoLivello'>Difficolt&agrave;</label><select id='nuovoLivello'>";
    for (const Difficolta d : {Difficolta::Facile, Difficolta::Medio, Difficolta::Difficile,
                               Difficolta::Esperto, Difficolta::Diabolico}) {
        std::string lati;
        for (int n = 4; n <= DimMax; ++n)
            if (DifficoltaGenerabile(d, n)) lati += std::to_string(n);
        if (lati.empty()) continue;
        const std::string nome = NomeDifficolta(d);
        out += "<option value='" + nome + "' data-lati='" + lati + "'" +
               (d == Difficolta::Medio ? " selected" : "") + ">" + nome + "</option>";
    }
    out += "</select>";
    out += Crlf;
    out += "<button type='button' id='bGenera' class='primario' disabled>Genera</button>";
    out += Crlf;
    out += "</div>";
    out += Crlf;
    return out;
}

void Generahtml_Click(Banco& b, const std::string& datiPagina) {
    b.web.Frammento = FrammentoSchema(b, datiPagina);
}

}  // namespace kelvaro
