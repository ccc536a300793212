#include "support/uXMLHTTP.h"

#include "support/HttpStatusText.h"

#include <QNetworkReply>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kCompleted = 4;
constexpr int kStatusOk = 200;
// The notices this control fetches are a few characters; a longer answer is not one.
constexpr qint64 kLongestBody = 64 * 1024;

QByteArray charsetOf(const QByteArray& contentType) {
    for (const QByteArray& parameter : contentType.split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.toLower().startsWith("charset=")) {
            QByteArray charset = trimmed.mid(8).trimmed();
            if (charset.size() >= 2 && charset.startsWith('"') && charset.endsWith('"')) {
                charset = charset.mid(1, charset.size() - 2);
            }
            return charset;
        }
    }
    return {};
}

QString decode(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = charsetOf(contentType);
    if (!charset.isEmpty()) {
        QStringDecoder named(charset.constData());
        if (named.isValid()) {
            return named.decode(body);
        }
    }
    QStringDecoder decoder(
        QStringConverter::encodingForData(body).value_or(QStringConverter::Utf8));
    return decoder.decode(body);
}

// A method or header name: one HTTP token, which keeps the request line and headers whole.
bool isToken(const QByteArray& text) {
    static const QByteArray punctuation = "!#$%&'*+-.^_`|~";
    if (text.isEmpty()) {
        return false;
    }
    for (const char c : text) {
        const bool alphanumeric =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alphanumeric && !punctuation.contains(c)) {
            return false;
        }
    }
    return true;
}

// A save path may be given as a file:/// address.
QString localPath(const QString& savePath) {
    if (savePath.left(8).compare(u"file:///", Qt::CaseInsensitive) == 0) {
        return QUrl(savePath).toLocalFile();
    }
    return savePath;
}
} // namespace

uXMLHTTP::uXMLHTTP(QObject* parent) : QObject(parent), tmrReader_(new QTimer(this)) {
    tmrReader_->setObjectName(QStringLiteral("tmrReader"));
    tmrReader_->setInterval(10);
    connect(tmrReader_, &QTimer::timeout, this, &uXMLHTTP::tmrReader_Timer);
}

uXMLHTTP::~uXMLHTTP() {
    if (reply_) {
        reply_->disconnect(this);
    }
}

bool uXMLHTTP::Open_(const QString& method, const QString& url, const QString& savePath) {
    downOK_ = false;
    tmrReader_->stop();
    dropReply();
    armed_ = false;
    state_ = 0;
    const QUrl address(url, QUrl::StrictMode);
    const QByteArray verb = method.toUpper().toUtf8();
    if (!address.isValid() || address.host().isEmpty() ||
        (address.scheme() != u"http" && address.scheme() != u"https") || !isToken(verb)) {
        return false;
    }
    request_ = QNetworkRequest(address);
    method_ = verb;
    savePath_ = savePath;
    armed_ = true;
    state_ = 1;
    return true;
}

// A header that would break the request (a line break in its value) is passed over.
void uXMLHTTP::SetRequestHeader(const QString& name, const QString& value) {
    const QByteArray field = name.toUtf8();
    const QByteArray text = value.toUtf8();
    if (armed_ && isToken(field) && !text.contains('\r') && !text.contains('\n')) {
        request_.setRawHeader(field, text);
    }
}

void uXMLHTTP::Send_(const QString& body) {
    if (!armed_) {
        return;
    }
    armed_ = false;
    reply_ = manager_.sendCustomRequest(request_, method_, body.toUtf8());
    connectReply();
    running_.start();
    tmrReader_->start();
}

void uXMLHTTP::Abort_() {
    tmrReader_->stop();
    dropReply();
    armed_ = false;
    state_ = 0;
}

int uXMLHTTP::Status() const {
    if (!reply_ || transportFailed()) {
        return 0;
    }
    return reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

QString uXMLHTTP::StatusText() const {
    if (!reply_ || transportFailed()) {
        return {};
    }
    return QString::fromUtf8(
        reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
}

QString uXMLHTTP::GetResponseHeader(const QString& name) const {
    return reply_ ? QString::fromUtf8(reply_->rawHeader(name.toLatin1())) : QString();
}

QString uXMLHTTP::GetAllResponseHeaders() const {
    QString headers;
    if (reply_) {
        for (const auto& [name, value] : reply_->rawHeaderPairs()) {
            headers += QString::fromUtf8(name + ": " + value + "\r\n");
        }
    }
    return headers;
}

QString uXMLHTTP::ResponseText() const {
    return decode(body_, reply_ ? reply_->rawHeader("Content-Type") : QByteArray());
}

void uXMLHTTP::tmrReader_Timer() {
    Q_EMIT OnReadyStateChange();
    if (state_ != kCompleted && reply_ && running_.elapsed() >= timeout_.count()) {
        reply_->abort();
    }
    if (state_ != kCompleted) {
        return;
    }
    tmrReader_->stop();
    downOK_ = true;
    if (tooLong_) {
        Q_EMIT OnDateErr(QStringLiteral("返回信息过长"));
        return;
    }
    const int status = Status();
    if (status != kStatusOk) {
        Q_EMIT OnDateErr(HttpStatusText(status));
        return;
    }
    saveBody();
    Q_EMIT OnDateArrived();
}

void uXMLHTTP::dropReply() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    reply_ = nullptr;
    body_.clear();
    tooLong_ = false;
}

void uXMLHTTP::connectReply() {
    reply_->setReadBufferSize(kLongestBody + 1);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] { state_ = qMax(state_, 2); });
    connect(reply_, &QNetworkReply::readyRead, this, &uXMLHTTP::readArrivedData);
    connect(reply_, &QNetworkReply::finished, this, &uXMLHTTP::completeRequest);
}

void uXMLHTTP::readArrivedData() {
    takeArrivedData();
    state_ = qMax(state_, 3);
}

void uXMLHTTP::completeRequest() {
    if (reply_->isOpen()) {
        takeArrivedData();
    }
    state_ = kCompleted;
}

// At most one byte past the longest body is kept: that byte ends the request.
void uXMLHTTP::takeArrivedData() {
    if (tooLong_) {
        return;
    }
    body_ += reply_->read(kLongestBody + 1 - body_.size());
    if (body_.size() > kLongestBody) {
        tooLong_ = true;
        body_.clear();
        reply_->abort();
    }
}

// Refused, unreachable, cut off, timed out: no status of the server counts then.
bool uXMLHTTP::transportFailed() const {
    const QNetworkReply::NetworkError error = reply_->error();
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

// Through a temporary file and a rename, so a failed write leaves any earlier file whole.
void uXMLHTTP::saveBody() const {
    if (savePath_.isEmpty() || body_.isEmpty()) {
        return;
    }
    QSaveFile file(localPath(savePath_));
    if (file.open(QIODevice::WriteOnly) && file.write(body_) == body_.size()) {
        file.commit();
    }
}
