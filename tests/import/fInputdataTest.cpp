#include "import/fInputdata.h"

#include "helpers/CaseTwins.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/ReadOnlyScope.h"
#include "helpers/ScriptedFiles.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {
using ui::Icon;

const QString kEngineHint = "\r\n请下载安装AccessDatabaseEngine2010数据库引擎！";

class fInputdataTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        source = folder.EmptyDatabase("other.db");
    }

    void runImport(fInputdata& window) {
        window.Text1->setText(source);
        window.Command1->click();
        EXPECT_EQ(window.ProgressBar1->value(), 0);
        EXPECT_TRUE(window.Command1->isEnabled());
    }

    static QStringList own(const QString& field) {
        return TestDb::Column("select * from 训练表 order by id", field);
    }

    TestFolder folder;
    QString source;
};

TEST_F(fInputdataTest, CopiesNewRecordsOnceAndSkipsTwinsOnTheSixKeys) {
    TestDb::Training first;
    first.course = "O'Neil的GMP";
    first.sopNumber = "SOP-'1";
    first.participants = "张三、李四";
    TestDb::AddTraining(first, source);
    TestDb::Training sameKeys = first;
    sameKeys.lecturer = "别人";
    sameKeys.newEmployees = true;
    sameKeys.internal = "外训";
    TestDb::AddTraining(sameKeys, source);
    TestDb::Training reordered = first;
    reordered.participants = "李四、张三";
    TestDb::AddTraining(reordered, source);
    TestDb::Training undated = first;
    undated.day = QDate();
    TestDb::AddTraining(undated, source);
    TestDb::Exec("insert into 训练表 (教育训练名称, 训练时间) values('坏日期', 'not a date')",
                 source);

    fInputdata window;
    EXPECT_EQ(window.windowTitle(), "导入数据-Quorvane制药GMP教育训练管理");
    runImport(window);
    EXPECT_EQ(own("参加人员"), QStringList({"张三、李四", "李四、张三", "张三、李四", ""}));
    EXPECT_EQ(own("主讲人"), QStringList({"张华", "张华", "张华", ""}));
    EXPECT_EQ(own("新进员工"), QStringList({"False", "False", "False", "False"}));
    EXPECT_EQ(own("训练时间"),
              QStringList({"2014-03-05", "2014-03-05", "2000-01-01", "2000-01-01"}));
    EXPECT_EQ(own("教育训练名称").first(), "O'Neil的GMP");
    EXPECT_EQ(own("SOP编号").first(), "SOP-'1");
    EXPECT_EQ(own("id"), QStringList({"1", "2", "3", "4"}));

    runImport(window);
    EXPECT_EQ(TestDb::Count("训练表"), 4) << "a second run copies nothing";
}

TEST_F(fInputdataTest, TwinsInAnotherLetterCaseOfAnyScriptAreNotCopied) {
    const auto keysOf = [](const QString& text) {
        TestDb::Training row;
        row.sopNumber = row.sopName = row.revision = row.course = row.participants = text;
        return row;
    };
    QStringList copied;
    for (const CaseTwin& twin : CaseTwins()) {
        TestDb::AddTraining(keysOf(twin.stored));
        TestDb::AddTraining(keysOf(twin.typed), source);
        if (!twin.same) {
            copied.push_back(twin.typed);
        }
    }
    fInputdata window;
    runImport(window);
    EXPECT_EQ(own("教育训练名称").mid(static_cast<qsizetype>(CaseTwins().size())), copied);
}

// A file that another program indexed, opened read-only, is read as it is.
TEST_F(fInputdataTest, AReadOnlySourceIndexedByAnotherProgramIsImported) {
    TestDb::AddTraining({}, source);
    SqlcipherCli::RunKeyed(source, "DROP TABLE 索引排序规则;");
    const ReadOnlyScope readOnly(source);
    if (!readOnly.Works()) {
        GTEST_SKIP() << "the file could not be made read-only here";
    }
    fInputdata window;
    runImport(window);
    EXPECT_EQ(TestDb::Count("训练表"), 1);
    EXPECT_EQ(SqlcipherCli::RunKeyed(source, "SELECT count(*) FROM sqlite_master WHERE name = "
                                             "'索引排序规则';"),
              "0\n")
        << "left unchanged";
}

TEST_F(fInputdataTest, AnEmptySourceCopiesNothing) {
    fInputdata window;
    runImport(window);
    EXPECT_EQ(TestDb::Count("训练表"), 0);
    EXPECT_EQ(window.ProgressBar1->maximum(), 1);
}

TEST_F(fInputdataTest, RefusesTheOwnFileInAnyLetterCase) {
    ScriptedFiles files;
    fInputdata window;
    window.Text1->setText("kept");
    const QString upper = DatabasePath.left(DatabasePath.size() - 7) + "DATA.DB";
    files.Answer(upper);
    ScriptedMessages::Instance().Expect(Icon::Critical, "不能导入自己！请重新选择其他文件。");
    window.Command3->click();
    EXPECT_EQ(window.Text1->text(), "kept");
    EXPECT_EQ(files.Requests().first().filter, "*.mdb (*.mdb);;*.db (*.db)");

    files.Answer("");
    window.Command3->click();
    EXPECT_EQ(window.Text1->text(), "kept");
    files.Answer(source);
    window.Command3->click();
    EXPECT_EQ(window.Text1->text(), source);
}

TEST_F(fInputdataTest, UnreadableSourcesCopyNothing) {
    fInputdata window;
    window.Command1->click();
    EXPECT_TRUE(window.Command1->isEnabled()) << "empty path does nothing";

    window.Text1->setText(folder.File("none.db"));
    ScriptedMessages::Instance().Expect(Icon::Critical, "文件不存在！");
    window.Command1->click();

    QFile damaged(source);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.seek(100);
    damaged.write(QByteArray(600, 'x'));
    damaged.close();
    ScriptedMessages::Instance().Expect(Icon::Critical, "连接数据库出错：无法识别的数据库格式“" +
                                                            source + "”，或数据库密码无效。" +
                                                            kEngineHint);
    runImport(window);
    EXPECT_EQ(TestDb::Count("训练表"), 0);
}

TEST_F(fInputdataTest, RefusesASourceWithAnotherFieldOrder) {
    const QString foreign = folder.File("foreign.db");
    QFile::remove(foreign);
    source = folder.EmptyDatabase("foreign.db");
    TestDb::Exec("drop table 训练表", source);
    TestDb::Exec(
        "create table 训练表 (id integer primary key, 部门 text, 法规 yesno, 新进员工 yesno)",
        source);
    TestDb::Exec("insert into 训练表 (部门) values('质量部')", source);
    fInputdata window;
    ScriptedMessages::Instance().Expect(Icon::Critical,
                                        "所选文件的训练表与本程序的格式不一致，不能导入。");
    runImport(window);
    EXPECT_EQ(TestDb::Count("训练表"), 0);
}
} // namespace
