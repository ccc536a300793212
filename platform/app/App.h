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

} // namespace App
