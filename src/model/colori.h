#pragma once
// Platform colour values, blue-green-red order: what the solver marks its cells with and what the
// display grid holds. The Qt layer converts them when it paints.

namespace kelvaro {

constexpr long ColoreRosso = 255;     // a contradiction
constexpr long ColoreVerde = 65280;   // a cell placed, or one that justifies the step
constexpr long ColoreGiallo = 65535;  // a cell that loses candidates
constexpr long ColoreBianco = 0xFFFFFF;
constexpr long ColoreNero = 0;
constexpr long ColoreBlu = 0xFF0000;      // RGB 0, 0, 255
constexpr long ColoreLavanda = 0xFFC0C0;  // RGB 192, 192, 255

}  // namespace kelvaro
