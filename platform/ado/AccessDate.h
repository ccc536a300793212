#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// How dates are written in SQL text and how they are kept in the file.
namespace ado {

// Reads a date as a date literal may be written: yyyy-m-d, yyyy/m/d or m/d/yyyy,
// each optionally followed by h:mm or h:mm:ss. nullopt when it is not a valid date.
std::optional<QDateTime> ParseAccessDate(QStringView text);

// The stored form: "yyyy-MM-dd", with " hh:mm:ss" only when a time is present.
QString StoredDateText(const QDateTime& value);

// A stored date text read back as a QDate (midnight or no time) or a QDateTime; other text
// unchanged. Besides our own form, the ISO form with "T" that other programs write.
QVariant DateFromStored(const QString& stored);

// A date kept as a number of days since 1899-12-30, the fraction being the time of day;
// nullopt outside the years 100 to 9999.
std::optional<QDateTime> DateFromSerial(double days);

} // namespace ado
