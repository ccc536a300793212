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

// True when the code shows a number as a date or a time: it holds y, m, d, e (the year of
// an era), h or s outside quotes and brackets. Literal 年, 月 and 日 alone make no date;
// the E of a scientific format and the word General are not date tokens.
bool IsDateFormatCode(const QString& code);

// True for the ids of built-in formats that show a date or time: those of every locale
// (14 to 22, 45 to 47) and those of Chinese Excel (27 to 36, 50 to 58).
bool IsBuiltInDateFormat(int id);

// The file's index of a built-in format, or -1 when the code needs a FORMAT record.
int BuiltInFormatIndex(const QString& code);

} // namespace excel
