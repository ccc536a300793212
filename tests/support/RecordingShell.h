#pragma once

#include "platform/shell/Shell.h"

// Records what the program asks the shell to open; never starts anything.
class RecordingShell : public Shell::ShellService {
public:
    static RecordingShell& Instance();

    void OpenUrl(const QString& url) override { urls.push_back(url); }
    void StartProgram(const QString& program, const QStringList& arguments) override {
        programs.push_back(program + u' ' + arguments.join(u' '));
    }
    void Reset() {
        urls.clear();
        programs.clear();
    }

    QStringList urls;
    QStringList programs;
};
