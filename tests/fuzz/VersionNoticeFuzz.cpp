#include "platform/settings/Settings.h"
#include "platform/shell/Shell.h"
#include "shell/NewestVersion.h"
#include "shell/flogin.h"
#include "support/uXMLHTTP.h"

#include <QApplication>
#include <QNetworkProxy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <memory>

// The input is the whole answer of the vendor's site, status line, headers and body, to the
// startup window's version check.
namespace {
class NoShell : public Shell::ShellService {
public:
    bool OpenUrl(const QString&) override { return true; }
    bool OpenUrlInNewWindow(const QString&) override { return true; }
    bool StartProgram(const QString&, const QStringList&) override { return true; }
};

// Answers every request with the raw bytes of the input and closes the connection.
class RawServer {
public:
    RawServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (socket->readAll().contains("\r\n\r\n")) {
                        socket->write(answer);
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    quint16 Port() const { return server_.serverPort(); }
    QByteArray answer;

private:
    QTcpServer server_;
};

struct Harness {
    Harness() {
        QStandardPaths::setTestModeEnabled(true);
        Shell::SetShellService(&shell);
        Settings::SetFolder(settings.path());
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), server.Port()));
        form = std::make_unique<flogin>();
        http = form->findChild<uXMLHTTP*>(QStringLiteral("uXMLHTTP2"));
        // No pause before the check or between the control's looks at the answer.
        form->Timer1()->setInterval(0);
        http->findChild<QTimer*>(QStringLiteral("tmrReader"))->setInterval(0);
    }
    NoShell shell;
    QTemporaryDir settings;
    RawServer server;
    std::unique_ptr<flogin> form;
    uXMLHTTP* http = nullptr;
};
} // namespace

namespace {
// Made before the first input: the window's first showing fills the font caches, which
// would count as that input's leak.
Harness* harness = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    harness = new Harness;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IsNewerVersion(QString::fromUtf8(input), 2, 6, 0);

    harness->server.answer = input;
    QTimer* check = harness->form->Timer1();
    check->start();
    while (check->isActive() || !harness->http->DownOK()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    harness->http->ResponseText();
    harness->http->GetAllResponseHeaders();
    harness->http->StatusText();
    return 0;
}
