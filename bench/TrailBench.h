#pragma once

#include <QJsonObject>
#include <QString>

namespace Bench {

// Saves a correction of one record through the editor, offscreen, on a copy of db that
// has its trail: the median save, and the median of the trail's own part of it (trail_ms).
QJsonObject RunEditorSave(const QString& db, int repeat);

// Verifies the trail of db, giving it one first when it has none (baseline_ms).
QJsonObject RunVerify(const QString& db, int repeat);

} // namespace Bench
