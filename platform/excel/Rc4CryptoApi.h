#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace excel {

// The password to open: RC4 CryptoAPI encryption of the workbook stream with a SHA-1
// password hash and a 128-bit key that changes every 1024 bytes of the stream.
class Rc4CryptoApi {
public:
    // `salt` is 16 random bytes.
    Rc4CryptoApi(const QString& password, const QByteArray& salt);

    // The data of the FILEPASS record: the encryption header and the password verifier
    // made from `verifier`, 16 random bytes.
    QByteArray FilePassData(const QByteArray& verifier) const;
    // Encrypts a workbook stream in place. Record headers, the BOF, FILEPASS and
    // INTERFACEHDR records and the sheet offset of each BOUNDSHEET stay plain; the key
    // stream still advances over them.
    void EncryptWorkbookStream(QByteArray& stream) const;

private:
    using Key = std::array<std::uint8_t, 16>;
    Key blockKey(std::uint32_t block) const;

    QByteArray salt_;
    std::array<std::uint8_t, 20> passwordHash_{};
};

} // namespace excel
