#include "platform/ado/Database.h"

#include "platform/ado/AccessLike.h"
#include "platform/ado/Ado.h"
#include "platform/ado/CipherKey.h"
#include "platform/ado/EngineError.h"
#include "platform/ado/IndexOrder.h"
#include "platform/ado/NoCase.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sqlite3.h>

namespace ado::detail {
namespace {
constexpr int kBusyTimeoutMs = 3000;

void deletePattern(void* p) {
    delete static_cast<LikePattern*>(p);
}

// like(pattern, text): the function behind "text LIKE pattern".
void accessLike(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        return;
    }
    auto* pattern = static_cast<const LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    thread_local std::u32string buffer;
    std::optional<LikePattern> compiled;
    if (pattern == nullptr) {
        DecodeUtf8(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]), buffer);
        compiled = LikePattern::Compile(buffer);
        if (!compiled) {
            sqlite3_result_error(ctx, "无效的模式字符串。", -1);
            return;
        }
        // The pattern is usually the same for every row: keep a copy with the statement.
        sqlite3_set_auxdata(ctx, 0, new LikePattern(*compiled), deletePattern);
        pattern = &*compiled;
    }
    const bool matches =
        pattern->MatchesUtf8(sqlite3_value_text(argv[1]), sqlite3_value_bytes(argv[1]), buffer);
    sqlite3_result_int(ctx, matches ? 1 : 0);
}

QByteArray readSalt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw OpenError(SQLITE_CANTOPEN, path, nullptr);
    }
    const QByteArray salt = file.read(kSaltSize);
    if (salt.size() < kSaltSize) {
        throw OpenError(SQLITE_NOTADB, path, nullptr);
    }
    return salt;
}

void closeQuietly(sqlite3* db) {
    sqlite3_close_v2(db);
}

// Every data.db and backup written so far has the engine's version 3 format (page size,
// key derivation, HMAC): new files keep it, so that old and new copies open each other's.
// A file from outside must not run anything through its schema beyond the engine's own.
int configureConnection(sqlite3* db) {
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    return sqlite3_exec(db, "PRAGMA cipher_compatibility = 3", nullptr, nullptr, nullptr);
}

// Our LIKE and NOCASE in the place of the engine's, which fold ASCII letters only.
void installAccessText(sqlite3* db) {
    sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               accessLike, nullptr, nullptr, nullptr);
    InstallNoCase(db);
}
} // namespace

std::shared_ptr<Database> Database::Open(const QString& source, const QString& password,
                                         Access access) {
    // A data source may be written as a file:/// URL.
    const QString path =
        source.startsWith(QStringLiteral("file:///"), Qt::CaseInsensitive) ? source.mid(7) : source;
    if (!QFileInfo(path).isFile()) {
        throw OpenError(SQLITE_CANTOPEN, path, nullptr);
    }
    const QByteArray key = RawKeyFor(password.toUtf8(), readSalt(path));
    sqlite3* db = nullptr;
    const int mode = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, mode, nullptr);
    if (rc != SQLITE_OK) {
        const Error error = OpenError(rc, path, db);
        closeQuietly(db);
        throw error;
    }
    std::shared_ptr<Database> database(new Database(db));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    rc = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    if (rc == SQLITE_OK) {
        rc = configureConnection(db);
    }
    if (rc == SQLITE_OK) {
        // Reading the schema proves the key; a wrong one fails here.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        throw OpenError(rc, path, db);
    }
    installAccessText(db);
    if (access == Access::ReadWrite) {
        // Another program's lock is not waited for here: the rebuild waits for the next
        // opening.
        sqlite3_busy_timeout(db, 0);
        RefreshIndexOrder(db);
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
    }
    return database;
}

void Database::Create(const QString& path, const QString& password, const QString& statements) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const std::unique_ptr<Database> database(new Database(db));
    if (rc != SQLITE_OK) {
        throw OpenError(rc, path, db);
    }
    const QByteArray passphrase = password.toUtf8();
    if (sqlite3_key(db, passphrase.constData(), static_cast<int>(passphrase.size())) != SQLITE_OK ||
        configureConnection(db) != SQLITE_OK) {
        throw database->LastError();
    }
    installAccessText(db);
    database->Exec(statements);
    if (MarkIndexOrder(db) != SQLITE_OK) {
        throw database->LastError();
    }
}

Database::~Database() {
    closeQuietly(db_);
}

void Database::LimitEachStep(int ms) {
    stepLimitMs_ = ms;
    // The engine calls back every few thousand instructions of its program.
    sqlite3_progress_handler(db_, 4000, &Database::stopWhenLate, this);
}

void Database::StartStep() {
    if (stepLimitMs_ > 0) {
        stepDeadline_.setRemainingTime(stepLimitMs_);
    }
}

int Database::stopWhenLate(void* database) {
    return static_cast<Database*>(database)->stepDeadline_.hasExpired() ? 1 : 0;
}

void Database::Exec(const QString& statements) {
    StartStep();
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, statements.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString description =
            message != nullptr ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(message);
        throw EngineError(sqlite3_extended_errcode(db_), description);
    }
}

Error Database::LastError() const {
    return EngineError(db_);
}

} // namespace ado::detail
