#pragma once

#include <QString>
#include <QStringList>

namespace ado {
class Connection;
}

// The tables of data.db and the creation of an empty file.
namespace Schema {

// The fields of the training table in their fixed order, id first.
QStringList TrainingFields();

// The table of the audit trail.
QString TrailTable();

// Adds the tables a file made by an older version lacks; leaves existing ones alone.
// Throws ado::Error.
void AddMissingTables(ado::Connection& connection);

// Creates an empty encrypted database with the three tables at the path. Never
// replaces an existing file: returns false when one is already there. Throws
// ado::Error when the file cannot be written.
bool CreateEmptyDatabase(const QString& path, const QString& password);

} // namespace Schema
