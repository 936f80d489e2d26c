#pragma once
// Small 8-bit text helpers shared by the readers and writers.
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// Every occurrence of da replaced by a, left to right, without rescanning what was inserted.
std::string Sostituisci(const std::string& s, const std::string& da, const std::string& a);
// ASCII upper case; other bytes (UTF-8 included) pass through.
std::string Maiuscolo(const std::string& s);
// Leading and trailing blanks (spaces only) removed.
std::string TogliSpazi(const std::string& s);
// Split at every occurrence of sep (an empty text gives one empty piece).
std::vector<std::string> Dividi(const std::string& s, char sep);
// The numeric reading of a text: the leading number, blanks skipped, 0 when there is none.
double ValoreNumerico(const std::string& s);
// Round to the nearest whole number, halves to the even neighbour.
long ArrotondaPari(double v);
// Whole number zero-padded to at least `cifre` digits ("00" pattern).
std::string Formatta0(long v, int cifre);
// The automatic name of a schema file: size "_" level digits "_" YYMMDDHHMMSS ".TXT", from a
// solve's counts of Swordfish and subset steps and the local time t.
std::string NomeAutomatico(int n, int swordfish, int multipli, const std::tm& t);
// Local time now.
std::tm OraLocale();

// A text (a file name, say) made safe to print on a terminal line: control bytes, DEL and the C1
// controls are shown as \xNN, so a name cannot start a new line or send escape sequences, and the
// bidirectional embedding and isolate marks (U+202A..U+202E, U+2066..U+2069) are dropped, so it
// cannot show its characters in another order. Everything else passes through.
std::string TestoStampabile(const std::string& testo);
// The text without the UTF-8 byte order mark some editors put at the start of a file (it would
// otherwise become part of the first line and hide its key or tag).
std::string SenzaBom(const std::string& testo);
// Lines of a text: a line ends at LF, a CR before it is dropped; no trailing empty line.
std::vector<std::string> DividiRighe(const std::string& testo);
// Writes the text to a temporary file beside the target and renames it into place, so that a
// failure never leaves a partial file nor destroys the previous one.
bool ScriviFileSicuro(const std::string& percorso, const std::string& contenuto);
bool EsisteFile(const std::string& percorso);

}  // namespace kelvaro
