#pragma once

#include <QString>

class QWidget;

// Open and save dialogs. Tests install a script of chosen paths.
namespace ui {

struct FileRequest {
    // Folder: an existing folder, chosen with the same dialog.
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    QString caption;
    QString filter;     // Qt filter text, e.g. "*.xls"
    QString defaultExt; // without the dot
    // Empty: the folder last used, or the user's documents folder the first time.
    QString initialPath;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or an empty text when the user cancels.
    virtual QString Choose(QWidget* parent, const FileRequest& request) = 0;
};

// Installs a service; returns the previous one. nullptr restores the real dialogs.
FileDialogService* SetFileDialogService(FileDialogService* service);

QString ChooseFile(QWidget* parent, const FileRequest& request);

} // namespace ui
