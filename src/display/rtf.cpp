#include "display/rtf.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace kelvaro {

namespace {

// Deeper nesting than this is still counted, so that the braces balance, but its formatting
// is not stacked: a hostile file cannot grow memory with braces alone.
constexpr size_t ProfonditaMassima = 200;
constexpr size_t FontMassimi = 1000;
constexpr size_t LunghezzaParolaMassima = 32;

// Code points 0x80..0x9F of Windows-1252; 0 where the code page leaves a hole.
constexpr char16_t Cp1252Alto[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

enum class Destinazione { Testo, TabellaFont, Salta };

struct Stato {
    StileRtf stile;
    int font = -1;  // -1: the default font (\deff)
    bool nascosto = false;
    int uc = 1;  // characters of fallback after each \uN
    Destinazione dest = Destinazione::Testo;
    // Paragraph properties belong to the group state as well.
    AllineamentoRtf allineamento = AllineamentoRtf::Sinistra;
    int li = 0, fi = 0, sb = 0, sa = 0;
};

bool Lettera(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool Cifra(unsigned char c) {
    return c >= '0' && c <= '9';
}
int ValoreEsadecimale(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool DestinazioneDaSaltare(std::string_view w) {
    static constexpr std::string_view nomi[] = {"colortbl",
                                                "stylesheet",
                                                "info",
                                                "pict",
                                                "object",
                                                "header",
                                                "headerl",
                                                "headerr",
                                                "headerf",
                                                "footer",
                                                "footerl",
                                                "footerr",
                                                "footerf",
                                                "footnote",
                                                "listtable",
                                                "listoverridetable",
                                                "rsidtbl",
                                                "generator",
                                                "xmlnstbl",
                                                "themedata",
                                                "colorschememapping",
                                                "latentstyles",
                                                "datastore",
                                                "filetbl",
                                                "revtbl",
                                                "fldinst",
                                                "bkmkstart",
                                                "bkmkend",
                                                "annotation",
                                                "atnid",
                                                "atnauthor",
                                                "private",
                                                "userprops",
                                                "docvar",
                                                "nonshppict",
                                                "shpinst",
                                                "objdata",
                                                "mmathPr",
                                                "pgdsctbl",
                                                "operator",
                                                "author",
                                                "title",
                                                "subject",
                                                "keywords",
                                                "comment",
                                                "company",
                                                "doccomm",
                                                "creatim",
                                                "revtim",
                                                "printim",
                                                "buptim",
                                                "txe",
                                                "xe",
                                                "tc",
                                                "rxe"};
    return std::find(std::begin(nomi), std::end(nomi), w) != std::end(nomi);
}

int Limita(long long v, int minimo, int massimo) {
    return static_cast<int>(std::clamp<long long>(v, minimo, massimo));
}

class Lettore {
public:
    explicit Lettore(std::string_view s) : s_(s) {}

    DocumentoRtf Leggi() {
        size_t inizio = 0;
        while (inizio < s_.size() &&
               (s_[inizio] == ' ' || s_[inizio] == '\r' || s_[inizio] == '\n' || s_[inizio] == '\t'))
            ++inizio;
        doc_.IntestazioneRtf = s_.substr(inizio, 5) == "{\\rtf";
        pila_.push_back(Stato{});

        size_t i = 0;
        while (i < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[i]);
            if (c == '{') {
                ApriGruppo();
                ++i;
            } else if (c == '}') {
                ChiudiGruppo();
                ++i;
            } else if (c == '\\') {
                i = ControlloDa(i + 1);
            } else if (c == '\r' || c == '\n') {
                ++i;  // line ends of the file carry no meaning
            } else {
                Carattere(c == '\t' ? U'\t' : (c < 0x20 ? 0 : DaCp1252(c)));
                ++i;
            }
        }
        ChiudiParagrafo(false);
        return std::move(doc_);
    }

private:
    Stato& St() { return pila_.back(); }

    void ApriGruppo() {
        salto_ = 0;
        ChiudiSurrogato();
        if (pila_.size() >= ProfonditaMassima) {
            ++eccesso_;
            return;
        }
        pila_.push_back(pila_.back());
    }

    void ChiudiGruppo() {
        salto_ = 0;
        ChiudiSurrogato();
        if (eccesso_ > 0) {
            --eccesso_;
            return;
        }
        if (St().dest == Destinazione::TabellaFont) ChiudiVoceFont();
        // The outermost state stays: stray closing braces change nothing.
        if (pila_.size() > 1) pila_.pop_back();
    }

    // i points after the backslash; returns the index after the control.
    size_t ControlloDa(size_t i) {
        if (i >= s_.size()) return i;
        const unsigned char c = static_cast<unsigned char>(s_[i]);
        if (!Lettera(c)) return SimboloDiControllo(c, i);

        std::string parola;
        while (i < s_.size() && Lettera(static_cast<unsigned char>(s_[i]))) {
            if (parola.size() < LunghezzaParolaMassima) parola += s_[i];
            ++i;
        }
        bool haParametro = false;
        bool negativo = false;
        long long parametro = 0;
        if (i < s_.size() && s_[i] == '-' && i + 1 < s_.size() &&
            Cifra(static_cast<unsigned char>(s_[i + 1]))) {
            negativo = true;
            ++i;
        }
        while (i < s_.size() && Cifra(static_cast<unsigned char>(s_[i]))) {
            haParametro = true;
            if (parametro < 100000000000LL) parametro = parametro * 10 + (s_[i] - '0');
            ++i;
        }
        if (negativo) parametro = -parametro;
        if (i < s_.size() && s_[i] == ' ') ++i;  // the delimiting blank belongs to the word

        if (parola == "bin") {
            // Binary data: skipped whole, it counts as one fallback character.
            const size_t n = haParametro && parametro > 0 ? static_cast<size_t>(parametro) : 0;
            i += std::min(n, s_.size() - i);
            if (salto_ > 0) --salto_;
            return i;
        }
        if (salto_ > 0) {
            --salto_;
            return i;
        }
        ParolaDiControllo(parola, haParametro, parametro);
        return i;
    }

    size_t SimboloDiControllo(unsigned char c, size_t i) {
        if (c == '\'') {
            // \'hh: one byte of the document's code page.
            const int h1 = i + 1 < s_.size() ? ValoreEsadecimale(static_cast<unsigned char>(s_[i + 1])) : -1;
            const int h2 = i + 2 < s_.size() ? ValoreEsadecimale(static_cast<unsigned char>(s_[i + 2])) : -1;
            if (h1 < 0 || h2 < 0) return i + 1;
            if (salto_ > 0) {
                --salto_;
            } else {
                Carattere(DaCp1252(static_cast<unsigned char>(h1 * 16 + h2)));
            }
            return i + 3;
        }
        if (c == '\r' || c == '\n') {  // a backslash before a line end is a paragraph mark
            if (salto_ > 0) {
                --salto_;
                return i + 1;
            }
            if (St().dest == Destinazione::Testo) ChiudiParagrafo(true);
            return i + 1;
        }
        if (salto_ > 0) {
            --salto_;
            return i + 1;
        }
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Carattere(c);
                break;
            case '~':
                Carattere(U'\u00A0');
                break;
            case '_':
                Carattere(U'\u2011');
                break;
            case '*':
                St().dest = Destinazione::Salta;
                break;
            default:  // \- (optional hyphen), \: (index entry) and the unknown: nothing shown
                break;
        }
        return i + 1;
    }

    void ParolaDiControllo(const std::string& w, bool haParametro, long long p) {
        Stato& st = St();
        const bool acceso = !haParametro || p != 0;
        if (st.dest == Destinazione::Salta) return;
        if (w == "fonttbl") {
            st.dest = Destinazione::TabellaFont;
            return;
        }
        if (DestinazioneDaSaltare(w)) {
            st.dest = Destinazione::Salta;
            return;
        }
        if (st.dest == Destinazione::TabellaFont) {
            VoceFont(w, haParametro, p);
            return;
        }
        if (w == "b") {
            st.stile.Grassetto = acceso;
        } else if (w == "i") {
            st.stile.Corsivo = acceso;
        } else if (w == "ul") {
            st.stile.Sottolineato = acceso;
        } else if (w == "ulnone") {
            st.stile.Sottolineato = false;
        } else if (w == "fs") {
            st.stile.MezziPunti = haParametro && p > 0 ? Limita(p, 2, 400) : 24;
        } else if (w == "f") {
            st.font = haParametro ? Limita(p, 0, 1 << 20) : -1;
        } else if (w == "deff") {
            fontPredefinito_ = haParametro ? Limita(p, 0, 1 << 20) : 0;
        } else if (w == "v") {
            st.nascosto = acceso;
        } else if (w == "plain") {
            st.stile = StileRtf{};
            st.font = -1;
            st.nascosto = false;
        } else if (w == "pard") {
            st.allineamento = AllineamentoRtf::Sinistra;
            st.li = st.fi = st.sb = st.sa = 0;
        } else if (w == "ql") {
            st.allineamento = AllineamentoRtf::Sinistra;
        } else if (w == "qc") {
            st.allineamento = AllineamentoRtf::Centro;
        } else if (w == "qr") {
            st.allineamento = AllineamentoRtf::Destra;
        } else if (w == "qj") {
            st.allineamento = AllineamentoRtf::Giustificato;
        } else if (w == "li") {
            st.li = Limita(p, -31680, 31680);
        } else if (w == "fi") {
            st.fi = Limita(p, -31680, 31680);
        } else if (w == "sb") {
            st.sb = Limita(p, 0, 31680);
        } else if (w == "sa") {
            st.sa = Limita(p, 0, 31680);
        } else if (w == "uc") {
            st.uc = haParametro ? Limita(p, 0, 16) : 1;
        } else if (w == "u") {
            if (!haParametro) return;
            long long v = p;
            if (v < 0) v += 65536;
            if (v >= 0 && v <= 0x10FFFF) Unicode(static_cast<char32_t>(v));
            salto_ = st.uc;
        } else if (w == "par" || w == "sect" || w == "page" || w == "row") {
            if (st.dest == Destinazione::Testo) ChiudiParagrafo(true);
        } else if (w == "line") {
            Carattere(U'\n');
        } else if (w == "tab" || w == "cell") {
            Carattere(U'\t');
        } else if (w == "emdash") {
            Carattere(U'\u2014');
        } else if (w == "endash") {
            Carattere(U'\u2013');
        } else if (w == "bullet") {
            Carattere(U'\u2022');
        } else if (w == "lquote") {
            Carattere(U'\u2018');
        } else if (w == "rquote") {
            Carattere(U'\u2019');
        } else if (w == "ldblquote") {
            Carattere(U'\u201C');
        } else if (w == "rdblquote") {
            Carattere(U'\u201D');
        } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
            Carattere(U' ');
        }
        // Every other word (\rtf, \ansi, \ansicpg, \cf, \lang, ...) changes nothing shown.
    }

    // Font table entries: {\f1\fmodern Courier New;}
    void VoceFont(const std::string& w, bool haParametro, long long p) {
        if (w == "f" && haParametro) {
            ChiudiVoceFont();
            fontCorrente_ = Limita(p, 0, 1 << 20);
        } else if (w == "fmodern") {
            fontFisso_ = true;
        }
    }
    void ChiudiVoceFont() {
        if (fontCorrente_ >= 0 && fonts_.size() < FontMassimi) {
            std::string nome = nomeFont_;
            std::transform(nome.begin(), nome.end(), nome.begin(), [](unsigned char c) {
                return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            });
            const bool fisso = fontFisso_ || nome.find("courier") != std::string::npos ||
                               nome.find("mono") != std::string::npos ||
                               nome.find("consolas") != std::string::npos;
            fonts_[fontCorrente_] = fisso;
        }
        fontCorrente_ = -1;
        fontFisso_ = false;
        nomeFont_.clear();
    }

    void Unicode(char32_t cp) {
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            ChiudiSurrogato();
            altoSurrogato_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (altoSurrogato_ != 0) {
                const char32_t pieno = 0x10000 + ((altoSurrogato_ - 0xD800) << 10) + (cp - 0xDC00);
                altoSurrogato_ = 0;
                Emetti(pieno);
            } else {
                Emetti(0xFFFD);
            }
            return;
        }
        ChiudiSurrogato();
        Emetti(cp);
    }

    // A high surrogate that no low one followed.
    void ChiudiSurrogato() {
        if (altoSurrogato_ != 0) {
            altoSurrogato_ = 0;
            Emetti(0xFFFD);
        }
    }

    // One character of the text (not a \uN).
    void Carattere(char32_t cp) {
        if (salto_ > 0) {
            --salto_;
            return;
        }
        ChiudiSurrogato();
        if (St().dest == Destinazione::TabellaFont) {
            if (cp == U';') {
                ChiudiVoceFont();
            } else if (cp != 0 && nomeFont_.size() < 64) {
                AggiungiUtf8(nomeFont_, cp);
            }
            return;
        }
        Emetti(cp);
    }

    void Emetti(char32_t cp) {
        const Stato& st = St();
        if (cp == 0 || st.dest != Destinazione::Testo || st.nascosto) return;
        StileRtf stile = st.stile;
        const int font = st.font >= 0 ? st.font : fontPredefinito_;
        const auto f = fonts_.find(font);
        stile.Fisso = f != fonts_.end() && f->second;
        std::vector<SegmentoRtf>& segmenti = paragrafo_.Segmenti;
        if (segmenti.empty() || !(segmenti.back().Stile == stile)) segmenti.push_back(SegmentoRtf{"", stile});
        AggiungiUtf8(segmenti.back().Testo, cp);
        ProprietaParagrafo();
    }

    // A paragraph takes the properties in force when its text is written (and at its \par).
    void ProprietaParagrafo() {
        const Stato& st = St();
        paragrafo_.Allineamento = st.allineamento;
        paragrafo_.RientroSinistro = st.li;
        paragrafo_.RientroPrimaRiga = st.fi;
        paragrafo_.SpazioPrima = st.sb;
        paragrafo_.SpazioDopo = st.sa;
    }

    void ChiudiParagrafo(bool marcato) {
        ChiudiSurrogato();
        if (!marcato && paragrafo_.Segmenti.empty()) return;
        if (marcato) ProprietaParagrafo();
        doc_.Paragrafi.push_back(std::move(paragrafo_));
        paragrafo_ = ParagrafoRtf{};
    }

    std::string_view s_;
    DocumentoRtf doc_;
    ParagrafoRtf paragrafo_;
    std::vector<Stato> pila_;
    size_t eccesso_ = 0;
    int salto_ = 0;  // fallback characters still to skip after a \uN
    char32_t altoSurrogato_ = 0;
    std::map<int, bool> fonts_;  // font number -> fixed pitch
    int fontPredefinito_ = 0;
    int fontCorrente_ = -1;
    bool fontFisso_ = false;
    std::string nomeFont_;
};

}  // namespace

char32_t DaCp1252(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) {
        const char16_t v = Cp1252Alto[c - 0x80];
        return v ? v : 0xFFFD;
    }
    return c;
}

void AggiungiUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

DocumentoRtf LeggiRtf(std::string_view rtf) {
    return Lettore(rtf).Leggi();
}

std::string TestoSemplice(const DocumentoRtf& doc) {
    std::string out;
    for (size_t k = 0; k < doc.Paragrafi.size(); ++k) {
        if (k > 0) out += '\n';
        for (const SegmentoRtf& s : doc.Paragrafi[k].Segmenti) out += s.Testo;
    }
    return out;
}

}  // namespace kelvaro
