#include "store/AuditEvents.h"

#include "store/AuditTrail.h"

namespace Audit {

void RecordExport(const QString& database, const ExportFacts& facts) {
    RecordEvent(database, QStringLiteral("导出EXCEL文件"),
                {{"file", facts.file},
                 {"layout", facts.layout},
                 {"rows", facts.rows},
                 {"open_password", facts.openPassword},
                 {"modify_password", facts.modifyPassword}});
}

void RecordBackup(const QString& database, const QString& backupFile) {
    RecordEvent(database, QStringLiteral("备份数据库"), {{"file", backupFile}});
}

void RecordCompanyNameChange(const QString& database, const QString& before, const QString& after) {
    RecordEvent(database, QStringLiteral("修改公司名称"), {{"old", before}, {"new", after}});
}

} // namespace Audit
