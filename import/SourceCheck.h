#pragma once

#include <QString>
#include <QStringList>

namespace ado {
class Connection;
}

// What makes another database file unfit to import from, found before anything is read
// from its training table or copied: its schema must not run anything on our reading.
namespace SourceCheck {

// The longest value the own file takes in a field, in bytes.
inline constexpr int kLongestValue = 1 << 20;

// Why the source's schema must not be read from, for the user; empty when it may.
// Throws ado::Error when the schema cannot be read.
QString SchemaRefusal(ado::Connection& source);

// Why the values of the training table cannot be taken (one longer than kLongestValue);
// empty when they can.
QString ValueRefusal(ado::Connection& source, const QStringList& fields);

} // namespace SourceCheck
