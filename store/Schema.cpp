#include "store/Schema.h"

#include "platform/ado/Ado.h"
#include "platform/ado/Connection.h"

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
} // namespace

QStringList TrainingFields() {
    return {QStringLiteral("id"),      QStringLiteral("部门"),     QStringLiteral("新进员工"),
            QStringLiteral("法规"),    QStringLiteral("SOP"),      QStringLiteral("专业技术"),
            QStringLiteral("内外训"),  QStringLiteral("训练时间"), QStringLiteral("SOP编号"),
            QStringLiteral("SOP版次"), QStringLiteral("SOP名称"),  QStringLiteral("教育训练名称"),
            QStringLiteral("主讲人"),  QStringLiteral("参加人员")};
}

bool CreateEmptyDatabase(const QString& path, const QString& password) {
    if (QFileInfo::exists(path)) {
        return false;
    }
    // Built under another name, so a half-made file never sits under the real one.
    const QString building = path + QStringLiteral(".creating");
    QFile::remove(building);
    try {
        ado::CreateDatabase(building, password, QString::fromUtf8(kStatements));
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
