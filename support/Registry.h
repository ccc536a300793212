#pragma once

#include "platform/sysinfo/SysInfo.h"

#include <QString>

// Reading single values from the registry. A registry path is the root name, a backslash and
// the key path: "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion". The view
// is "64" (the 64-bit registry view), "32", or empty for the system's own bitness.

// What the reads give when the value cannot be read.
inline QString RegError() {
    return QStringLiteral("Error");
}

// The root of a name such as "HKEY_CURRENT_USER" (letter case and blanks around it ignored);
// RegRoot::None for any other name.
sysinfo::RegRoot RegRootKey(const QString& rootName);

// The root of the path; the path becomes the key path below the root. A path that does not
// begin with "HKEY_" or that ends with a backslash has no root and is left as it was.
sysinfo::RegRoot RegSplitPath(QString& path);

// A string value, trimmed, up to its first NUL character; "Error" when it cannot be read or
// takes more than 254 bytes.
QString RegReadString(const QString& path, const QString& valueName, const QString& view = {});

// A 32-bit number value as decimal text; "Error" when it cannot be read.
QString RegReadDword(const QString& path, const QString& valueName, const QString& view = {});
