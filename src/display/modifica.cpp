#include "display/modifica.h"

#include "display/visualizza.h"

namespace kelvaro {

AperturaPalette ClickGriglia(Banco& b) {
    AperturaPalette a;
    Modifica& m = b.modifica;
    const int n = b.schema.Sizesc;
    m.RigaSel = -1;
    m.ColonnaSel = -1;
    for (int r = 1; r <= n; ++r)
        if (b.Gr.Row == RigaGriglia(r)) m.RigaSel = r;
    for (int c = 1; c <= n; ++c)
        if (b.Gr.Col == ColonnaGriglia(c)) m.ColonnaSel = c;
    if (m.RigaSel == -1 || m.ColonnaSel == -1) return a;
    if (b.schema.tblSchema[m.RigaSel][m.ColonnaSel] != "0") return a;
    if (!b.Gr.Contiene(b.Gr.Row, b.Gr.Col)) return a;

    int y = 0, x = 0;
    for (int i = 0; i < b.Gr.Row; ++i) y += b.Gr.RowHeight(i);
    for (int j = 0; j < b.Gr.Col; ++j) x += b.Gr.ColWidth(j);
    a.Mostra = true;
    a.Top = y - 352;
    a.Left = x - 352;
    a.Tasti = n;
    a.Didascalia = std::string(10, ' ') + b.Gr.Cella(b.Gr.Row, b.Gr.Col).Testo;
    return a;
}

void TastoPalette(Banco& b, int k) {
    if (k < 1 || k > 10) return;
    Modifica& m = b.modifica;
    const int i = RigaGriglia(m.RigaSel), j = ColonnaGriglia(m.ColonnaSel);
    if (m.RigaSel < 1 || m.ColonnaSel < 1 || !b.Gr.Contiene(i, j)) return;

    // A full list forgets its oldest move rather than refusing the new one.
    if (m.NumMosse() >= MaxMosse) m.Mosse.pop_front();
    Mossa mossa;
    mossa.TipoMossa = "N";
    mossa.Riga = m.RigaSel;
    mossa.Colonna = m.ColonnaSel;
    std::string& testo = b.Gr.Cella(i, j).Testo;
    mossa.TestoPrima = testo;
    testo = k == 10 ? std::string() : std::to_string(k);
    mossa.TestoDopo = testo;
    m.Mosse.push_back(std::move(mossa));
    m.UndoAbilitato = true;
}

void AnnullaMossa(Banco& b) {
    Modifica& m = b.modifica;
    if (m.Mosse.empty()) return;
    const Mossa& mossa = m.Mosse.back();
    m.RigaSel = mossa.Riga;
    m.ColonnaSel = mossa.Colonna;
    const int i = RigaGriglia(m.RigaSel), j = ColonnaGriglia(m.ColonnaSel);
    if (b.Gr.Contiene(i, j)) b.Gr.Cella(i, j).Testo = mossa.TestoPrima;
    m.Mosse.pop_back();
    if (m.Mosse.empty()) m.UndoAbilitato = false;
}

void AnnullaTutto(Banco& b) {
    while (!b.modifica.Mosse.empty()) AnnullaMossa(b);
}

void SvuotaMosse(Banco& b) {
    b.modifica.Mosse.clear();
    b.modifica.UndoAbilitato = false;
}

}  // namespace kelvaro
