#include "platform/excel/PasswordVerifier.h"

#include "platform/excel/Error.h"

#include <QStringEncoder>

namespace excel {
namespace {
constexpr qsizetype kMaxCharacters = 15;

QByteArray ansiBytes(const QString& password) {
    QStringEncoder codePage936("GBK");
    if (!codePage936.isValid()) {
        throw Error(QStringLiteral("无法计算修改权限密码：缺少 GBK 字符集的支持。"));
    }
    return codePage936.encode(password);
}
} // namespace

std::uint16_t PasswordVerifier(const QString& password) {
    return PasswordVerifierOfBytes(ansiBytes(password.left(kMaxCharacters)));
}

std::uint16_t PasswordVerifierOfBytes(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return 0;
    }
    // From the last byte back to the length, each rotated into a 15-bit value.
    std::uint16_t verifier = 0;
    for (qsizetype i = bytes.size(); i >= 0; --i) {
        const auto byte = static_cast<std::uint8_t>(i == 0 ? bytes.size() : bytes.at(i - 1));
        const auto rotated =
            static_cast<std::uint16_t>(((verifier >> 14) & 1) | ((verifier << 1) & 0x7FFF));
        verifier = rotated ^ byte;
    }
    return verifier ^ 0xCE4B;
}

} // namespace excel
