#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// Where the system description comes from: the Windows registry, the version query and the
// management service on Windows; the system's own release information elsewhere; a table in
// tests. The routines that turn these values into texts live in support/.
namespace sysinfo {

// The predefined registry roots, with the values of their Windows handles.
enum class RegRoot : quint32 {
    None = 0,
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    PerformanceData = 0x80000004,
    CurrentConfig = 0x80000005,
    DynData = 0x80000006,
};

// The extended version information of the system.
struct OsVersion {
    quint32 platformId = 0;
    quint32 major = 0;
    quint32 minor = 0;
    quint32 build = 0;
    QString servicePack;
    quint16 servicePackMajor = 0;
    quint16 servicePackMinor = 0;
    quint16 suiteMask = 0;
    quint8 productType = 0;
    // The product-information code of the installed edition; nullopt where none is known.
    std::optional<quint32> productCode;
};

// A file's product version as the two 32-bit halves of its fixed version information.
struct ProductVersion {
    quint32 mostSignificant = 0;
    quint32 leastSignificant = 0;
};

class Service {
public:
    virtual ~Service() = default;
    // A string value as stored, or nullopt when the key or value is missing or not a string.
    virtual std::optional<QString> ReadString(RegRoot root, const QString& key,
                                              const QString& value, bool view64) = 0;
    // A 32-bit number value, or nullopt when missing or of another type.
    virtual std::optional<quint32> ReadDword(RegRoot root, const QString& key, const QString& value,
                                             bool view64) = 0;
    // The system-type texts of the computer ("x64-based PC"); nullopt when the query fails.
    virtual std::optional<QStringList> SystemTypes() = 0;
    // Whether this is a 32-bit process on a 64-bit system; nullopt when the system cannot tell.
    virtual std::optional<bool> IsWow64Process() = 0;
    // The folder of the system's own libraries; empty where there is none.
    virtual QString SystemFolder() = 0;
    virtual std::optional<ProductVersion> FileProductVersion(const QString& path) = 0;
    virtual std::optional<OsVersion> Version() = 0;
    // The platform's own system-information program; empty when none is installed.
    virtual QString SystemInformationProgram() = 0;
    // Who works at the computer and which computer it is, as the audit trail names them.
    virtual QString AccountName() = 0;
    virtual QString HostName() = 0;
};

// Installs a service; returns the previous one. nullptr restores the system's own.
Service* SetService(Service* service);
Service& Current();

} // namespace sysinfo
