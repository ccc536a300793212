#pragma once

#include <QString>

// The system's bitness, "64" or "32"; empty until the program computes it at start.
extern QString SystemBits;
// The one-line description of the system with its bitness, for example
// "Windows 10 Pro 版本:2009 (内部版本:19045.2965)[64位]".
extern QString SystemDescription;

// Sets SystemBits and SystemDescription; run once when the program starts.
void ComputeSystemDescription();

// name + " 版本:" + release + " (内部版本:" + build + ")", from the registry's Windows
// version key; the version information's name when the registry names no product.
QString GetOsDescription();

// "64" when the system type names a 64-bit system, else "32" (also when it cannot be read).
QString GetSystemBitness();

// "64" for a 32-bit process on a 64-bit system, else "32".
QString GetWow64Bitness();
