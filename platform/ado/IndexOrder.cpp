#include "platform/ado/IndexOrder.h"

#include <QByteArray>
#include <QChar>
#include <sqlite3.h>

namespace ado::detail {
namespace {
// One row: Qt's number for the Unicode version whose case folding the NOCASE indexes follow.
constexpr char kRead[] = "SELECT 折叠规则版本 FROM 索引排序规则";

int foldingVersion() {
    return static_cast<int>(QChar::currentUnicodeVersion());
}

bool indexesCurrent(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    bool current = false;
    if (sqlite3_prepare_v2(db, kRead, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        current = sqlite3_column_int(stmt, 0) == foldingVersion();
    }
    sqlite3_finalize(stmt);
    return current;
}
} // namespace

int MarkIndexOrder(sqlite3* db) {
    const QByteArray mark = "DROP TABLE IF EXISTS 索引排序规则;"
                            "CREATE TABLE 索引排序规则 (折叠规则版本 INTEGER NOT NULL);"
                            "INSERT INTO 索引排序规则 VALUES (" +
                            QByteArray::number(foldingVersion()) + ");";
    return sqlite3_exec(db, mark.constData(), nullptr, nullptr, nullptr);
}

void RefreshIndexOrder(sqlite3* db) {
    if (sqlite3_db_readonly(db, "main") != 0 || indexesCurrent(db)) {
        return;
    }
    if (sqlite3_exec(db, "BEGIN IMMEDIATE; REINDEX NOCASE;", nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        MarkIndexOrder(db) != SQLITE_OK ||
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        if (sqlite3_get_autocommit(db) == 0) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
}

} // namespace ado::detail
