#pragma once

#include <QNetworkProxy>

// While it lives, requests to addresses other than 127.0.0.1 go through the HTTP proxy on
// 127.0.0.1 at the given port; afterwards the proxy that was set before is back.
class ProxyScope {
public:
    explicit ProxyScope(quint16 port) : previous_(QNetworkProxy::applicationProxy()) {
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), port));
    }
    ~ProxyScope() { QNetworkProxy::setApplicationProxy(previous_); }
    ProxyScope(const ProxyScope&) = delete;
    ProxyScope& operator=(const ProxyScope&) = delete;

private:
    QNetworkProxy previous_;
};
