#include "store/FileDigest.h"

#include <QFile>
#include <nettle/sha2.h>

QByteArray FileSha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    sha256_ctx ctx;
    sha256_init(&ctx);
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(chunk.data(), kChunk);
        if (read < 0) {
            return {};
        }
        if (read == 0) {
            break;
        }
        sha256_update(&ctx, static_cast<size_t>(read),
                      reinterpret_cast<const uint8_t*>(chunk.constData()));
    }
    QByteArray digest(SHA256_DIGEST_SIZE, Qt::Uninitialized);
    sha256_digest(&ctx, SHA256_DIGEST_SIZE, reinterpret_cast<uint8_t*>(digest.data()));
    return digest.toHex();
}
