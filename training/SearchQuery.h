#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace ado {
class Connection;
}

// The SELECT statements behind a search of the training records.

struct DateRange {
    QDate from;
    QDate to;
};

// One column: fuzzy terms for every keyword, or the whole text compared exactly. An
// exact search on a column that does not allow it tells the user and selects nothing.
QString 生成单栏目SQL(const QString& field, const QString& quotedKeywords, bool fuzzy);

// Every column of 训练表, read through the open connection, which stays open.
// Throws ado::Error when the field list cannot be read.
QString 生成全部栏目SQL(ado::Connection& connection, const QString& quotedKeywords, bool fuzzy);

namespace SearchQuery {

inline const QString kAllColumns = QStringLiteral("[全部栏目]");
inline const QString kExactMatch = QStringLiteral("精确匹配");

// The whole statement: the builder's text, the date clause when a range is given, the
// sort. quotedKeywords has passed through SqlQuote.
QString Statement(ado::Connection& connection, const QString& column, const QString& quotedKeywords,
                  bool fuzzy, const std::optional<DateRange>& range);

} // namespace SearchQuery
