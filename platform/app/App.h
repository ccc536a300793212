#pragma once

#include <QString>

// What the running program knows about itself: its title, version and folder.
namespace App {

QString Title();
int Major();
int Minor();
int Revision();
// "major.minor.revision", decimal, no leading zeros.
QString VersionText();
// The folder of the executable.
QString Path();
// Tests put the program folder elsewhere; an empty folder returns to the executable's.
void SetPath(const QString& folder);

} // namespace App
