#include "store/Schema.h"

#include "platform/ado/Ado.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"

#include <QFile>
#include <QFileInfo>

namespace Schema {
namespace {
// Text columns compare without letter case, as the program's SQL expects.
// LONGTEXT is the long-text type of the dialect; it keeps text affinity in the file.
const char kStatements[] = R"sql(
CREATE TABLE 训练表 (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    部门 TEXT(255) COLLATE NOCASE,
    新进员工 YESNO NOT NULL DEFAULT 0,
    法规 YESNO NOT NULL DEFAULT 0,
    SOP YESNO NOT NULL DEFAULT 0,
    专业技术 YESNO NOT NULL DEFAULT 0,
    内外训 TEXT(255) COLLATE NOCASE,
    训练时间 DATETIME,
    SOP编号 TEXT(255) COLLATE NOCASE,
    SOP版次 TEXT(255) COLLATE NOCASE,
    SOP名称 TEXT(255) COLLATE NOCASE,
    教育训练名称 TEXT(255) COLLATE NOCASE,
    主讲人 TEXT(255) COLLATE NOCASE,
    参加人员 LONGTEXT COLLATE NOCASE
);
CREATE INDEX 训练表_教育训练名称 ON 训练表 (教育训练名称);
CREATE INDEX 训练表_SOP编号 ON 训练表 (SOP编号, 教育训练名称, 训练时间);
CREATE TABLE 员工表 (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    姓名 TEXT(255) COLLATE NOCASE,
    部门 TEXT(255) COLLATE NOCASE,
    职务 TEXT(255) COLLATE NOCASE,
    员工编号 TEXT(255) COLLATE NOCASE,
    学历 TEXT(255) COLLATE NOCASE,
    到职日 DATETIME
);
CREATE INDEX 员工表_姓名 ON 员工表 (姓名);
CREATE TABLE 部门表 (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    部门名称 TEXT(255) COLLATE NOCASE
);
)sql";

// The audit trail: one row per change of a record and per event, chained by hashes.
// Added to older files when they are first written to, so it never alters the three tables.
const char kTrailStatements[] = R"sql(
CREATE TABLE IF NOT EXISTS 审计追踪 (
    id INTEGER PRIMARY KEY,
    时间 TEXT NOT NULL,
    时差 TEXT NOT NULL,
    账户 TEXT NOT NULL,
    主机 TEXT NOT NULL,
    用户 TEXT NOT NULL,
    版本 TEXT NOT NULL,
    操作 TEXT NOT NULL,
    表名 TEXT NOT NULL,
    记录号 INTEGER,
    变更 TEXT NOT NULL,
    原因 TEXT NOT NULL,
    详情 TEXT NOT NULL,
    行摘要 TEXT NOT NULL,
    前哈希 TEXT NOT NULL,
    哈希 TEXT NOT NULL
);
)sql";
} // namespace

QStringList TrainingFields() {
    return {QStringLiteral("id"),      QStringLiteral("部门"),     QStringLiteral("新进员工"),
            QStringLiteral("法规"),    QStringLiteral("SOP"),      QStringLiteral("专业技术"),
            QStringLiteral("内外训"),  QStringLiteral("训练时间"), QStringLiteral("SOP编号"),
            QStringLiteral("SOP版次"), QStringLiteral("SOP名称"),  QStringLiteral("教育训练名称"),
            QStringLiteral("主讲人"),  QStringLiteral("参加人员")};
}

QString TrailTable() {
    return QStringLiteral("审计追踪");
}

void AddMissingTables(ado::Connection& connection) {
    connection.Database()->Exec(QString::fromUtf8(kTrailStatements));
}

bool CreateEmptyDatabase(const QString& path, const QString& password) {
    if (QFileInfo::exists(path)) {
        return false;
    }
    // Built under another name, so a half-made file never sits under the real one.
    const QString building = path + QStringLiteral(".creating");
    QFile::remove(building);
    try {
        ado::CreateDatabase(building, password,
                            QString::fromUtf8(kStatements) + QString::fromUtf8(kTrailStatements));
    } catch (...) {
        QFile::remove(building);
        throw;
    }
    // rename() never replaces an existing file.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        return false;
    }
    return true;
}

} // namespace Schema
