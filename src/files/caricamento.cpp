#include "files/caricamento.h"

#include <cstdio>
#include <cstdlib>

#include "display/visualizza.h"
#include "model/disco.h"
#include "model/testo.h"

namespace kelvaro {

namespace {

// A piece of the file quoted in a message: cut short when long, control and non-ASCII bytes
// shown as \xNN so that the message stays readable text.
std::string Citazione(const std::string& s) {
    std::string c = "'";
    for (size_t k = 0; k < s.size() && k < 12; ++k) {
        const unsigned char ch = static_cast<unsigned char>(s[k]);
        if (ch >= 0x20 && ch < 0x7f) {
            c += static_cast<char>(ch);
        } else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02X", ch);
            c += esc;
        }
    }
    return c + (s.size() > 12 ? "...'" : "'");
}

// Cells 1..n x 1..n from the characters between two tags; a short content leaves "" cells.
// Every character present must be a digit 0..n.
bool LeggiCelle(const std::string& testo, const std::string& apre, const std::string& chiude, int n,
                Tabella& tbl, std::string& motivo) {
    const size_t a = testo.find(apre);
    const size_t z = testo.find(chiude);
    if (a == std::string::npos || z == std::string::npos) {
        motivo = "manca " + std::string(a == std::string::npos ? apre : chiude);
        return false;
    }
    const size_t inizio = a + apre.size();
    if (z < inizio) {
        motivo = chiude + " prima di " + apre;
        return false;
    }
    const std::string contenuto = testo.substr(inizio, z - inizio);
    size_t k = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c, ++k) {
            if (k >= contenuto.size()) {
                tbl[r][c] = "";
                continue;
            }
            const char ch = contenuto[k];
            if (ch < '0' || ch > '0' + n) {
                motivo = "carattere " + Citazione(std::string(1, ch)) + " in " + apre + " (cifre da 0 a " +
                         std::to_string(n) + ")";
                return false;
            }
            tbl[r][c] = std::string(1, ch);
        }
    return true;
}

}  // namespace

std::optional<SchemaLetto> LeggiSchemaRighe(const std::vector<std::string>& righe, std::string* motivo) {
    std::string scarto;
    std::string& perche = motivo ? *motivo : scarto;
    perche.clear();
    SchemaLetto letto;

    for (const std::string& riga : righe) {
        if (riga.find("<CHECK>") != std::string::npos) {
            letto.CheckLetto = riga.size() > 7 ? riga.substr(7, 6) : "";
            break;
        }
    }

    std::string testo;
    for (const std::string& riga : righe) testo += Maiuscolo(Sostituisci(riga, "\"", "'"));

    const size_t ps = testo.find("SIZE='");
    if (ps == std::string::npos || ps + 6 >= testo.size()) {
        perche = "manca SIZE=\"N\"";
        return std::nullopt;
    }
    const char cifra = testo[ps + 6];
    if (cifra < '1' || cifra > '9') {
        perche = "dimensione " + Citazione(std::string(1, cifra)) + " non valida (da 1 a 9)";
        return std::nullopt;
    }
    Schema& s = letto.schema;
    s.Sizesc = cifra - '0';
    const int n = s.Sizesc;

    if (!LeggiCelle(testo, "<SCHEMA>", "</SCHEMA>", n, s.tblSchema, perche)) return std::nullopt;
    if (!LeggiCelle(testo, "<SOLUTION>", "</SOLUTION>", n, s.tblSoluzione, perche)) return std::nullopt;

    testo = Sostituisci(testo, "COSTRAINT", "CONSTRAINT");
    const size_t a = testo.find("<CONSTRAINT>");
    const size_t z = testo.find("</CONSTRAINT>");
    if (a == std::string::npos || z == std::string::npos) {
        perche = a == std::string::npos ? "manca <CONSTRAINT>" : "manca </CONSTRAINT>";
        return std::nullopt;
    }
    const size_t inizio = a + 12;
    if (z < inizio) {
        perche = "</CONSTRAINT> prima di <CONSTRAINT>";
        return std::nullopt;
    }
    const std::string contenuto = testo.substr(inizio, z - inizio);
    if (!contenuto.empty()) {
        for (const std::string& pezzo : Dividi(contenuto, '|')) {
            bool valido = pezzo.size() == 4;
            for (char ch : pezzo) valido = valido && ch >= '1' && ch <= '0' + n;
            // A cell compared with itself would make the solver read past the grid's edge.
            if (valido && pezzo[0] == pezzo[2] && pezzo[1] == pezzo[3]) valido = false;
            if (!valido) {
                perche = pezzo.empty() ? "vincolo vuoto tra le barre"
                                       : "vincolo " + Citazione(pezzo) + " non valido";
                return std::nullopt;
            }
            // A sign sits between two cells side by side; one between distant cells would be drawn
            // and solved as a sign on another pair, giving a different puzzle.
            if (std::abs(pezzo[0] - pezzo[2]) + std::abs(pezzo[1] - pezzo[3]) != 1) {
                perche = "vincolo " + Citazione(pezzo) + " tra celle non vicine";
                return std::nullopt;
            }
            s.Vincoli.push_back(pezzo);
            if (s.NumVincoli() > 255) {
                perche = "più di 255 vincoli";
                return std::nullopt;
            }
        }
    }
    CostruisciSegni(s);
    s.Caricato = true;
    return letto;
}

std::optional<SchemaLetto> LeggiSchemaFile(const std::string& percorso, std::string& motivo) {
    const FileLetto f = LeggiFilePiccolo(percorso, LimiteSchema);
    if (!f.Dati) {
        motivo = f.Motivo;
        return std::nullopt;
    }
    return LeggiSchemaRighe(DividiRigheOgniFine(SenzaBom(*f.Dati)), &motivo);
}

std::optional<SchemaLetto> LeggiSchemaFile(const std::string& percorso) {
    std::string motivo;
    return LeggiSchemaFile(percorso, motivo);
}

std::string MessaggioFileErrato(const std::string& percorso, const std::string& motivo) {
    return std::string(MsgFileErrato) + ": " + percorso + (motivo.empty() ? "" : " (" + motivo + ")");
}

bool CaricaSchema(Banco& b) {
    std::string percorso = b.file.NomeFileAperto;
    if (percorso.empty()) {
        percorso = b.finestre().Apri();
        if (percorso.empty()) return false;
    }
    auto letto = LeggiSchemaFile(percorso);
    if (!letto) {
        b.finestre().Messaggio(MsgFileErrato, percorso);
        return false;
    }
    // The last solve's result belongs to the old schema: start the new one empty.
    b.schema = std::move(letto->schema);

    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    b.Gr.Redraw = true;
    b.modifica.Mosse.clear();
    b.modifica.UndoAbilitato = false;
    ColoraSchema(b);
    b.finestre().AggiornaGriglia();
    return true;
}

bool ChiediSalvataggio(Banco&) {
    return false;
}

void GeneraNomeAut(Banco& b) {
    b.file.NomeFile = NomeAutomatico(b.schema.Sizesc, b.ris.NumSwordfish, b.ris.NumMultipli, b.Orologio());
}

}  // namespace kelvaro
