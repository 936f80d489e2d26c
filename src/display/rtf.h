#pragma once
// A small reader for the rich text of the instructions file: paragraphs of styled runs, UTF-8.
// It knows the subset a word processor writes for plain formatted prose (groups, bold, italic,
// underline, sizes, paragraphs, line breaks, tabs, code-page and Unicode characters) and skips
// everything else: font, colour and style tables, pictures, ignorable destinations. It never fails
// on bad input: whatever cannot be understood is dropped, and the reading always ends.
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

struct StileRtf {
    bool Grassetto = false;
    bool Corsivo = false;
    bool Sottolineato = false;
    bool Fisso = false;   // fixed-pitch font (a \fmodern entry of the font table, Courier, ...)
    int MezziPunti = 24;  // \fsN: size in half points

    bool operator==(const StileRtf&) const = default;
};

// Text in UTF-8; '\n' is a line break inside the paragraph (\line), '\t' a tab.
struct SegmentoRtf {
    std::string Testo;
    StileRtf Stile;
};

enum class AllineamentoRtf { Sinistra, Centro, Destra, Giustificato };

struct ParagrafoRtf {
    std::vector<SegmentoRtf> Segmenti;
    AllineamentoRtf Allineamento = AllineamentoRtf::Sinistra;
    int RientroSinistro = 0;   // \li, twips
    int RientroPrimaRiga = 0;  // \fi, twips (negative: hanging)
    int SpazioPrima = 0;       // \sb, twips
    int SpazioDopo = 0;        // \sa, twips
};

struct DocumentoRtf {
    std::vector<ParagrafoRtf> Paragrafi;
    bool IntestazioneRtf = false;  // the text starts with "{\rtf"
};

DocumentoRtf LeggiRtf(std::string_view rtf);

// The document's text without styles: paragraphs separated by '\n'.
std::string TestoSemplice(const DocumentoRtf& doc);

// Appends the UTF-8 encoding of a code point (invalid ones become U+FFFD).
void AggiungiUtf8(std::string& out, char32_t cp);
// Windows-1252 byte to code point.
char32_t DaCp1252(unsigned char c);

}  // namespace kelvaro
