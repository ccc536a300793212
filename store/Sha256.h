#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <nettle/sha2.h>

namespace Audit {

// SHA-256 over a sequence of fields, each with its length (and type) before it, so that
// no two sequences of fields give the same bytes.
class Sha256 {
public:
    Sha256() { sha256_init(&context_); }
    void AddField(QByteArrayView bytes);
    void AddField(char type, QByteArrayView bytes);
    // Lower-case hex.
    QByteArray Hex();

private:
    void add(QByteArrayView bytes);
    sha256_ctx context_;
};

} // namespace Audit
