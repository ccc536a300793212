#include "integrity/TrailStart.h"

#include "store/AuditTrail.h"

#include <QProgressDialog>

namespace Audit {
namespace {
constexpr int kShowAfterMs = 1000;
// Redrawing the bar for every record would cost more than the baseline itself.
constexpr qint64 kRecordsPerStep = 500;
} // namespace

void StartTrail(const QString& database, QWidget* parent) {
    QProgressDialog progress(QStringLiteral("正在建立审计追踪，请稍候……"), QString(), 0, 1, parent);
    progress.setObjectName(QStringLiteral("TrailProgress"));
    progress.setWindowTitle(QStringLiteral("审计追踪"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMs);
    progress.setAutoClose(false);
    EnsureTrail(database, [&progress](qint64 done, qint64 total) {
        if (done % kRecordsPerStep == 0 || done == total) {
            progress.setMaximum(static_cast<int>(total));
            progress.setValue(static_cast<int>(done));
        }
    });
}

} // namespace Audit
