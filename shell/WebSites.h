#pragma once

#include <QString>

// The web sites that menus and links open pages on.
namespace WebSites {

inline QString Vendor() {
    return QStringLiteral("http://www.quorvane.example");
}
inline QString SecondBrand() {
    return QStringLiteral("http://www.brisvel.example");
}

} // namespace WebSites
