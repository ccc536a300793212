#include "support/WindowsVersion.h"

#include "platform/ui/MessageBox.h"
#include "store/ModuleDataBase.h"

#include <QStringList>
#include <array>
#include <utility>

namespace {
constexpr quint32 kPlatformDos = 0;
constexpr quint32 kPlatformWindows9x = 1;
constexpr quint32 kPlatformNt = 2;
constexpr quint8 kProductTypeServer = 3;

QString windows9xName(const sysinfo::OsVersion& v) {
    const QString servicePack = v.servicePack.trimmed();
    switch (v.minor) {
    case 0:
        return servicePack == u"C" || servicePack == u"B" ? QStringLiteral("Windows 95 OSR2")
                                                          : QStringLiteral("Windows 95");
    case 10:
        return servicePack == u"A" ? QStringLiteral("Windows 98 SE") : QStringLiteral("Windows 98");
    case 90:
        return QStringLiteral("Windows Millennium Edition");
    default:
        return {};
    }
}

// The suite mask is compared as a whole, as the system reported it.
QString nt5Name(const sysinfo::OsVersion& v) {
    if (v.minor == 0) {
        switch (v.suiteMask) {
        case 2:
            return QStringLiteral("Windows 2000 Advanced");
        case 128:
            return QStringLiteral("Windows 2000 Data center");
        default:
            return QStringLiteral("Windows 2000");
        }
    }
    if (v.minor == 1) {
        switch (v.suiteMask) {
        case 0:
            return QStringLiteral("Windows XP Professional");
        case 512:
            return QStringLiteral("Windows XP Home");
        default:
            return QStringLiteral("Windows XP");
        }
    }
    if (v.minor == 2) {
        switch (v.suiteMask) {
        case 0:
            return QStringLiteral("Windows Server 2003 Standard");
        case 2:
            return QStringLiteral("Windows Server 2003 Enterprise");
        case 128:
            return QStringLiteral("Windows Server 2003 Data center");
        case 274:
            return QStringLiteral("Windows Server 2003 R2 Enterprise");
        case 1024:
            return QStringLiteral("Windows Server 2003 Web Edition");
        default:
            return QStringLiteral("Windows Server 2003");
        }
    }
    return {};
}

QString nt6Name(const sysinfo::OsVersion& v) {
    const QString edition = v.productCode ? EditionText(*v.productCode) : QString();
    const bool server = v.productType == kProductTypeServer;
    switch (v.minor) {
    case 0:
        return (server ? QStringLiteral("Windows Server 2008 ")
                       : QStringLiteral("Windows Vista ")) +
               edition;
    case 1:
        return (server ? QStringLiteral("Windows Server 2008 R2 ") : QStringLiteral("Windows 7 ")) +
               edition;
    case 2:
        return (server ? QStringLiteral("Windows Server 2012 ") : QStringLiteral("Windows 8 ")) +
               edition;
    case 3:
        return QStringLiteral("Windows 8.1 ") + edition;
    case 4:
        return QStringLiteral("Windows 10 ") + edition;
    default:
        return QStringLiteral("未知系统 ") + edition;
    }
}

QString ntName(const sysinfo::OsVersion& v) {
    switch (v.major) {
    case 3:
        return QStringLiteral("Windows NT 3.51");
    case 4:
        return QStringLiteral("Windows NT 4.0");
    case 5:
        return nt5Name(v);
    case 6:
        return nt6Name(v);
    default:
        return {};
    }
}

QString platformName(const sysinfo::OsVersion& v) {
    switch (v.platformId) {
    case kPlatformDos:
        return QStringLiteral("DOS");
    case kPlatformWindows9x:
        return windows9xName(v);
    case kPlatformNt:
        return ntName(v);
    default:
        return QStringLiteral("Unknown System Version!");
    }
}

QString servicePackText(const sysinfo::OsVersion& v) {
    if (v.platformId != kPlatformNt || (v.major != 5 && v.major != 6) || v.servicePackMajor == 0) {
        return {};
    }
    QString text = QStringLiteral(" Service Pack ") + QString::number(v.servicePackMajor);
    if (v.servicePackMinor > 0) {
        text += u'.' + QString::number(v.servicePackMinor);
    }
    return text;
}

// Windows 8.1 and later report 6.2 to the version query; the product version of the
// system library tells the truth.
std::optional<QString> nameFromProductVersion(const QString& productVersion) {
    const QStringList parts = productVersion.split(u'.');
    if (parts.size() < 4) {
        return std::nullopt;
    }
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts[0].toInt(&majorOk);
    const int minor = parts[1].toInt(&minorOk);
    if (!majorOk || !minorOk) {
        return std::nullopt;
    }
    if (major > 6) {
        return QStringLiteral("Windows ") + productVersion;
    }
    if (major == 6 && minor >= 3) {
        return QStringLiteral("Windows 8.1 [") + productVersion + u']';
    }
    return std::nullopt;
}
} // namespace

QString ProductVersionText(const sysinfo::ProductVersion& version) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.mostSignificant >> 16)
        .arg(version.mostSignificant & 0xFFFF)
        .arg(version.leastSignificant >> 16)
        .arg(version.leastSignificant & 0xFFFF);
}

QString EditionText(quint32 productCode) {
    static const std::array<std::pair<quint32, const char*>, 30> editions{{
        {6, "Business Edition"},
        {16, "Business Edition (N)"},
        {18, "Cluster Server Edition"},
        {8, "Server Datacenter Edition (full installation)"},
        {12, "Server Datacenter Edition (core installation)"},
        {4, "Enterprise Edition"},
        {27, "Enterprise Edition (N)"},
        {10, "Server Enterprise Edition (full installation)"},
        {14, "Server Enterprise Edition (core installation)"},
        {15, "Server Enterprise Edition for Itanium-based Systems"},
        {2, "Home Basic Edition"},
        {5, "Home Basic Edition (N)"},
        {3, "Home Premium Edition"},
        {26, "Home Premium Edition (N)"},
        {19, "Home Server Edition"},
        {24, "Server for Small Business Edition"},
        {9, "Small Business Server"},
        {25, "Small Business Server Premium Edition"},
        {7, "Server Standard Edition (full installation)"},
        {13, "Server Standard Edition (core installation)"},
        {11, "Starter Edition"},
        {23, "Storage Server Enterprise Edition"},
        {20, "Storage Server Express Edition"},
        {21, "Storage Server Standard Edition"},
        {22, "Storage Server Workgroup Edition"},
        {1, "Ultimate Edition"},
        {28, "Ultimate Edition (N)"},
        {0, "An unknown product"},
        {0xABCDABCD, "Not activated product"},
        {17, "Web Server Edition"},
    }};
    for (const auto& [code, text] : editions) {
        if (code == productCode) {
            return QString::fromLatin1(text);
        }
    }
    return {};
}

QString WindowsVersionName(const QString& kernelProductVersion,
                           const std::optional<sysinfo::OsVersion>& version) {
    if (const std::optional<QString> name = nameFromProductVersion(kernelProductVersion)) {
        return *name;
    }
    if (!version) {
        return QStringLiteral("Unknown System Version!");
    }
    return platformName(*version) + servicePackText(*version) +
           QStringLiteral(" [Version: %1.%2.%3]")
               .arg(version->major)
               .arg(version->minor)
               .arg(version->build);
}

QString GetWindowsVersionName() {
    const QString folder = GetSystemFolder();
    const QString kernel = folder + QStringLiteral("/kernel32.dll");
    const QString productVersion =
        !folder.isEmpty() && CheckFileExists(kernel) ? ReadFileProductVersion(kernel) : QString();
    return WindowsVersionName(productVersion, sysinfo::Current().Version());
}

QString ReadFileProductVersion(const QString& path) {
    const std::optional<sysinfo::ProductVersion> version =
        sysinfo::Current().FileProductVersion(path);
    if (!version) {
        ui::MsgBox(QStringLiteral("No Version Info available!"));
        return {};
    }
    return ProductVersionText(*version);
}

QString GetSystemFolder() {
    QString folder = sysinfo::Current().SystemFolder();
    while (folder.endsWith(u'\\') || folder.endsWith(u'/')) {
        folder.chop(1);
    }
    return folder;
}
