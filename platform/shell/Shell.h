#pragma once

#include <QString>
#include <QStringList>

// The desktop shell: open an address in the browser, start a program, open a mail.
// Failures are not reported; the callers do not look at them.
namespace Shell {

class ShellService {
public:
    virtual ~ShellService() = default;
    virtual void OpenUrl(const QString& url) = 0;
    virtual void StartProgram(const QString& program, const QStringList& arguments) = 0;
};

// Installs a service; returns the previous one. nullptr restores the desktop's own.
ShellService* SetShellService(ShellService* service);

void OpenUrl(const QString& url);
void StartProgram(const QString& program, const QStringList& arguments);

} // namespace Shell
