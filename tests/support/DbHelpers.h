#pragma once

#include <QString>
#include <QStringList>

// Direct access to DatabasePath for arranging and checking tests.
namespace TestDb {

void Exec(const QString& sql);
// One field of every row of the statement, as text.
QStringList Column(const QString& sql, const QString& field);
int Count(const QString& table);

} // namespace TestDb
