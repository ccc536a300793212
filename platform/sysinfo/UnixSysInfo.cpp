#include "platform/sysinfo/UnixSysInfo.h"

#include "platform/sysinfo/OsRelease.h"

#include <QStandardPaths>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace sysinfo {
namespace {
const QString kCurrentVersionKey =
    QStringLiteral(R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)");

struct Uname {
    QString sysname;
    QString release;
    QString machine;
};

Uname readUname() {
    utsname names{};
    if (uname(&names) != 0) {
        return {};
    }
    return {QString::fromLocal8Bit(names.sysname), QString::fromLocal8Bit(names.release),
            QString::fromLocal8Bit(names.machine)};
}

QString firstPresent(const QHash<QString, QString>& fields, const QStringList& names,
                     const QString& otherwise) {
    for (const QString& name : names) {
        if (!fields.value(name).isEmpty()) {
            return fields.value(name);
        }
    }
    return otherwise;
}

// The values of the Windows version key, from the system's release information.
std::optional<QString> versionValue(const QString& value) {
    const QHash<QString, QString> release = ReadOsRelease();
    const Uname names = readUname();
    if (value.compare(u"ProductName", Qt::CaseInsensitive) == 0) {
        return firstPresent(release, {QStringLiteral("NAME")}, names.sysname);
    }
    if (value.compare(u"ReleaseId", Qt::CaseInsensitive) == 0) {
        const QString id = release.value(QStringLiteral("VERSION_ID"));
        return id.isEmpty() ? std::nullopt : std::optional<QString>(id);
    }
    if (value.compare(u"CurrentVersion", Qt::CaseInsensitive) == 0) {
        return firstPresent(release, {QStringLiteral("VERSION_ID"), QStringLiteral("BUILD_ID")},
                            names.release);
    }
    if (value.compare(u"CurrentBuildNumber", Qt::CaseInsensitive) == 0 ||
        value.compare(u"BuildLab", Qt::CaseInsensitive) == 0) {
        return names.release;
    }
    return std::nullopt;
}

bool isX64(const QString& machine) {
    return machine == u"x86_64" || machine == u"amd64";
}

bool isArm64(const QString& machine) {
    return machine == u"aarch64" || machine == u"arm64";
}
} // namespace

std::optional<QString> UnixSysInfo::ReadString(RegRoot root, const QString& key,
                                               const QString& value, bool) {
    if (root != RegRoot::LocalMachine ||
        key.compare(kCurrentVersionKey, Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    return versionValue(value);
}

std::optional<quint32> UnixSysInfo::ReadDword(RegRoot, const QString&, const QString&, bool) {
    return std::nullopt;
}

// Named as the Windows management service names them, so that the bitness test reads them alike.
std::optional<QStringList> UnixSysInfo::SystemTypes() {
    const QString machine = readUname().machine;
    if (machine.isEmpty()) {
        return std::nullopt;
    }
    if (isX64(machine)) {
        return QStringList{QStringLiteral("x64-based PC")};
    }
    if (isArm64(machine)) {
        return QStringList{QStringLiteral("ARM64-based PC")};
    }
    if (machine.size() == 4 && machine.startsWith(u'i') && machine.endsWith(u"86")) {
        return QStringList{QStringLiteral("X86-based PC")};
    }
    return QStringList{machine + QStringLiteral("-based PC")};
}

std::optional<bool> UnixSysInfo::IsWow64Process() {
    const QString machine = readUname().machine;
    return QT_POINTER_SIZE == 4 && (isX64(machine) || isArm64(machine));
}

QString UnixSysInfo::SystemFolder() {
    return {};
}

std::optional<ProductVersion> UnixSysInfo::FileProductVersion(const QString&) {
    return std::nullopt;
}

std::optional<OsVersion> UnixSysInfo::Version() {
    return std::nullopt;
}

QString UnixSysInfo::SystemInformationProgram() {
    for (const char* program : {"kinfocenter", "hardinfo2", "hardinfo", "gnome-system-monitor"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

// The account the process runs as, not what the environment claims.
QString UnixSysInfo::AccountName() {
    if (const passwd* entry = getpwuid(geteuid())) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString::number(geteuid());
}

QString UnixSysInfo::HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return QString::fromLocal8Bit(name);
}

} // namespace sysinfo
