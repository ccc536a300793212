#pragma once

#include "platform/shell/Shell.h"

// Records what the program asks the shell to open; never starts anything. Each kind of
// request succeeds unless a test says otherwise.
class RecordingShell : public Shell::ShellService {
public:
    static RecordingShell& Instance();

    bool OpenUrl(const QString& url) override {
        urls.push_back(url);
        return openUrlSucceeds;
    }
    bool OpenUrlInNewWindow(const QString& url) override {
        newWindowUrls.push_back(url);
        return newWindowSucceeds;
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        programs.push_back(arguments.isEmpty() ? program : program + u' ' + arguments.join(u' '));
        return startSucceeds;
    }
    void Reset() { *this = RecordingShell(); }

    QStringList urls;
    QStringList newWindowUrls;
    QStringList programs;
    bool openUrlSucceeds = true;
    bool newWindowSucceeds = true;
    bool startSucceeds = true;
};
