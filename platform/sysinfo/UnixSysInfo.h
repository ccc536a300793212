#pragma once

#include "platform/sysinfo/SysInfo.h"

namespace sysinfo {

// The system values on a system without the Windows registry: the key of the Windows version
// is answered from os-release and uname, so the description keeps its usual form
// ("Debian GNU/Linux 版本:12 (内部版本:6.1.0-18-amd64)"). Other keys do not exist.
class UnixSysInfo : public Service {
public:
    std::optional<QString> ReadString(RegRoot root, const QString& key, const QString& value,
                                      bool view64) override;
    std::optional<quint32> ReadDword(RegRoot root, const QString& key, const QString& value,
                                     bool view64) override;
    std::optional<QStringList> SystemTypes() override;
    std::optional<bool> IsWow64Process() override;
    QString SystemFolder() override;
    std::optional<ProductVersion> FileProductVersion(const QString& path) override;
    std::optional<OsVersion> Version() override;
    QString SystemInformationProgram() override;
    QString AccountName() override;
    QString HostName() override;
};

} // namespace sysinfo
