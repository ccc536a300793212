#include "platform/app/App.h"

#include "Version.h"

#include <QCoreApplication>

namespace App {

QString Title() {
    return QStringLiteral("Quorvane制药GMP教育训练管理");
}

int Major() {
    return QVLEDGER_VERSION_MAJOR;
}

int Minor() {
    return QVLEDGER_VERSION_MINOR;
}

int Revision() {
    return QVLEDGER_VERSION_PATCH;
}

QString VersionText() {
    return QStringLiteral("%1.%2.%3").arg(Major()).arg(Minor()).arg(Revision());
}

QString Path() {
    return QCoreApplication::applicationDirPath();
}

} // namespace App
