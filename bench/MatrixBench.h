#pragma once

#include <QJsonObject>
#include <QString>

namespace Bench {

// On a copy of db, adds an SOP master list and requirements drawn from the register (when
// the file has none), then reads what the matrix needs and computes it, --repeat times.
QJsonObject RunMatrix(const QString& db, int sops, int requirements, int repeat);

} // namespace Bench
