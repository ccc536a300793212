#pragma once

#include <QString>

// The per-user settings store: text values addressed by application, section and key.
// Each application keeps one file in the user's configuration folder.
namespace Settings {

// The stored value, or the default when the key was never written.
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = {});
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// The folder that holds the settings files; tests point it at a temporary folder.
// An empty folder returns to the user's configuration folder.
void SetFolder(const QString& folder);
QString Folder();

} // namespace Settings
