#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace Shell {
namespace {
class DesktopShell : public ShellService {
public:
    void OpenUrl(const QString& url) override { QDesktopServices::openUrl(QUrl(url)); }
    void StartProgram(const QString& program, const QStringList& arguments) override {
        QProcess::startDetached(program, arguments);
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

void OpenUrl(const QString& url) {
    service().OpenUrl(url);
}

void StartProgram(const QString& program, const QStringList& arguments) {
    service().StartProgram(program, arguments);
}

} // namespace Shell
