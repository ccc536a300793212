#include "reports/SaveTarget.h"

#include <QFileInfo>
#include <QLocale>

namespace SaveTarget {

bool IsOpenElsewhere(const QString& path) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath() + u'/';
    return QFileInfo::exists(folder + QStringLiteral(".~lock.") + target.fileName() + u'#') ||
           QFileInfo::exists(folder + QStringLiteral("~$") + target.fileName());
}

int SheetRowsNeeded(int records, bool personal) {
    // Summary: 3 heading rows, the records, then save time and box down to n+7.
    // Personal: 6 rows above the records, then the closing block down to n+9.
    return personal ? 6 + records + 9 : 3 + records + 7;
}

QString SizeInKb(qint64 bytes) {
    const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    return grouped.toString(static_cast<double>(bytes) / 1024.0, 'f', 2);
}

} // namespace SaveTarget
