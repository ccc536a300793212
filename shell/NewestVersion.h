#pragma once

#include <QString>

// Whether a published version "major.minor.revision" is newer than the running one. Both
// are combined into major × 10,000,000 + minor × 10,000 + revision in single precision, so
// versions closer than the float's spacing at that size count as equal. A text that is not
// three numeric parts, or whose number a float cannot hold, is never newer.
bool IsNewerVersion(const QString& published, int major, int minor, int revision);
