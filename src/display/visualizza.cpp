#include "display/visualizza.h"

namespace kelvaro {

namespace {

double DimensioneCarattere(const std::string& ctrl, int n) {
    if (ctrl.size() == 1) return 16;
    if (n >= 9) return 6;
    if (n == 8) return 7;
    if (n == 7) return 8;
    return 9;
}

void ScriviSegno(Griglia& g, int i, int j, unsigned char codice) {
    CellaGriglia& cella = g.Cella(i, j);
    cella.Testo = std::string(1, static_cast<char>(codice));
    cella.FontName = FontSegni;
    cella.FontSize = 12;
    cella.CellAlignment = Allineamento::CentroCentro;
}

// The log lines written since the previous entry, joined by "|": the reasons of this entry's
// changes, for the page's replay.
std::string FrasiNuove(Banco& b) {
    const std::vector<std::string>& righe = b.ris.Trascrizione;
    std::string frasi;
    for (size_t k = b.storia.RigheLette; k < righe.size(); ++k)
        frasi += (frasi.empty() ? "" : "|") + righe[k];
    b.storia.RigheLette = righe.size();
    return frasi;
}

// The entry of a state: its decided digits row by row, a blank for an open cell.
void RegistraStato(Banco& b, const std::string& stato) {
    const int n = b.schema.Sizesc;
    Storia& st = b.storia;
    if (st.NumStoria == 0) {
        st.NumStoria = 1;
        st.StoriaS.resize(2);
        st.StoriaV.resize(2);
        st.StoriaR.resize(2);
        st.StoriaS[1] = stato;
        st.StoriaV[1] = "";
        st.StoriaR[1] = FrasiNuove(b);
        return;
    }
    const std::string& prima = st.StoriaS[st.NumStoria];
    if (stato == prima) return;
    std::string variate;
    for (size_t k = 0; k < stato.size(); ++k) {
        if (k >= prima.size() || stato[k] != prima[k]) {
            variate += std::to_string(static_cast<int>(k) / n + 1);
            variate += std::to_string(static_cast<int>(k) % n + 1);
        }
    }
    st.NumStoria += 1;
    st.StoriaS.push_back(stato);
    st.StoriaV.push_back(variate);
    st.StoriaR.push_back(FrasiNuove(b));
}

}  // namespace

void VisualizzaGrid(Banco& b, const Tabella& Dati, const Tabella& Ctrl) {
    Griglia& g = b.Gr;
    const int n = b.schema.Sizesc;
    const int lato = 2 * n + 1;

    g.Redraw = false;
    g.FixedRows = 0;
    g.FixedCols = 0;
    g.SetRows(lato);
    g.SetCols(lato);
    for (int i = 0; i < lato; ++i) {
        const int misura = (i % 2 == 1) ? 670 : 240;
        g.SetRowHeight(i, misura);
        g.SetColWidth(i, misura);
    }
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j) {
            CellaGriglia& cella = g.Cella(i, j);
            cella.CellBackColor = ColoreLavanda;
            cella.Testo.clear();
        }

    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            CellaGriglia& cella = g.Cella(RigaGriglia(r), ColonnaGriglia(c));
            if (Dati[r][c] != "0") cella.Testo = Dati[r][c];
            cella.FontSize = DimensioneCarattere(Ctrl[r][c], n);
            cella.CellBackColor = ColoreBianco;
            cella.CellAlignment = Allineamento::CentroCentro;
        }

    int somma = 0;
    for (int i = 0; i < lato; ++i) somma += g.RowHeight(i);
    g.Width = g.Height = 100 + somma;

    const TabellaSegni& segni = b.schema.tblSegni;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n - 1; ++c) {
            if (segni[r][c].MagDes == 1) ScriviSegno(g, 2 * r - 1, 2 * c, SegnoMagDes);
            if (segni[r][c].MinDes == 1) ScriviSegno(g, 2 * r - 1, 2 * c, SegnoMinDes);
        }
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n - 1; ++r) {
            if (segni[r][c].MagGiu == 1) ScriviSegno(g, 2 * r, 2 * c - 1, SegnoMagGiu);
            if (segni[r][c].MinGiu == 1) ScriviSegno(g, 2 * r, 2 * c - 1, SegnoMinGiu);
        }

    if (b.storia.RegistraStoria) {
        std::string stato;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const std::string& t = g.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo;
                stato += t.size() == 1 ? t[0] : ' ';
            }
        RegistraStato(b, stato);
    }

    g.SetRows(lato + 1);
    g.SetRowHeight(lato, 0);
    g.Row = lato;
    g.Col = 0;

    if (b.ris.MostraLog) g.Redraw = true;
    g.Visible = true;

    b.LarghezzaForm = 2.0 * g.Left + g.Width;
    b.AltezzaForm = 2.0 * g.Top + g.Height + MmToTwips(18);
    b.finestre().AggiornaGriglia();
}

void ChiudiStoria(Banco& b) {
    Storia& st = b.storia;
    if (!st.RegistraStoria || st.NumStoria == 0) return;
    // The states stay those the displays recorded (the last one before the last step); the lines
    // written since, the last placements and a closing verdict, join the last entry.
    const std::string resto = FrasiNuove(b);
    if (!resto.empty()) {
        std::string& ultime = st.StoriaR[static_cast<size_t>(st.NumStoria)];
        ultime += (ultime.empty() ? "" : "|") + resto;
    }
}

void ColoraSchema(Banco& b) {
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const int i = RigaGriglia(r), j = ColonnaGriglia(c);
            if (!b.Gr.Contiene(i, j)) continue;
            b.Gr.Cella(i, j).CellForeColor = EDato(b.schema.tblSchema[r][c]) ? ColoreNero : ColoreBlu;
        }
}

void ColoraCella(Banco& b, int r, int c, long colore) {
    const int i = RigaGriglia(r), j = ColonnaGriglia(c);
    if (b.Gr.Contiene(i, j)) b.Gr.Cella(i, j).CellBackColor = colore;
}

}  // namespace kelvaro
