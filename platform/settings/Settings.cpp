#include "platform/settings/Settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace Settings {
namespace {
QString& chosenFolder() {
    static QString folder;
    return folder;
}

QString fileOf(const QString& application) {
    return Folder() + u'/' + application + QStringLiteral(".ini");
}

QString keyOf(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QSettings store(fileOf(application), QSettings::IniFormat);
    return store.value(keyOf(section, key), defaultValue).toString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    QSettings store(fileOf(application), QSettings::IniFormat);
    store.setValue(keyOf(section, key), value);
}

void SetFolder(const QString& folder) {
    chosenFolder() = folder;
}

QString Folder() {
    if (!chosenFolder().isEmpty()) {
        return chosenFolder();
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/qvledger");
}

} // namespace Settings
