#include "solver/aiuto.h"

#include <algorithm>
#include <filesystem>

#include "solver/tabella_tecniche.h"

namespace kelvaro::test {

void PreparaSchema(Banco& b, int n, const std::string& dati, const std::vector<std::string>& vincoli) {
    b.schema = Schema{};
    b.schema.Sizesc = n;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) b.schema.tblSchema[r][c] = dati.substr((r - 1) * n + c - 1, 1);
    b.schema.Vincoli = vincoli;
    CostruisciSegni(b.schema);
    b.schema.Caricato = true;
}

Tabella TabellaDa(int n, const std::vector<std::string>& celle) {
    Tabella t{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) t[r][c] = celle.at((r - 1) * n + c - 1);
    return t;
}

bool RispettaSchema(const Schema& s, const Tabella& tbl, std::string* motivo) {
    const int n = s.Sizesc;
    auto errore = [&](const std::string& m) {
        if (motivo) *motivo = m;
        return false;
    };
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const std::string& v = tbl[r][c];
            if (v.size() != 1 || v[0] < '1' || v[0] > '0' + n)
                return errore("cella " + DesCella(r, c) + " = " + v);
            if (s.tblSchema[r][c] != "0" && s.tblSchema[r][c] != v) return errore("dato " + DesCella(r, c));
        }
    for (int k = 1; k <= n; ++k) {
        std::string riga, colonna;
        for (int j = 1; j <= n; ++j) {
            if (riga.find(tbl[k][j]) != std::string::npos) return errore("riga " + std::to_string(k));
            if (colonna.find(tbl[j][k]) != std::string::npos) return errore("colonna " + std::to_string(k));
            riga += tbl[k][j];
            colonna += tbl[j][k];
        }
    }
    for (const std::string& v : s.Vincoli) {
        const int r1 = v[0] - '0', c1 = v[1] - '0', r2 = v[2] - '0', c2 = v[3] - '0';
        if (!(tbl[r1][c1] > tbl[r2][c2])) return errore("segno " + v);
    }
    return true;
}

std::vector<std::string> FileSchemi(const std::vector<std::string>& cartelle) {
    std::vector<std::string> out;
    for (const std::string& cartella : cartelle) {
        std::error_code errore;
        for (const auto& e :
             std::filesystem::directory_iterator(std::string(KELVARO_SORGENTI) + cartella, errore))
            if (e.path().extension() == ".txt") out.push_back(e.path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace kelvaro::test

namespace kelvaro::test {

void ImpostaPassoCorrente(Banco& b, const Passo& p) {
    b.ris.Passi.assign(2, Passo{});
    b.ris.Passi[1] = p;
    b.ris.NumPassi = 1;
    b.ris.PassoCorrente = 1;
}

long Sfondo(const Banco& b, int r, int c) {
    return b.Gr.Cella(2 * r - 1, 2 * c - 1).CellBackColor;
}

}  // namespace kelvaro::test

namespace kelvaro {

bool EseguiPasso(Risoluzione& b, Tabella& tblS, Tabella& tblE) {
    Tavola t(tblS, tblE, b.schema.Sizesc);
    const bool contraddizione = EseguiPasso(b, t);
    t.Scrivi(tblS, tblE);
    return contraddizione;
}

bool Rileva(Risoluzione& b, const Tabella& tblS, const Tabella& tblE) {
    return Rileva(b, Tavola(tblS, tblE, b.schema.Sizesc));
}

bool CercaMultipli(Risoluzione& b, const Tabella& tblS) {
    return CercaMultipli(b, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

bool CercaSwordfish(Risoluzione& b, const Tabella& tblS) {
    return CercaSwordfish(b, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

bool CercaSegni(Risoluzione& b, const Tabella& tblS) {
    return CercaSegni(b, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

bool VerificaMaggiore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                      const Tabella& tblS) {
    return VerificaMaggiore(b, r, c, rp, cp, rs, cs, p, s, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

bool VerificaMinore(Risoluzione& b, int r, int c, int rp, int cp, int rs, int cs, int p, int s,
                    const Tabella& tblS) {
    return VerificaMinore(b, r, c, rp, cp, rs, cs, p, s, Tavola(tblS, Tabella{}, b.schema.Sizesc));
}

void EseguiEliminazioni(Risoluzione& b, const std::string& Eliminazioni, Tabella& tblS) {
    Tavola t(tblS, Tabella{}, b.schema.Sizesc);
    EffettoPasso e;
    EseguiEliminazioni(Eliminazioni, t, e);
    for (const Tolta& x : e.Tolte) ScriviElimino(b.log, x);
    ColoraPasso(Passo{}, e, b.spettatore);
    t.ScriviCandidati(tblS);
}

bool ScegliCellaProva(int n, const Tabella& tblS, int& rt, int& ct) {
    return ScegliCellaProva(Tavola(tblS, Tabella{}, n), rt, ct);
}

}  // namespace kelvaro
