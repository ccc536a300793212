#pragma once

#include "store/AuditEntry.h"

#include <QString>
#include <QStringList>
#include <vector>

// The audit trail of a test's database, read back for assertions.
namespace TrailEntries {

// Every entry in order. An empty file means DatabasePath.
std::vector<Audit::Entry> All(const QString& file = {});

// An entry in one line: "修改训练记录 训练表#1 主讲人:张华→李明"; an inserted row's
// fields show as "+", a deleted row's as "-", an event's facts as DetailText gives them.
QString Summary(const Audit::Entry& entry);

// The summaries of the entries after the first `skip`.
QStringList SummariesAfter(qsizetype skip, const QString& file = {});

} // namespace TrailEntries
