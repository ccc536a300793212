#include "platform/ado/CipherKey.h"

#include <map>
#include <mutex>
#include <nettle/pbkdf2.h>
#include <utility>

namespace ado {
namespace {
constexpr unsigned kIterations = 64000;
constexpr size_t kKeySize = 32;

QByteArray derive(const QByteArray& password, const QByteArray& salt) {
    QByteArray key(kKeySize, Qt::Uninitialized);
    pbkdf2_hmac_sha1(static_cast<size_t>(password.size()),
                     reinterpret_cast<const uint8_t*>(password.constData()), kIterations,
                     static_cast<size_t>(salt.size()),
                     reinterpret_cast<const uint8_t*>(salt.constData()), kKeySize,
                     reinterpret_cast<uint8_t*>(key.data()));
    return "x'" + key.toHex() + "'";
}
} // namespace

QByteArray RawKeyFor(const QByteArray& password, const QByteArray& salt) {
    static std::mutex mutex;
    static std::map<std::pair<QByteArray, QByteArray>, QByteArray> cache;
    const std::lock_guard lock(mutex);
    auto [it, inserted] = cache.try_emplace({password, salt});
    if (inserted) {
        it->second = derive(password, salt);
    }
    return it->second;
}

} // namespace ado
