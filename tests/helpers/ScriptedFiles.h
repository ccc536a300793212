#pragma once

#include "platform/ui/FileDialog.h"

#include <QList>

// Stands in for the file dialogs: each one answers with the next scripted path ("" is
// Cancel) and records what it was asked. A dialog without an answer fails the test.
class ScriptedFiles : public ui::FileDialogService {
public:
    ScriptedFiles();
    ~ScriptedFiles() override;

    void Answer(const QString& path) { answers_.push_back(path); }
    const QList<ui::FileRequest>& Requests() const { return requests_; }

    QString Choose(QWidget* parent, const ui::FileRequest& request) override;

private:
    QList<QString> answers_;
    QList<ui::FileRequest> requests_;
    ui::FileDialogService* previous_;
};
