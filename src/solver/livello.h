#pragma once
// The difficulty level of a solved schema, from its technique counters: the text
// Format(2 * S + M, "00") & S & M read as a number (S Swordfish steps, M subset steps).
#include <string>

namespace kelvaro {

std::string TestoLivello(int S, int M);
// The numeric value of TestoLivello; a text too long for a long gives the largest long.
long LivelloSchema(int S, int M);

}  // namespace kelvaro
