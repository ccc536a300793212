#pragma once

#include <QString>
#include <QStringList>

// Direct access to DatabasePath for arranging and checking tests.
namespace TestDb {

// An empty file means DatabasePath.
void Exec(const QString& sql, const QString& file = {});
// One field of every row of the statement, as text.
QStringList Column(const QString& sql, const QString& field, const QString& file = {});
int Count(const QString& table, const QString& file = {});

} // namespace TestDb
