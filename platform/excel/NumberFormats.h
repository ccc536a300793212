#pragma once

#include <QString>

// Number format codes as Chinese Excel shows them in NumberFormatLocal.
namespace excel {

inline const QString kGeneralFormat = QStringLiteral("G/通用格式");
inline const QString kTextFormat = QStringLiteral("@");
inline const QString kDateFormat = QStringLiteral("yyyy/m/d");
inline const QString kDateTimeFormat = QStringLiteral("yyyy/m/d h:mm");
inline const QString kTimeFormat = QStringLiteral("h:mm");
inline const QString kTimeSecondsFormat = QStringLiteral("h:mm:ss");
inline const QString kPercentFormat = QStringLiteral("0%");
inline const QString kPercentDecimalsFormat = QStringLiteral("0.00%");
inline const QString kThousandsFormat = QStringLiteral("#,##0");
inline const QString kThousandsDecimalsFormat = QStringLiteral("#,##0.00");
inline const QString kScientificFormat = QStringLiteral("0.00E+00");

// True when the code shows a number as a date or a time.
bool IsDateFormatCode(const QString& code);

// The file's index of a built-in format, or -1 when the code needs a FORMAT record.
int BuiltInFormatIndex(const QString& code);

} // namespace excel
