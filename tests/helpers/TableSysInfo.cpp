#include "helpers/TableSysInfo.h"

TableSysInfo::TableSysInfo() : previous_(sysinfo::SetService(this)) {}

TableSysInfo::~TableSysInfo() {
    sysinfo::SetService(previous_);
}

QString TableSysInfo::address(sysinfo::RegRoot root, const QString& key, const QString& value) {
    return QString::number(static_cast<quint32>(root)) + u'|' + key.toLower() + u'|' +
           value.toLower();
}

void TableSysInfo::SetString(sysinfo::RegRoot root, const QString& key, const QString& value,
                             const QString& text) {
    strings_.insert(address(root, key, value), text);
}

void TableSysInfo::SetDword(sysinfo::RegRoot root, const QString& key, const QString& value,
                            quint32 number) {
    dwords_.insert(address(root, key, value), number);
}

std::optional<QString> TableSysInfo::ReadString(sysinfo::RegRoot root, const QString& key,
                                                const QString& value, bool view64) {
    views64.push_back(view64);
    const auto found = strings_.constFind(address(root, key, value));
    return found == strings_.constEnd() ? std::nullopt : std::optional<QString>(*found);
}

std::optional<quint32> TableSysInfo::ReadDword(sysinfo::RegRoot root, const QString& key,
                                               const QString& value, bool view64) {
    views64.push_back(view64);
    const auto found = dwords_.constFind(address(root, key, value));
    return found == dwords_.constEnd() ? std::nullopt : std::optional<quint32>(*found);
}

std::optional<sysinfo::ProductVersion> TableSysInfo::FileProductVersion(const QString& path) {
    const auto found = productVersions.constFind(path);
    return found == productVersions.constEnd() ? std::nullopt
                                               : std::optional<sysinfo::ProductVersion>(*found);
}
