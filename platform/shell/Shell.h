#pragma once

#include <QString>
#include <QStringList>

// The desktop shell: open an address in the browser, start a program, open a mail.
// Each answers whether the shell took the request; most callers do not look.
namespace Shell {

class ShellService {
public:
    virtual ~ShellService() = default;
    // With the address's default handler (browser, mail program).
    virtual bool OpenUrl(const QString& url) = 0;
    // In a new window of the default browser; false when that browser cannot be asked to.
    virtual bool OpenUrlInNewWindow(const QString& url) = 0;
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

// Installs a service; returns the previous one. nullptr restores the desktop's own.
ShellService* SetShellService(ShellService* service);

bool OpenUrl(const QString& url);
bool OpenUrlInNewWindow(const QString& url);
bool StartProgram(const QString& program, const QStringList& arguments);

} // namespace Shell
