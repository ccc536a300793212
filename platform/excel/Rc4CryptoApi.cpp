#include "platform/excel/Rc4CryptoApi.h"

#include "platform/excel/BiffStream.h"

#include <QtEndian>
#include <algorithm>
#include <nettle/arcfour.h>
#include <nettle/sha1.h>

namespace excel {
namespace {
constexpr size_t kBlockSize = 1024;
constexpr std::uint32_t kCryptoApiFlag = 0x04;
constexpr std::uint32_t kRc4 = 0x6801;
constexpr std::uint32_t kSha1 = 0x8004;
constexpr std::uint32_t kKeyBits = 128;
constexpr std::uint32_t kProviderRsaFull = 1;
const QString kProvider = QStringLiteral("Microsoft Enhanced Cryptographic Provider v1.0");

void put32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray encryptionHeader() {
    QByteArray header;
    put32(header, kCryptoApiFlag);
    put32(header, 0); // no extra data
    put32(header, kRc4);
    put32(header, kSha1);
    put32(header, kKeyBits);
    put32(header, kProviderRsaFull);
    put32(header, 0);
    put32(header, 0);
    for (const QChar c : kProvider) {
        put16(header, c.unicode());
    }
    put16(header, 0);
    return header;
}

QByteArray rc4(const std::array<std::uint8_t, 16>& key, const QByteArray& plain) {
    arcfour_ctx ctx;
    arcfour_set_key(&ctx, key.size(), key.data());
    QByteArray out(plain.size(), '\0');
    arcfour_crypt(&ctx, static_cast<size_t>(plain.size()), reinterpret_cast<uint8_t*>(out.data()),
                  reinterpret_cast<const uint8_t*>(plain.constData()));
    return out;
}

QByteArray sha1(const QByteArray& data) {
    sha1_ctx ctx;
    sha1_init(&ctx);
    sha1_update(&ctx, static_cast<size_t>(data.size()),
                reinterpret_cast<const uint8_t*>(data.constData()));
    QByteArray digest(SHA1_DIGEST_SIZE, '\0');
    sha1_digest(&ctx, SHA1_DIGEST_SIZE, reinterpret_cast<uint8_t*>(digest.data()));
    return digest;
}

bool staysPlain(std::uint16_t type) {
    return type == record::kBof || type == record::kFilePass || type == record::kInterfaceHdr;
}
} // namespace

Rc4CryptoApi::Rc4CryptoApi(const QString& password, const QByteArray& salt) : salt_(salt) {
    QByteArray input = salt;
    for (const QChar c : password) {
        put16(input, c.unicode());
    }
    const QByteArray hash = sha1(input);
    std::copy(hash.begin(), hash.end(), passwordHash_.begin());
}

Rc4CryptoApi::Key Rc4CryptoApi::blockKey(std::uint32_t block) const {
    QByteArray input(reinterpret_cast<const char*>(passwordHash_.data()), passwordHash_.size());
    put32(input, block);
    const QByteArray hash = sha1(input);
    Key key;
    std::copy(hash.begin(), hash.begin() + static_cast<qsizetype>(key.size()), key.begin());
    return key;
}

QByteArray Rc4CryptoApi::FilePassData(const QByteArray& verifier) const {
    const QByteArray header = encryptionHeader();
    // The verifier and its hash are encrypted as one run of the block-0 key stream.
    const QByteArray encrypted = rc4(blockKey(0), verifier + sha1(verifier));
    QByteArray data;
    put16(data, 1); // RC4
    put16(data, 4); // version 4.2: RC4 CryptoAPI
    put16(data, 2);
    put32(data, kCryptoApiFlag);
    put32(data, static_cast<std::uint32_t>(header.size()));
    data += header;
    put32(data, static_cast<std::uint32_t>(salt_.size()));
    data += salt_;
    data += encrypted.left(verifier.size());
    put32(data, SHA1_DIGEST_SIZE);
    data += encrypted.mid(verifier.size());
    return data;
}

void Rc4CryptoApi::EncryptWorkbookStream(QByteArray& stream) const {
    auto* bytes = reinterpret_cast<std::uint8_t*>(stream.data());
    const auto size = static_cast<size_t>(stream.size());
    std::array<std::uint8_t, kBlockSize> keyStream{};
    size_t keyStreamBlock = SIZE_MAX;
    const auto encrypt = [&](size_t from, size_t to) {
        while (from < to) {
            const size_t block = from / kBlockSize;
            if (block != keyStreamBlock) {
                const Key key = blockKey(static_cast<std::uint32_t>(block));
                arcfour_ctx ctx;
                arcfour_set_key(&ctx, key.size(), key.data());
                keyStream.fill(0);
                arcfour_crypt(&ctx, kBlockSize, keyStream.data(), keyStream.data());
                keyStreamBlock = block;
            }
            const size_t blockEnd = std::min(to, (block + 1) * kBlockSize);
            for (; from < blockEnd; ++from) {
                bytes[from] ^= keyStream[from % kBlockSize];
            }
        }
    };
    for (size_t at = 0; at + 4 <= size;) {
        const auto type = qFromLittleEndian<std::uint16_t>(bytes + at);
        const auto length = qFromLittleEndian<std::uint16_t>(bytes + at + 2);
        const size_t data = at + 4;
        const size_t end = std::min(size, data + length);
        if (!staysPlain(type)) {
            encrypt(type == record::kBoundSheet ? data + 4 : data, end);
        }
        at = end;
    }
}

} // namespace excel
