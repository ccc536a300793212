#pragma once

#include <QString>
#include <cstdint>

namespace excel {

// The 16-bit password verifier of a password to modify (FILESHARING): each character
// taken as its low byte (its high byte when the low one is zero), at most 15 of them.
std::uint16_t PasswordVerifier(const QString& password);

} // namespace excel
