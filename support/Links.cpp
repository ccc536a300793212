#include "support/Links.h"

#include "platform/app/App.h"
#include "platform/app/WebSites.h"
#include "platform/clock/Clock.h"
#include "platform/shell/Shell.h"

#include <QLocale>
#include <QUrl>

namespace {
QString blanks(int count) {
    return QString(count, u' ');
}

QString feedbackBody() {
    return QStringLiteral("软件名称：") + App::Title() + QStringLiteral(" 姓名：") + blanks(10) +
           QStringLiteral(" Email：") + blanks(11) + QStringLiteral(" 联系地址：") + blanks(11) +
           QStringLiteral(" 邮编：") + blanks(14) + QStringLiteral(" 电话：") + blanks(20) +
           QStringLiteral(" 日期：") + QLocale().toString(Clock::Today(), QLocale::ShortFormat);
}

QString encoded(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString feedbackMailAddress() {
    const QString subject = QStringLiteral("我要对[") + App::Title() + QStringLiteral("]提建议");
    return QStringLiteral("mailto:") + WebSites::Email() + QStringLiteral("?subject=") +
           encoded(subject) + QStringLiteral("&body=") + encoded(feedbackBody());
}
} // namespace

void OpenWebPage(const QString& address, bool newWindow) {
    if (!newWindow && Shell::OpenUrl(address)) {
        return;
    }
    if (Shell::OpenUrlInNewWindow(address)) {
        return;
    }
    if (newWindow) {
        Shell::OpenUrl(address);
    }
}

void SendFeedbackMail() {
    Shell::OpenUrl(feedbackMailAddress());
}
