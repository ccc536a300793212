#include "platform/ui/FileDialog.h"

#include <QFileDialog>

namespace ui {
namespace {
FileDialogService*& currentService() {
    static FileDialogService* service = nullptr;
    return service;
}

QString runQtDialog(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.caption, request.initialPath, request.filter);
    dialog.setAcceptMode(request.kind == FileRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                 : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileRequest::Kind::Save ? QFileDialog::AnyFile
                                                               : QFileDialog::ExistingFile);
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
    if (FileDialogService* service = currentService()) {
        return service->Choose(parent, request);
    }
    return runQtDialog(parent, request);
}

} // namespace ui
