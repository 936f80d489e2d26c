#pragma once
// The answers of a yes/no/cancel question, as the message boxes give them; the generation step's
// cycle questions answer with the same values when the counters decide.

namespace kelvaro {

constexpr int RispostaSi = 6;
constexpr int RispostaNo = 7;
constexpr int RispostaAnnulla = 2;

}  // namespace kelvaro
