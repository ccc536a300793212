#pragma once

#include "platform/sysinfo/SysInfo.h"

#include <QHash>
#include <QList>

// Stands in for the system's values while it lives: registry values, system type, version
// information and files' product versions come from tables the test fills.
class TableSysInfo : public sysinfo::Service {
public:
    TableSysInfo();
    ~TableSysInfo() override;
    TableSysInfo(const TableSysInfo&) = delete;
    TableSysInfo& operator=(const TableSysInfo&) = delete;

    // Registry key paths and value names are found regardless of letter case.
    void SetString(sysinfo::RegRoot root, const QString& key, const QString& value,
                   const QString& text);
    void SetDword(sysinfo::RegRoot root, const QString& key, const QString& value, quint32 number);

    std::optional<QString> ReadString(sysinfo::RegRoot root, const QString& key,
                                      const QString& value, bool view64) override;
    std::optional<quint32> ReadDword(sysinfo::RegRoot root, const QString& key,
                                     const QString& value, bool view64) override;
    std::optional<QStringList> SystemTypes() override { return systemTypes; }
    std::optional<bool> IsWow64Process() override { return wow64; }
    QString SystemFolder() override { return systemFolder; }
    std::optional<sysinfo::ProductVersion> FileProductVersion(const QString& path) override;
    std::optional<sysinfo::OsVersion> Version() override { return version; }
    QString SystemInformationProgram() override { return systemInformationProgram; }
    QString AccountName() override { return accountName; }
    QString HostName() override { return hostName; }

    std::optional<QStringList> systemTypes = QStringList{QStringLiteral("x64-based PC")};
    std::optional<bool> wow64 = false;
    QString systemFolder;
    QHash<QString, sysinfo::ProductVersion> productVersions;
    std::optional<sysinfo::OsVersion> version;
    QString systemInformationProgram;
    QString accountName = QStringLiteral("qa01");
    QString hostName = QStringLiteral("QA-PC");
    // The view of every registry read, in order: true for the 64-bit view.
    QList<bool> views64;

private:
    static QString address(sysinfo::RegRoot root, const QString& key, const QString& value);

    QHash<QString, QString> strings_;
    QHash<QString, quint32> dwords_;
    sysinfo::Service* previous_ = nullptr;
};
