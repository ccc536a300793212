#include "platform/excel/Palette.h"

#include <array>
#include <cstddef>
#include <limits>

namespace excel {
namespace {
constexpr std::array<std::uint32_t, 56> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

int channel(std::uint32_t rgb, int shift) {
    return static_cast<int>((rgb >> shift) & 0xFF);
}
} // namespace

std::uint32_t PaletteRgb(int paletteIndex) {
    return kPalette.at(static_cast<std::size_t>(paletteIndex - kFirstPaletteIndex));
}

int NearestPaletteIndex(std::uint32_t rgb) {
    int best = kFirstPaletteIndex;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = kFirstPaletteIndex; index <= kLastPaletteIndex; ++index) {
        const std::uint32_t entry = PaletteRgb(index);
        int distance = 0;
        for (const int shift : {16, 8, 0}) {
            const int d = channel(entry, shift) - channel(rgb, shift);
            distance += d * d;
        }
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace excel
