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

// A stored date text read back as a QDate (no time) or a QDateTime; other text unchanged.
QVariant DateFromStored(const QString& stored);

} // namespace ado
