#include "helpers/LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr char kBuffer[] = "buffer";

// A whole request: the header block and as many body bytes as Content-Length says.
std::optional<LocalHttpServer::Request> parse(const QByteArray& data) {
    const qsizetype end = data.indexOf("\r\n\r\n");
    if (end < 0) {
        return std::nullopt;
    }
    QList<QByteArray> lines = data.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.takeFirst().trimmed().split(' ');
    LocalHttpServer::Request request;
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            request.headers.push_back({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
    }
    const qsizetype length = request.Header("Content-Length").toLongLong();
    if (data.size() < end + 4 + length) {
        return std::nullopt;
    }
    request.body = data.mid(end + 4, length);
    return request;
}
} // namespace

QByteArray LocalHttpServer::Request::Header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

LocalHttpServer::LocalHttpServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    connect(&server_, &QTcpServer::newConnection, this, &LocalHttpServer::acceptConnections);
}

QString LocalHttpServer::Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1").arg(Port()) + path;
}

void LocalHttpServer::acceptConnections() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
    }
}

void LocalHttpServer::readFrom(QTcpSocket* socket) {
    QByteArray data = socket->property(kBuffer).toByteArray() + socket->readAll();
    socket->setProperty(kBuffer, data);
    const std::optional<Request> request = parse(data);
    if (!request) {
        return;
    }
    socket->setProperty(kBuffer, QByteArray());
    requests.push_back(*request);
    if (response_.answer) {
        answer(socket);
    }
}

void LocalHttpServer::answer(QTcpSocket* socket) const {
    QByteArray text = "HTTP/1.1 " + QByteArray::number(response_.status) + ' ' + response_.reason +
                      "\r\nContent-Length: " + QByteArray::number(response_.body.size()) +
                      "\r\nConnection: close\r\n";
    for (const auto& [name, value] : response_.headers) {
        text += name + ": " + value + "\r\n";
    }
    if (response_.dripMs == 0) {
        socket->write(text + "\r\n" + response_.body);
        socket->disconnectFromHost();
        return;
    }
    socket->write(text + "\r\n");
    drip(socket, response_.body, response_.dripMs);
}

// The body a byte at a time, as a slow server keeps a connection alive.
void LocalHttpServer::drip(QTcpSocket* socket, const QByteArray& body, int ms) {
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, body, sent] {
        if (*sent < body.size()) {
            socket->write(body.mid((*sent)++, 1));
        }
    });
    timer->start(ms);
}

quint16 RefusingPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    return probe.serverPort();
}
