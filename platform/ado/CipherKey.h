#pragma once

#include <QByteArray>

// Page key of an encrypted database file. The engine derives it from the password and
// the file's salt with PBKDF2-HMAC-SHA1, 64000 rounds, which costs tens of
// milliseconds; doing it once per password and salt and handing the engine the raw key
// keeps opening a connection cheap, and the file stays readable with the password alone.
namespace ado {

inline constexpr int kSaltSize = 16;

// The raw key in the engine's own notation, x'<64 hex digits>'.
QByteArray RawKeyFor(const QByteArray& password, const QByteArray& salt);

} // namespace ado
