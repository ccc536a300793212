#pragma once

#include "platform/sysinfo/SysInfo.h"

#include <QString>
#include <optional>

// The name of a Windows system from its version information, used when the registry names
// no product.

// "a.b.c.d": the four 16-bit parts, most significant first, each unsigned.
QString ProductVersionText(const sysinfo::ProductVersion& version);

// The edition text of a product-information code; empty for an unknown code.
QString EditionText(quint32 productCode);

// The name from the product version of kernel32.dll (empty when there is none) and the
// extended version query (nullopt when it failed).
QString WindowsVersionName(const QString& kernelProductVersion,
                           const std::optional<sysinfo::OsVersion>& version);

// WindowsVersionName with this system's values.
QString GetWindowsVersionName();

// The product version of a file's version resource as ProductVersionText gives it; without
// one, tells the user "No Version Info available!" and gives the empty text.
QString ReadFileProductVersion(const QString& path);

// The folder of the system's libraries, without a trailing separator; empty where none.
QString GetSystemFolder();
