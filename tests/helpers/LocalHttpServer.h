#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for the tests, on the test's own thread. Every request
// gets the same scripted response; it also serves as an HTTP proxy, since it answers
// whatever address the request line names.
class LocalHttpServer : public QObject {
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Response {
        int status = 200;
        QByteArray reason = "OK";
        Headers headers;
        QByteArray body;
        // False: the request is read and never answered.
        bool answer = true;
        // Above 0: the body is sent a byte at a time, this many milliseconds apart.
        int dripMs = 0;
    };
    static Response Silent() {
        Response response;
        response.answer = false;
        return response;
    }

    struct Request {
        QByteArray method;
        // As the request line gives it: "/path", or the whole address when asked as a proxy.
        QByteArray target;
        Headers headers;
        QByteArray body;
        QByteArray Header(const QByteArray& name) const;
    };

    LocalHttpServer();

    quint16 Port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" + path
    QString Url(const QString& path) const;
    void Respond(const Response& response) { response_ = response; }

    QList<Request> requests;

private:
    void acceptConnections();
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket) const;
    static void drip(QTcpSocket* socket, const QByteArray& body, int ms);

    QTcpServer server_;
    Response response_;
};

// A port on 127.0.0.1 where nothing listens: connections to it are refused.
quint16 RefusingPort();
