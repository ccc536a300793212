#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Bench {

struct ExportOptions {
    QString db;
    bool personal = false;
    QString name;
    QString out;
    QString openPassword;
    QString modifyPassword;
    QStringList keywords;
    int repeat = 5;
};

// Searches as the search window does, then times the export dialog's 保存 on the list.
QJsonObject RunExport(const ExportOptions& options);

} // namespace Bench
