#pragma once

#include <QString>
#include <functional>

namespace ado {
class Connection;
}

// Copies the training records of another database file into the own one, skipping
// those whose six key values the own table already holds.
namespace DatabaseImport {

struct Progress {
    std::function<void(int maximum)> start;
    std::function<void(int value)> step;
};

enum class Outcome { Done, WrongLayout, Refused, Failed };

struct Result {
    Outcome outcome = Outcome::Done;
    QString description; // why it failed, or the refusal for the user
};

// Both connections are open; the source best read-only. A source whose schema would run
// anything on our reading, or whose values the own file cannot hold, is refused before
// anything is copied. The copy is one transaction with its trail entries: it lands whole
// or not at all. Errors of single records and fields are passed over.
Result Run(ado::Connection& own, ado::Connection& source, const QString& sourcePath,
           const Progress& progress);

// The duplicate test for one source record's key values, as the engine reads it.
QString DuplicateTest(const QString& sopNumber, const QString& sopName, const QString& revision,
                      const QString& participants, const QString& date, const QString& course);

} // namespace DatabaseImport
