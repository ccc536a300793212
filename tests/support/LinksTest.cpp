#include "support/Links.h"

#include "helpers/QvTest.h"
#include "helpers/RecordingShell.h"
#include "platform/clock/Clock.h"

#include <QLocale>
#include <QUrl>
#include <QUrlQuery>

namespace {
TEST(OpenWebPage, TriesTheOtherWayOnlyWhenTheFirstFails) {
    struct Case {
        bool newWindow;
        bool openSucceeds;
        bool newWindowSucceeds;
        int opened;
        int newWindows;
    };
    const std::vector<Case> cases = {
        {false, true, true, 1, 0}, {false, false, true, 1, 1}, {false, false, false, 1, 1},
        {true, true, true, 0, 1},  {true, true, false, 1, 1},
    };
    const QString page = QStringLiteral("http://www.quorvane.example/qvledger/");
    for (const Case& c : cases) {
        RecordingShell& shell = RecordingShell::Instance();
        shell.Reset();
        shell.openUrlSucceeds = c.openSucceeds;
        shell.newWindowSucceeds = c.newWindowSucceeds;
        OpenWebPage(page, c.newWindow);
        EXPECT_EQ(shell.urls, QStringList(c.opened, page))
            << c.newWindow << c.openSucceeds << c.newWindowSucceeds;
        EXPECT_EQ(shell.newWindowUrls, QStringList(c.newWindows, page))
            << c.newWindow << c.openSucceeds << c.newWindowSucceeds;
        EXPECT_TRUE(shell.programs.isEmpty());
    }
}

class SendFeedbackMailTest : public QvTest {
protected:
    void SetUp() override {
        previous = QLocale();
        QLocale::setDefault(
            QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    }
    void TearDown() override {
        QLocale::setDefault(previous);
        QvTest::TearDown();
    }
    QLocale previous;
};

TEST_F(SendFeedbackMailTest, OpensAPrefilledPercentEncodedMailToTheVendor) {
    Clock::SetFixedNow(QDateTime(QDate(2031, 7, 5), QTime(9, 30)));
    SendFeedbackMail();
    ASSERT_EQ(RecordingShell::Instance().urls.size(), 1);
    const QString address = RecordingShell::Instance().urls[0];

    for (const QChar c : address) {
        EXPECT_TRUE(c.unicode() > 32 && c.unicode() < 127) << address.toStdString();
    }
    const QUrl mail(address);
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "support@quorvane.example");
    const QUrlQuery query(mail);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded),
              "我要对[Quorvane制药GMP教育训练管理]提建议");
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded),
              "软件名称：Quorvane制药GMP教育训练管理 姓名：" + QString(10, ' ') + " Email：" +
                  QString(11, ' ') + " 联系地址：" + QString(11, ' ') + " 邮编：" +
                  QString(14, ' ') + " 电话：" + QString(20, ' ') + " 日期：2031/7/5");
    EXPECT_FALSE(address.contains('+'));
}
} // namespace
