#include "platform/excel/PasswordVerifier.h"

#include <vector>

namespace excel {
namespace {
constexpr qsizetype kMaxCharacters = 15;
} // namespace

std::uint16_t PasswordVerifier(const QString& password) {
    std::vector<std::uint8_t> bytes;
    for (const QChar c : password.left(kMaxCharacters)) {
        const auto low = static_cast<std::uint8_t>(c.unicode() & 0xFF);
        bytes.push_back(low != 0 ? low : static_cast<std::uint8_t>(c.unicode() >> 8));
    }
    if (bytes.empty()) {
        return 0;
    }
    bytes.insert(bytes.begin(), static_cast<std::uint8_t>(bytes.size()));
    std::uint16_t verifier = 0;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const std::uint16_t rotated =
            static_cast<std::uint16_t>(((verifier >> 14) & 1) | ((verifier << 1) & 0x7FFF));
        verifier = rotated ^ *byte;
    }
    return verifier ^ 0xCE4B;
}

} // namespace excel
