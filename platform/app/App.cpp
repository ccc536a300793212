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

namespace {
QString& overriddenPath() {
    static QString folder;
    return folder;
}
} // namespace

QString Path() {
    return overriddenPath().isEmpty() ? QCoreApplication::applicationDirPath() : overriddenPath();
}

void SetPath(const QString& folder) {
    overriddenPath() = folder;
}

} // namespace App
