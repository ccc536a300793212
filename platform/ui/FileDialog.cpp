#include "platform/ui/FileDialog.h"

#include "platform/app/App.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {
namespace {
const QString kSection = QStringLiteral("文件对话框");
const QString kLastFolderKey = QStringLiteral("上次文件夹");

QString startFolder() {
    const QString last = Settings::GetSetting(App::Title(), kSection, kLastFolderKey);
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberFolderOf(const QString& chosen) {
    Settings::SaveSetting(App::Title(), kSection, kLastFolderKey, QFileInfo(chosen).absolutePath());
}

FileDialogService*& currentService() {
    static FileDialogService* service = nullptr;
    return service;
}

QFileDialog::FileMode fileModeOf(FileRequest::Kind kind) {
    switch (kind) {
    case FileRequest::Kind::Save:
        return QFileDialog::AnyFile;
    case FileRequest::Kind::Folder:
        return QFileDialog::Directory;
    case FileRequest::Kind::Open:
        break;
    }
    return QFileDialog::ExistingFile;
}

QString runQtDialog(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.caption, request.initialPath, request.filter);
    // Qt's own dialog speaks the program's language; a desktop's dialog may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.kind == FileRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                 : QFileDialog::AcceptOpen);
    dialog.setFileMode(fileModeOf(request.kind));
    if (!request.defaultExt.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultExt);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
} // namespace

FileDialogService* SetFileDialogService(FileDialogService* service) {
    FileDialogService* previous = currentService();
    currentService() = service;
    return previous;
}

QString ChooseFile(QWidget* parent, const FileRequest& request) {
    FileRequest started = request;
    if (started.initialPath.isEmpty()) {
        started.initialPath = startFolder();
    }
    FileDialogService* service = currentService();
    const QString chosen =
        service != nullptr ? service->Choose(parent, started) : runQtDialog(parent, started);
    if (!chosen.isEmpty()) {
        rememberFolderOf(chosen);
    }
    return chosen;
}

} // namespace ui
