#include "display/modifica.h"

#include <algorithm>

#include "display/gioco.h"
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
    if (EDato(b.schema.tblSchema[m.RigaSel][m.ColonnaSel])) return a;
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

namespace {

// A new move: the redo list goes, a full list forgets its oldest move rather than refusing.
void Registra(Banco& b, Mossa mossa) {
    Modifica& m = b.modifica;
    if (m.NumMosse() >= MaxMosse) m.Mosse.pop_front();
    m.Mosse.push_back(std::move(mossa));
    m.Rifatte.clear();
    m.UndoAbilitato = true;
    m.NonSalvata = true;
}

void CambiaNote(Banco& b, Mossa& mossa, int r, int c, uint16_t dopo) {
    uint16_t& note = b.modifica.Note[r][c];
    if (note == dopo) return;
    mossa.Note.push_back({r, c, note, dopo});
    note = dopo;
}

// A digit placed leaves the notes of its row and column.
void TogliDalleNote(Banco& b, Mossa& mossa, int r, int c, int k) {
    const int n = b.schema.Sizesc;
    if (k < 1 || k > 9 || r < 1 || c < 1 || r > n || c > n) return;
    const auto via = uint16_t(~(1u << k));
    for (int x = 1; x <= n; ++x) {
        if (x != c) CambiaNote(b, mossa, r, x, b.modifica.Note[r][x] & via);
        if (x != r) CambiaNote(b, mossa, x, c, b.modifica.Note[x][c] & via);
    }
}

}  // namespace

void TastoPalette(Banco& b, int k) {
    if (k < 1 || k > 10) return;
    Modifica& m = b.modifica;
    const int i = RigaGriglia(m.RigaSel), j = ColonnaGriglia(m.ColonnaSel);
    if (m.RigaSel < 1 || m.ColonnaSel < 1 || !b.Gr.Contiene(i, j)) return;

    Mossa mossa;
    mossa.TipoMossa = "N";
    mossa.Riga = m.RigaSel;
    mossa.Colonna = m.ColonnaSel;
    std::string& testo = b.Gr.Cella(i, j).Testo;
    mossa.TestoPrima = testo;
    testo = k == 10 ? std::string() : std::to_string(k);
    mossa.TestoDopo = testo;
    TogliDalleNote(b, mossa, m.RigaSel, m.ColonnaSel, k);
    Registra(b, std::move(mossa));
}

bool ScriviCella(Banco& b, int r, int c, int k) {
    if (k < 1 || k > 10 || !CellaModificabile(b, r, c) || (k <= 9 && k > b.schema.Sizesc)) return false;
    b.modifica.RigaSel = r;
    b.modifica.ColonnaSel = c;
    TastoPalette(b, k);
    return true;
}

bool CommutaNota(Banco& b, int r, int c, int d) {
    if (d < 1 || d > b.schema.Sizesc || !CellaModificabile(b, r, c) || CifraMostrata(b, r, c) != 0)
        return false;
    Mossa mossa;
    mossa.TipoMossa = "A";
    mossa.Riga = r;
    mossa.Colonna = c;
    mossa.TestoPrima = mossa.TestoDopo = b.Gr.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo;
    CambiaNote(b, mossa, r, c, uint16_t(b.modifica.Note[r][c] ^ (1u << d)));
    Registra(b, std::move(mossa));
    return true;
}

bool CancellaNote(Banco& b, int r, int c) {
    if (!CellaModificabile(b, r, c) || b.modifica.Note[r][c] == 0) return false;
    Mossa mossa;
    mossa.TipoMossa = "A";
    mossa.Riga = r;
    mossa.Colonna = c;
    mossa.TestoPrima = mossa.TestoDopo = b.Gr.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo;
    CambiaNote(b, mossa, r, c, 0);
    Registra(b, std::move(mossa));
    return true;
}

bool ApplicaMossaMultipla(Banco& b, const std::vector<CifraDaScrivere>& cifre,
                          const std::vector<NoteDaScrivere>& note) {
    Mossa mossa;
    mossa.TipoMossa = "N";
    mossa.Riga = b.modifica.RigaCursore;
    mossa.Colonna = b.modifica.ColonnaCursore;
    const int i0 = RigaGriglia(mossa.Riga), j0 = ColonnaGriglia(mossa.Colonna);
    if (b.Gr.Contiene(i0, j0)) mossa.TestoPrima = mossa.TestoDopo = b.Gr.Cella(i0, j0).Testo;
    for (const NoteDaScrivere& x : note)
        if (CellaModificabile(b, x.Riga, x.Colonna)) CambiaNote(b, mossa, x.Riga, x.Colonna, x.Note);
    for (const CifraDaScrivere& x : cifre) {
        if (!CellaModificabile(b, x.Riga, x.Colonna) || x.Cifra < 0 || x.Cifra > b.schema.Sizesc) continue;
        std::string& testo = b.Gr.Cella(RigaGriglia(x.Riga), ColonnaGriglia(x.Colonna)).Testo;
        const std::string dopo = x.Cifra == 0 ? std::string() : std::to_string(x.Cifra);
        if (testo == dopo) continue;
        mossa.Testi.push_back({x.Riga, x.Colonna, testo, dopo});
        testo = dopo;
        TogliDalleNote(b, mossa, x.Riga, x.Colonna, x.Cifra);
    }
    if (mossa.Note.empty() && mossa.Testi.empty()) return false;
    Registra(b, std::move(mossa));
    return true;
}

bool RiempiNoteValide(Banco& b) {
    const int n = b.schema.Sizesc;
    Mossa mossa;
    mossa.TipoMossa = "A";
    mossa.Riga = b.modifica.RigaCursore;
    mossa.Colonna = b.modifica.ColonnaCursore;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (CellaModificabile(b, r, c) && CifraMostrata(b, r, c) == 0)
                CambiaNote(b, mossa, r, c, CifreAmmesse(b, r, c));
    if (mossa.Note.empty()) return false;
    const int i = RigaGriglia(mossa.Riga), j = ColonnaGriglia(mossa.Colonna);
    if (b.Gr.Contiene(i, j)) mossa.TestoPrima = mossa.TestoDopo = b.Gr.Cella(i, j).Testo;
    Registra(b, std::move(mossa));
    return true;
}

void AnnullaMossa(Banco& b) {
    Modifica& m = b.modifica;
    if (m.Mosse.empty()) return;
    Mossa mossa = std::move(m.Mosse.back());
    m.Mosse.pop_back();
    m.RigaSel = mossa.Riga;
    m.ColonnaSel = mossa.Colonna;
    const int i = RigaGriglia(m.RigaSel), j = ColonnaGriglia(m.ColonnaSel);
    if (b.Gr.Contiene(i, j)) b.Gr.Cella(i, j).Testo = mossa.TestoPrima;
    for (auto it = mossa.Note.rbegin(); it != mossa.Note.rend(); ++it)
        m.Note[it->Riga][it->Colonna] = it->Prima;
    for (auto it = mossa.Testi.rbegin(); it != mossa.Testi.rend(); ++it)
        if (b.Gr.Contiene(RigaGriglia(it->Riga), ColonnaGriglia(it->Colonna)))
            b.Gr.Cella(RigaGriglia(it->Riga), ColonnaGriglia(it->Colonna)).Testo = it->Prima;
    m.Rifatte.push_back(std::move(mossa));
    m.NonSalvata = true;
    if (m.Mosse.empty()) m.UndoAbilitato = false;
}

bool Ricomincia(Banco& b) {
    const int n = b.schema.Sizesc;
    std::vector<CifraDaScrivere> cifre;
    std::vector<NoteDaScrivere> note;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (CellaModificabile(b, r, c)) {
                cifre.push_back({r, c, 0});
                note.push_back({r, c, 0});
            }
    return ApplicaMossaMultipla(b, cifre, note);
}

bool PuoRifare(const Banco& b) {
    return !b.modifica.Rifatte.empty();
}

void RifaiMossa(Banco& b) {
    Modifica& m = b.modifica;
    if (m.Rifatte.empty()) return;
    Mossa mossa = std::move(m.Rifatte.back());
    m.Rifatte.pop_back();
    m.RigaSel = mossa.Riga;
    m.ColonnaSel = mossa.Colonna;
    const int i = RigaGriglia(m.RigaSel), j = ColonnaGriglia(m.ColonnaSel);
    if (b.Gr.Contiene(i, j)) b.Gr.Cella(i, j).Testo = mossa.TestoDopo;
    for (const CambioNote& c : mossa.Note) m.Note[c.Riga][c.Colonna] = c.Dopo;
    for (const CambioTesto& t : mossa.Testi)
        if (b.Gr.Contiene(RigaGriglia(t.Riga), ColonnaGriglia(t.Colonna)))
            b.Gr.Cella(RigaGriglia(t.Riga), ColonnaGriglia(t.Colonna)).Testo = t.Dopo;
    m.Mosse.push_back(std::move(mossa));
    m.UndoAbilitato = true;
    m.NonSalvata = true;
}

void SvuotaMosse(Banco& b) {
    Modifica& m = b.modifica;
    m.Mosse.clear();
    m.Rifatte.clear();
    m.Note = {};
    m.SegniUsati.clear();
    m.UndoAbilitato = false;
    m.NonSalvata = false;
}

bool SegnoUsato(const Banco& b, int i, int j) {
    const auto& u = b.modifica.SegniUsati;
    return std::find(u.begin(), u.end(), std::pair{i, j}) != u.end();
}

bool CommutaSegnoUsato(Banco& b, int i, int j) {
    if (!b.Gr.Contiene(i, j) || !ESegno(b.Gr.Cella(i, j))) return false;
    auto& u = b.modifica.SegniUsati;
    if (const auto k = std::find(u.begin(), u.end(), std::pair{i, j}); k != u.end())
        u.erase(k);
    else
        u.emplace_back(i, j);
    return true;
}

}  // namespace kelvaro
