// The audit window lists, filters, checks and exports the trail.
#include "integrity/fAuditTrail.h"

#include "helpers/DbHelpers.h"
#include "helpers/IndependentReaders.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/ScriptedFiles.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "integrity/TrailListModel.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "platform/ui/DatePicker.h"
#include "shell/MDIForm1.h"
#include "store/AuditChange.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

namespace {
using ui::Icon;

QStringList ids(const fAuditTrail& window) {
    QStringList listed;
    for (const Audit::Entry& entry : window.Model().Entries()) {
        listed.push_back(QString::number(entry.id));
    }
    return listed;
}

class fAuditTrailTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::AddCourses({"甲课程", "乙课程"});
        Clock::SetFixedNow(QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
        ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
        Clock::SetFixedNow(QDateTime(QDate(2026, 3, 5), QTime(10, 0)));
        system.accountName = "lisi";
        ado::Connection connection;
        ASSERT_TRUE(OpenDatabase(connection));
        Audit::Change change(connection, "修改训练记录", "讲师更换");
        change.Watch("训练表", 2);
        connection.Execute("update 训练表 set 主讲人='李明' where id=2");
        change.Commit();
    }

    TableSysInfo system;
    TestFolder folder;
};

TEST_F(fAuditTrailTest, ListsNewestFirstAndShowsTheFieldsAnEntryChanged) {
    fAuditTrail window;
    EXPECT_EQ(window.windowTitle(), "审计追踪-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(ids(window), QStringList({"4", "3", "2", "1"}));
    EXPECT_EQ(window.Label1->text(), "4条");
    window.ListView1->setCurrentIndex(window.Model().index(0, 0));
    EXPECT_TRUE(window.Text4->toPlainText().startsWith("主讲人：张华 → 李明\n原因：讲师更换\n"))
        << window.Text4->toPlainText().toStdString();
    EXPECT_EQ(window.Model().data(window.Model().index(0, 2)), "lisi@QA-PC");
}

struct FilterCase {
    const char* name;
    std::function<void(fAuditTrail&)> set;
    QStringList ids;
};

class fAuditTrailFilterTest : public fAuditTrailTest,
                              public testing::WithParamInterface<FilterCase> {};

TEST_P(fAuditTrailFilterTest, ListsWhatTheFiltersLetThrough) {
    fAuditTrail window;
    GetParam().set(window);
    window.Command1->click();
    EXPECT_EQ(ids(window), GetParam().ids);
}

const std::vector<FilterCase> kFilters = {
    {"record", [](fAuditTrail& w) { w.Text1->setText(" 2 "); }, {"4", "3"}},
    {"user", [](fAuditTrail& w) { w.Text2->setText("lisi"); }, {"4"}},
    {"action", [](fAuditTrail& w) { w.Combo1->setCurrentText("基线记录"); }, {"3", "2"}},
    {"text", [](fAuditTrail& w) { w.Text3->setText("讲师更换"); }, {"4"}},
    {"dates",
     [](fAuditTrail& w) {
         w.Check1->setChecked(true);
         w.DTPicker1->setDate(QDate(2026, 3, 1));
         w.DTPicker2->setDate(QDate(2026, 3, 1));
     },
     {"3", "2", "1"}},
};

INSTANTIATE_TEST_SUITE_P(Filters, fAuditTrailFilterTest, testing::ValuesIn(kFilters),
                         [](const testing::TestParamInfo<FilterCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(fAuditTrailTest, TheCheckReportsAWholeTrailOrWhatBrokeIt) {
    fAuditTrail window;
    ScriptedMessages::Instance().Expect(Icon::Information, "审计追踪完整，共 4 条记录。");
    window.Command2->click();

    SqlcipherCli::RunKeyed(DatabasePath, "UPDATE 训练表 SET 主讲人='别人' WHERE id=1;\n"
                                         "UPDATE 审计追踪 SET 原因='无' WHERE id=4;");
    ScriptedMessages::Instance().Expect(
        Icon::Critical, "审计追踪不完整！\r\n从第 4 条起哈希链断开，该条及以后的内容不可信。"
                        "\r\n与审计追踪不符的记录（在本程序之外被修改）：训练表 ID 1");
    window.Command2->click();
}

TEST_F(fAuditTrailTest, ExportsTheListedEntriesWithTheirPasswords) {
    ScriptedFiles files;
    const QString out = folder.File("审计.xls");
    files.Answer(out);
    fAuditTrail window;
    window.Combo1->setCurrentText("基线记录");
    window.Command1->click();
    window.TextRPW->setText("open1");
    ScriptedMessages::Instance().ExpectMatching(Icon::Information, "保存完成。文件大小：.*KB");
    window.Command3->click();

    const QJsonObject book = independent::Inspect(out, "open1");
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "A2")["value"], "3");
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "A3")["value"], "2");
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "B5")["value"], TrailEntries::All()[3].hash)
        << "the head of the whole trail";
    EXPECT_EQ(TrailEntries::Summary(TrailEntries::All().back()),
              "导出EXCEL文件 文件：" + out +
                  "；表格类型：审计追踪；读写密码：否；读密码：是；行数：2");
}

TEST_F(fAuditTrailTest, TheToolsMenuOpensItAfterTheSettings) {
    MDIForm1 form;
    DatabasePath = folder.File("data.db");
    QString shown;
    WhenModalShows([&shown](QWidget* modal) {
        shown = modal->objectName();
        modal->close();
    });
    form.findChild<QAction*>("menu审计追踪")->trigger();
    EXPECT_EQ(shown, "fAuditTrail");
}
} // namespace
