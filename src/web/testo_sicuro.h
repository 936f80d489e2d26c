#pragma once
// Texts that come from file names or files, made safe for the place they land in a page.
#include <cstdint>
#include <string>

namespace kelvaro {

// Element text and quoted attribute values: & < > " ' become character references.
std::string TestoHtml(const std::string& s);
// One path segment of a relative URL: every byte but A-Z a-z 0-9 - . _ ~ percent-encoded, so the
// result is also safe inside a quoted attribute.
std::string IndirizzoRelativo(const std::string& s);
// The inside of a '...' or "..." string of a script embedded in a page: quotes, backslash, line
// ends, < > & and the two Unicode line separators become escapes, so the text can neither end
// the string nor the script element.
std::string StringaScript(const std::string& s);

// FNV-1a over the bytes: a short stable fingerprint for names and identifiers.
uint32_t Impronta(const std::string& s);
// The fingerprint as 8 upper-case hex digits.
std::string ImprontaEsadecimale(const std::string& s);

}  // namespace kelvaro
