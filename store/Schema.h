#pragma once

#include <QString>
#include <QStringList>

// The three tables of data.db and the creation of an empty file.
namespace Schema {

// The fields of the training table in their fixed order, id first.
QStringList TrainingFields();

// Creates an empty encrypted database with the three tables at the path. Never
// replaces an existing file: returns false when one is already there. Throws
// ado::Error when the file cannot be written.
bool CreateEmptyDatabase(const QString& path, const QString& password);

} // namespace Schema
