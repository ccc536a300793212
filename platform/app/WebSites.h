#pragma once

#include <QString>

// The vendor's addresses that menus, links and the version check reach.
namespace WebSites {

inline QString Vendor() {
    return QStringLiteral("http://www.quorvane.example");
}
inline QString SecondBrand() {
    return QStringLiteral("http://www.brisvel.example");
}
inline QString Shop() {
    return QStringLiteral("http://shop.quorvane.example/");
}
inline QString Email() {
    return QStringLiteral("support@quorvane.example");
}
inline QString InstantMessaging() {
    return QStringLiteral("800012345");
}

} // namespace WebSites
