#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace sysinfo {

// The fields of an os-release file (NAME, VERSION_ID, ...), with quotes and escapes removed.
// Comments, blank lines and lines that are not assignments are passed over.
QHash<QString, QString> ParseOsRelease(const QByteArray& text);

// The fields of this system's os-release file; empty when it has none.
QHash<QString, QString> ReadOsRelease();

} // namespace sysinfo
