#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>

class QNetworkReply;
class QTimer;

// One HTTP request at a time, in the background. A 10 ms timer watches the request and tells
// the host by an event when the answer has come (OnDateArrived, status 200) or the request
// failed (OnDateErr, with the status code's description; empty when the server could not be
// reached or took too long). The calling order is Open_, SetRequestHeader, Send_.
class uXMLHTTP : public QObject {
    Q_OBJECT

public:
    explicit uXMLHTTP(QObject* parent = nullptr);
    ~uXMLHTTP() override;

    // Prepares a request with the method in upper case, dropping any request still running.
    // The body of a 200 answer is written to savePath when one is given. False, and nothing
    // prepared, when the address is not an http or https address or the method not a word.
    bool Open_(const QString& method, const QString& url, const QString& savePath = {});
    void SetRequestHeader(const QString& name, const QString& value);
    // Sends the prepared request; without one, nothing happens and no event follows.
    void Send_(const QString& body = {});
    // Stops watching and drops the request; no event follows.
    void Abort_();

    // True once the last request has completed, whatever its status, until the next Open_.
    bool DownOK() const { return downOK_; }
    // 0 nothing prepared, 1 prepared or sent, 2 headers received, 3 receiving, 4 completed.
    int ReadyState() const { return state_; }
    // The HTTP status; 0 before the answer and when the server could not be reached.
    int Status() const;
    QString StatusText() const;
    QString GetResponseHeader(const QString& name) const;
    // Every response header as "Name: value", each line ending in CR LF.
    QString GetAllResponseHeaders() const;
    QByteArray ResponseBody() const { return body_; }
    // The body decoded by the charset of its Content-Type, else by its byte-order mark,
    // else as UTF-8.
    QString ResponseText() const;

    // How long a request may run before it fails, however much data keeps arriving. A body
    // longer than 64 KB fails it too.
    void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

Q_SIGNALS:
    void OnDateArrived();
    // Every tick of the watch while a request is outstanding.
    void OnReadyStateChange();
    void OnDateErr(const QString& description);

private:
    void tmrReader_Timer();
    void dropReply();
    void connectReply();
    void readArrivedData();
    void completeRequest();
    void takeArrivedData();
    bool transportFailed() const;
    void saveBody() const;

    QTimer* tmrReader_ = nullptr;
    QNetworkRequest request_;
    QByteArray method_;
    QString savePath_;
    QByteArray body_;
    bool armed_ = false;
    bool downOK_ = false;
    bool tooLong_ = false;
    int state_ = 0;
    QElapsedTimer running_;
    std::chrono::milliseconds timeout_{std::chrono::seconds(30)};
    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
};
