#include "store/Sha256.h"

#include <cstdio>

namespace Audit {

void Sha256::add(QByteArrayView bytes) {
    sha256_update(&context_, static_cast<size_t>(bytes.size()),
                  reinterpret_cast<const uint8_t*>(bytes.data()));
}

void Sha256::AddField(QByteArrayView bytes) {
    char head[24];
    add(QByteArrayView(
        head, std::snprintf(head, sizeof head, "%lld:", static_cast<long long>(bytes.size()))));
    add(bytes);
}

void Sha256::AddField(char type, QByteArrayView bytes) {
    char head[24];
    add(QByteArrayView(head, std::snprintf(head, sizeof head, "%c%lld:", type,
                                           static_cast<long long>(bytes.size()))));
    add(bytes);
}

QByteArray Sha256::Hex() {
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context_, SHA256_DIGEST_SIZE, digest);
    return QByteArray(reinterpret_cast<const char*>(digest), SHA256_DIGEST_SIZE).toHex();
}

} // namespace Audit
