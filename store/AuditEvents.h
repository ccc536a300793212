#pragma once

#include <QString>

// The trail's entries for what changes no record, written on the file at the path. Each
// is silent: a file that cannot take the entry leaves what it records as it was.
namespace Audit {

struct ExportFacts {
    QString file;
    QString layout;
    int rows = 0;
    bool openPassword = false;
    bool modifyPassword = false;
};

// Never the passwords themselves: only whether they were set.
void RecordExport(const QString& database, const ExportFacts& facts);
void RecordBackup(const QString& database, const QString& backupFile);
void RecordCompanyNameChange(const QString& database, const QString& before, const QString& after);

} // namespace Audit
