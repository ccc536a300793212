#pragma once

#include <QJsonObject>
#include <QString>

namespace Bench {

// Imports the other database file into copies of db through the import window, offscreen:
// the median first run, then a second run of the same import on the last copy.
QJsonObject RunDatabaseImport(const QString& db, const QString& other, int repeat);

} // namespace Bench
