#pragma once

#include <QFont>

// The fonts the windows ask for by their Chinese names, with the CJK fonts of this system
// standing in where those are not installed.
namespace Fonts {

QFont YaHei(double pointSize);
QFont SongTi(double pointSize);

} // namespace Fonts
