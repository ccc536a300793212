#include "support/uXMLHTTP.h"

#include "helpers/LocalHttpServer.h"
#include "helpers/QvTest.h"
#include "helpers/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {
using Response = LocalHttpServer::Response;

// The control with every event it raised.
class uXMLHTTPTest : public QvTest {
protected:
    void SetUp() override {
        QObject::connect(&http, &uXMLHTTP::OnDateArrived, [this] { ++arrived; });
        QObject::connect(&http, &uXMLHTTP::OnDateErr,
                         [this](const QString& description) { errors.push_back(description); });
        QObject::connect(&http, &uXMLHTTP::OnReadyStateChange, [this] { ++stateChanges; });
    }

    bool heard() const { return arrived + errors.size() > 0; }
    void get(const QString& url, const QString& savePath = {}) {
        ASSERT_TRUE(http.Open_(QStringLiteral("GET"), url, savePath));
        http.Send_();
        ASSERT_TRUE(WaitFor([this] { return heard(); }));
    }
    bool polling() const { return http.findChild<QTimer*>("tmrReader")->isActive(); }

    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    static void write(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    LocalHttpServer server;
    uXMLHTTP http;
    int arrived = 0;
    QStringList errors;
    int stateChanges = 0;
};

TEST_F(uXMLHTTPTest, A200AnswerArrivesOnceWithBodyStatusAndHeaders) {
    server.Respond(
        {200, "OK", {{"Content-Type", "text/plain"}, {"X-Edition", "QA"}}, "2.5.530\r\n"});
    get(server.Url("/qvledger/newver.txt"));

    EXPECT_EQ(arrived, 1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_GE(stateChanges, 1);
    EXPECT_FALSE(polling());
    EXPECT_TRUE(http.DownOK());
    EXPECT_EQ(http.ReadyState(), 4);
    EXPECT_EQ(http.Status(), 200);
    EXPECT_EQ(http.StatusText(), "OK");
    EXPECT_EQ(http.ResponseText(), "2.5.530\r\n");
    EXPECT_EQ(http.ResponseBody(), "2.5.530\r\n");
    EXPECT_EQ(http.GetResponseHeader("x-edition"), "QA");
    EXPECT_TRUE(http.GetAllResponseHeaders().contains("X-Edition: QA\r\n"));
    EXPECT_TRUE(http.GetAllResponseHeaders().endsWith("\r\n"));
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[0].target, "/qvledger/newver.txt");
}

TEST_F(uXMLHTTPTest, StatusesOtherThan200RaiseOnDateErrWithTheirDescription) {
    const std::vector<std::pair<int, QString>> cases = {
        {203, "返回信息不确定或不完整"},
        {204, "请求收到，但返回信息为空"},
        {404, "没有发现文件?查询或URl"},
        {503, "服务器过载或暂停维修"},
        {299, ""},
        {601, ""},
    };
    for (const auto& [status, description] : cases) {
        arrived = 0;
        errors.clear();
        server.Respond({status, "Whatever", {}, "body"});
        get(server.Url("/file"));
        EXPECT_EQ(arrived, 0) << status;
        EXPECT_EQ(errors, QStringList{description}) << status;
        EXPECT_EQ(http.Status(), status);
        EXPECT_TRUE(http.DownOK());
        EXPECT_FALSE(polling());
    }
}

TEST_F(uXMLHTTPTest, ARefusedConnectionRaisesOnDateErrWithAnEmptyDescription) {
    get(QStringLiteral("http://127.0.0.1:%1/newver.txt").arg(RefusingPort()));
    EXPECT_EQ(errors, QStringList{QString()});
    EXPECT_EQ(arrived, 0);
    EXPECT_EQ(http.Status(), 0);
    EXPECT_EQ(http.StatusText(), "");
    EXPECT_TRUE(http.DownOK());
}

TEST_F(uXMLHTTPTest, AServerThatNeverAnswersTimesOut) {
    server.Respond(LocalHttpServer::Silent());
    http.SetTimeout(std::chrono::milliseconds(200));
    get(server.Url("/slow"));
    EXPECT_EQ(errors, QStringList{QString()});
    EXPECT_EQ(arrived, 0);
    EXPECT_EQ(http.Status(), 0);
    EXPECT_EQ(server.requests.size(), 1);
}

TEST_F(uXMLHTTPTest, TheTimeoutHoldsWhileDataKeepsArriving) {
    Response dripping{200, "OK", {}, QByteArray(100000, 'x')};
    dripping.dripMs = 10;
    server.Respond(dripping);
    http.SetTimeout(std::chrono::milliseconds(300));
    get(server.Url("/drip"));
    EXPECT_EQ(errors, QStringList{QString()});
    EXPECT_EQ(arrived, 0);
    EXPECT_EQ(http.Status(), 0);
}

TEST_F(uXMLHTTPTest, ABodyLongerThan64KbEndsTheRequestWithoutKeepingIt) {
    const QString saved = QDir::temp().filePath("qvledger-long-body.txt");
    QFile::remove(saved);
    for (const qsizetype size : {64 * 1024, 64 * 1024 + 1, 20 * 1024 * 1024}) {
        arrived = 0;
        errors.clear();
        server.Respond({200, "OK", {}, QByteArray(size, 'x')});
        get(server.Url("/long"), saved);
        if (size == 64 * 1024) {
            EXPECT_EQ(arrived, 1);
            EXPECT_EQ(http.ResponseBody().size(), size);
            QFile::remove(saved);
            continue;
        }
        EXPECT_EQ(errors, QStringList{"返回信息过长"}) << size;
        EXPECT_EQ(arrived, 0);
        EXPECT_TRUE(http.ResponseBody().isEmpty());
        EXPECT_FALSE(QFile::exists(saved)) << "nothing saved";
    }
}

TEST_F(uXMLHTTPTest, TheWatchTicksWhileTheRequestIsOutstandingAndAbortSilencesIt) {
    server.Respond(LocalHttpServer::Silent());
    ASSERT_TRUE(http.Open_("GET", server.Url("/slow")));
    http.Send_();
    ASSERT_TRUE(WaitFor([this] { return stateChanges >= 3; }));
    EXPECT_FALSE(http.DownOK());
    EXPECT_LT(http.ReadyState(), 4);
    http.Abort_();
    EXPECT_FALSE(polling());
    EXPECT_EQ(http.ReadyState(), 0);

    // The same control serves the next request; the dropped one never reports.
    server.Respond({200, "OK", {}, "second"});
    get(server.Url("/again"));
    EXPECT_EQ(arrived, 1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(http.ResponseText(), "second");
}

TEST_F(uXMLHTTPTest, SendWithoutOpenSendsNothingAndStartsNoWatch) {
    server.Respond({200, "OK", {}, "x"});
    http.Send_(QStringLiteral("ignored"));
    EXPECT_FALSE(polling());
    EXPECT_EQ(http.ReadyState(), 0);

    // A later request is the only one the server ever sees.
    get(server.Url("/only"));
    EXPECT_EQ(arrived, 1);
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests[0].target, "/only");

    // Once sent, a request is not sent again without a new Open_.
    http.Send_();
    EXPECT_FALSE(polling());
    EXPECT_EQ(arrived, 1);
}

TEST_F(uXMLHTTPTest, TheMethodIsSentInUpperCaseWithHeadersAndBody) {
    server.Respond({200, "OK", {}, "done"});
    ASSERT_TRUE(http.Open_("get", server.Url("/a")));
    http.Send_();
    ASSERT_TRUE(WaitFor([this] { return heard(); }));
    ASSERT_TRUE(http.Open_("post", server.Url("/b")));
    http.SetRequestHeader("X-Client", "训练");
    http.Send_(QStringLiteral("名称=GMP"));
    ASSERT_TRUE(WaitFor([this] { return arrived == 2; }));

    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[1].method, "POST");
    EXPECT_EQ(server.requests[1].Header("X-Client"), QString("训练").toUtf8());
    EXPECT_EQ(server.requests[1].body, QString("名称=GMP").toUtf8());
}

TEST_F(uXMLHTTPTest, DownOKIsFalseFromOpenUntilCompletionAndTrueUntilTheNextOpen) {
    EXPECT_FALSE(http.DownOK());
    server.Respond(LocalHttpServer::Silent());
    ASSERT_TRUE(http.Open_("GET", server.Url("/slow")));
    EXPECT_FALSE(http.DownOK());
    EXPECT_EQ(http.ReadyState(), 1);
    http.Send_();
    ASSERT_TRUE(WaitFor([this] { return server.requests.size() == 1; }));
    EXPECT_FALSE(http.DownOK());
    http.Abort_();
    EXPECT_FALSE(http.DownOK());

    server.Respond({200, "OK", {}, "x"});
    get(server.Url("/fast"));
    EXPECT_TRUE(http.DownOK());
    ASSERT_TRUE(http.Open_("GET", server.Url("/fast")));
    EXPECT_FALSE(http.DownOK());
}

TEST_F(uXMLHTTPTest, OpenRefusesAddressesThatAreNotHttpAndMethodsThatAreNotWords) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"GET", ""},
        {"GET", "not an address"},
        {"GET", "ftp://127.0.0.1/x"},
        {"GET", "http://"},
        {"GET", "file:///etc/hosts"},
        {"", server.Url("/x")},
        {"GET /evil HTTP/1.1\r\n", server.Url("/x")},
        {"获取", server.Url("/x")},
    };
    for (const auto& [method, url] : cases) {
        EXPECT_FALSE(http.Open_(method, url)) << method.toStdString() << ' ' << url.toStdString();
        EXPECT_EQ(http.ReadyState(), 0);
        http.Send_();
        EXPECT_FALSE(polling());
    }
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST_F(uXMLHTTPTest, HeadersThatWouldBreakTheRequestArePassedOver) {
    server.Respond({200, "OK", {}, "x"});
    ASSERT_TRUE(http.Open_("GET", server.Url("/h")));
    http.SetRequestHeader("X-Note", "one\r\nX-Injected: yes");
    http.SetRequestHeader("X Bad", "two");
    http.SetRequestHeader("X-Good", "three");
    http.Send_();
    ASSERT_TRUE(WaitFor([this] { return heard(); }));
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests[0].Header("X-Injected"), "");
    EXPECT_EQ(server.requests[0].Header("X-Note"), "");
    EXPECT_EQ(server.requests[0].Header("X-Good"), "three");
}

TEST_F(uXMLHTTPTest, TheTextIsDecodedByCharsetOrByteOrderMarkElseAsUtf8) {
    struct Case {
        QByteArray contentType;
        QByteArray body;
        QString text;
    };
    const std::vector<Case> cases = {
        {"text/plain", QString("版本").toUtf8(), "版本"},
        {"text/plain; charset=\"ISO-8859-1\"", "caf\xe9", "café"},
        {"text/plain", QByteArray::fromHex("fffe32002e003500"), "2.5"},
        {"", QByteArray::fromHex("efbbbf322e36"), "2.6"},
    };
    for (const Case& c : cases) {
        arrived = 0;
        server.Respond({200, "OK", {{"Content-Type", c.contentType}}, c.body});
        get(server.Url("/text"));
        EXPECT_EQ(http.ResponseText(), c.text) << c.contentType.constData();
    }
}

class uXMLHTTPSaveTest : public uXMLHTTPTest {
protected:
    QTemporaryDir folder;
    QString target() const { return folder.filePath("newver.txt"); }
    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files); }
};

TEST_F(uXMLHTTPSaveTest, ABodyReplacesTheFileAtTheSavePathWithNothingLeftBeside) {
    write(target(), "old content that is longer");
    server.Respond({200, "OK", {}, "2.5.530"});
    get(server.Url("/newver.txt"), target());
    EXPECT_EQ(arrived, 1);
    EXPECT_EQ(contentOf(target()), "2.5.530");
    EXPECT_EQ(filesInFolder(), QStringList{"newver.txt"});
}

TEST_F(uXMLHTTPSaveTest, AFileAddressIsSavedToItsLocalFile) {
    server.Respond({200, "OK", {}, "saved"});
    get(server.Url("/x"), QUrl::fromLocalFile(target()).toString());
    EXPECT_EQ(contentOf(target()), "saved");
}

TEST_F(uXMLHTTPSaveTest, AnEmptyBodyNeitherWritesNorDeletes) {
    write(target(), "kept");
    server.Respond({200, "OK", {}, ""});
    get(server.Url("/empty"), target());
    EXPECT_EQ(arrived, 1);
    EXPECT_EQ(contentOf(target()), "kept");

    arrived = 0;
    const QString absent = folder.filePath("absent.txt");
    get(server.Url("/empty"), absent);
    EXPECT_EQ(arrived, 1);
    EXPECT_FALSE(QFile::exists(absent));
}

TEST_F(uXMLHTTPSaveTest, AFailedSaveStillReportsTheArrival) {
    server.Respond({200, "OK", {}, "body"});
    get(server.Url("/x"), folder.filePath("missing/folder/newver.txt"));
    EXPECT_EQ(arrived, 1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(uXMLHTTPSaveTest, ANon200AnswerSavesNothing) {
    write(target(), "kept");
    server.Respond({404, "Not Found", {}, "<html>not here</html>"});
    get(server.Url("/x"), target());
    EXPECT_EQ(contentOf(target()), "kept");
}
} // namespace
