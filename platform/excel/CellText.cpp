#include "platform/excel/CellText.h"

#include <QDateTime>

namespace excel {

QString CellText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double: {
        QString text = QString::number(value.toDouble(), 'g', 15);
        return text.replace(QStringLiteral("e+"), QStringLiteral("E+"))
            .replace(QStringLiteral("e-"), QStringLiteral("E-"));
    }
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    default:
        return value.toString();
    }
}

} // namespace excel
