#include "platform/ado/BackupCopy.h"

#include "platform/ado/CipherKey.h"
#include "platform/ado/Database.h"
#include "platform/ado/EngineError.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <sqlite3.h>

namespace ado {
namespace {
using detail::Database;

// The settings that decide how the pages of a file are encrypted, besides key and salt.
const char* const kCipherSettings[] = {
    "cipher_page_size",     "cipher_use_hmac", "cipher_hmac_algorithm",
    "cipher_kdf_algorithm", "kdf_iter",        "cipher_plaintext_header_size"};

QByteArray pragmaValue(sqlite3* db, const QByteArray& pragma) {
    sqlite3_stmt* statement = nullptr;
    QByteArray value;
    if (sqlite3_prepare_v2(db, "PRAGMA " + pragma, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    return value;
}

// The raw key followed by the salt, x'<key><salt>': the new file takes the source's salt,
// so the password derives the same key for both.
QByteArray keyWithSalt(const QString& password, const QByteArray& saltHex) {
    QByteArray key = RawKeyFor(password.toUtf8(), QByteArray::fromHex(saltHex));
    key.chop(1);
    return key + saltHex + "'";
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Handle = std::unique_ptr<sqlite3, Closer>;

Handle createTarget(const QString& target, sqlite3* source, const QString& password) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(target.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Handle db(raw);
    if (rc != SQLITE_OK) {
        throw detail::OpenError(rc, target, raw);
    }
    const QByteArray key = keyWithSalt(password, pragmaValue(source, "cipher_salt"));
    if (sqlite3_key(raw, key.constData(), static_cast<int>(key.size())) != SQLITE_OK) {
        throw detail::EngineError(raw);
    }
    for (const char* setting : kCipherSettings) {
        const QByteArray value = pragmaValue(source, setting);
        const QByteArray statement = "PRAGMA " + QByteArray(setting) + " = '" + value + "'";
        if (sqlite3_exec(raw, statement.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            throw detail::EngineError(raw);
        }
    }
    return db;
}

void copyPages(sqlite3* source, sqlite3* target) {
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup == nullptr) {
        throw detail::EngineError(target);
    }
    // All pages in one step: one read transaction, one state of the source.
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE) {
        throw detail::EngineError(step, QString::fromUtf8(sqlite3_errstr(step)));
    }
    if (finish != SQLITE_OK) {
        throw detail::EngineError(target);
    }
}

void copy(const QString& source, const QString& target, const QString& password) {
    const std::shared_ptr<Database> from = Database::Open(source, password);
    const Handle to = createTarget(target, from->Handle(), password);
    copyPages(from->Handle(), to.get());
}
} // namespace

void RestoreInto(const QString& target, const QString& backup, const QString& password,
                 const QString& keepAs) {
    const std::shared_ptr<Database> to = Database::Open(target, password);
    // In exclusive locking mode the lock of the first write is kept until the connection
    // closes: nobody reads or writes the file from here on.
    to->Exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;"));
    if (QFileInfo::exists(keepAs) || !QFile::copy(target, keepAs)) {
        throw Error(QStringLiteral("不能保存恢复前的数据库。"));
    }
    const std::shared_ptr<Database> from =
        Database::Open(backup, password, Database::Access::ReadOnly);
    copyPages(from->Handle(), to->Handle());
}

void BackupCopy(const QString& source, const QString& target, const QString& password) {
    if (QFileInfo::exists(target)) {
        throw Error(QStringLiteral("备份文件已存在。"));
    }
    try {
        copy(source, target, password);
    } catch (const Error&) {
        QFile::remove(target);
        QFile::remove(target + QStringLiteral("-journal"));
        throw;
    }
}

} // namespace ado
