#pragma once

#include <QString>

class QWidget;

namespace Audit {

// Gives the database its trail the first time this version opens it, with a progress
// window when the baseline of a large file takes longer than a second. Silent otherwise.
void StartTrail(const QString& database, QWidget* parent);

} // namespace Audit
