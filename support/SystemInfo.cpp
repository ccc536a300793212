#include "support/SystemInfo.h"

#include "platform/sysinfo/SysInfo.h"
#include "support/Registry.h"
#include "support/WindowsVersion.h"

#include <QStringList>

QString SystemBits;
QString SystemDescription;

namespace {
const QString kCurrentVersionKey =
    QStringLiteral(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion)");

QString joinedSystemTypes(const QStringList& types) {
    QStringList present;
    for (const QString& type : types) {
        if (!type.trimmed().isEmpty()) {
            present.push_back(type.trimmed());
        }
    }
    return present.join(u';');
}

QString innerBuildText(const QString& build, const QString& ubr, const QString& lab,
                       const QString& csd) {
    if (ubr != RegError()) {
        return build + u'.' + ubr;
    }
    return csd != RegError() ? lab + QStringLiteral(" : ") + csd : lab;
}
} // namespace

void ComputeSystemDescription() {
    SystemBits = GetSystemBitness();
    if (SystemBits != u"64") {
        SystemBits = GetWow64Bitness();
    }
    SystemDescription = GetOsDescription() + u'[' + SystemBits + QStringLiteral("位]");
}

QString GetOsDescription() {
    const QString name = RegReadString(kCurrentVersionKey, QStringLiteral("ProductName"));
    if (name == RegError()) {
        return GetWindowsVersionName();
    }
    const QString current = RegReadString(kCurrentVersionKey, QStringLiteral("CurrentVersion"));
    const QString build = RegReadString(kCurrentVersionKey, QStringLiteral("CurrentBuildNumber"));
    QString release = RegReadString(kCurrentVersionKey, QStringLiteral("ReleaseId"));
    if (release == RegError()) {
        release = current;
    }
    const QString lab = RegReadString(kCurrentVersionKey, QStringLiteral("BuildLab"));
    const QString csd = RegReadString(kCurrentVersionKey, QStringLiteral("CSDVersion"));
    const QString ubr = RegReadDword(kCurrentVersionKey, QStringLiteral("UBR"));
    return name + QStringLiteral(" 版本:") + release + QStringLiteral(" (内部版本:") +
           innerBuildText(build, ubr, lab, csd) + u')';
}

// ARM64 systems name themselves "ARM64-based PC" and are 64-bit as well.
QString GetSystemBitness() {
    const std::optional<QStringList> types = sysinfo::Current().SystemTypes();
    const QString joined = types ? joinedSystemTypes(*types) : QString();
    const bool is64 = joined.contains(u"x64", Qt::CaseInsensitive) ||
                      joined.contains(u"ARM64", Qt::CaseInsensitive);
    return is64 ? QStringLiteral("64") : QStringLiteral("32");
}

QString GetWow64Bitness() {
    const std::optional<bool> wow64 = sysinfo::Current().IsWow64Process();
    return wow64.value_or(false) ? QStringLiteral("64") : QStringLiteral("32");
}
