#include "platform/shell/Shell.h"

#include "platform/shell/DefaultBrowser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace Shell {
namespace {
class DesktopShell : public ShellService {
public:
    bool OpenUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    bool OpenUrlInNewWindow(const QString& url) override {
        const std::optional<QStringList> command =
            NewWindowCommand(DefaultBrowserDesktopEntry(), url);
        return command && QProcess::startDetached(command->first(), command->mid(1));
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }
};

ShellService*& currentService() {
    static ShellService* service = nullptr;
    return service;
}

ShellService& service() {
    static DesktopShell desktop;
    ShellService* installed = currentService();
    return installed != nullptr ? *installed : desktop;
}
} // namespace

ShellService* SetShellService(ShellService* service) {
    ShellService* previous = currentService();
    currentService() = service;
    return previous;
}

bool OpenUrl(const QString& url) {
    return service().OpenUrl(url);
}

bool OpenUrlInNewWindow(const QString& url) {
    return service().OpenUrlInNewWindow(url);
}

bool StartProgram(const QString& program, const QStringList& arguments) {
    return service().StartProgram(program, arguments);
}

} // namespace Shell
