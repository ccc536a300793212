#include "helpers/ScriptedFiles.h"

#include <gtest/gtest.h>

ScriptedFiles::ScriptedFiles() : previous_(ui::SetFileDialogService(this)) {}

ScriptedFiles::~ScriptedFiles() {
    ui::SetFileDialogService(previous_);
    EXPECT_TRUE(answers_.isEmpty()) << "scripted file answers left over";
}

QString ScriptedFiles::Choose(QWidget*, const ui::FileRequest& request) {
    requests_.push_back(request);
    if (answers_.isEmpty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return {};
    }
    return answers_.takeFirst();
}
