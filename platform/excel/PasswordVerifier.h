#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace excel {

// The 16-bit password verifier of a password to modify (FILESHARING), over its first 15
// characters in the ANSI code page of a Chinese Windows system (936), as Excel computes it
// there: "密" counts as the two bytes C3 DC. Throws excel::Error when Qt has no GBK.
std::uint16_t PasswordVerifier(const QString& password);

// The verifier of a password given as the bytes of its code page.
std::uint16_t PasswordVerifierOfBytes(const QByteArray& bytes);

} // namespace excel
