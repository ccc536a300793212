#pragma once

#include <cstdint>

// Excel's default palette of 56 colours, at file indexes 8 to 63. ColorIndex n of the
// automation interface is file index n + 7.
namespace excel {

inline constexpr int kFirstPaletteIndex = 8;
inline constexpr int kLastPaletteIndex = 63;

// RGB as 0xRRGGBB.
std::uint32_t PaletteRgb(int paletteIndex);

// The palette index whose colour is nearest to the RGB colour; the lowest on a tie.
int NearestPaletteIndex(std::uint32_t rgb);

} // namespace excel
