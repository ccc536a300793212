#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace Bench {

// Takes a backup of the database as the program does, and checks it as 校验 does, `repeat`
// times in a folder of its own; the figures, or nothing when a backup failed.
std::optional<QJsonObject> RunBackup(const QString& db, int repeat);

} // namespace Bench
