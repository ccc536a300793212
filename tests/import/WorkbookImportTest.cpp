#include "helpers/CaseTwins.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "import/fInputdata.h"
#include "platform/app/App.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

namespace {
using ui::Icon;

// A row of the customer layout: A to J from row 8 down.
QJsonObject row(int number, const QStringList& values) {
    QJsonObject cells;
    for (int i = 0; i < values.size(); ++i) {
        if (!values[i].isEmpty()) {
            cells.insert(QString(QChar(u'A' + i)) + QString::number(number), values[i]);
        }
    }
    return cells;
}

QJsonObject merged(std::initializer_list<QJsonObject> parts) {
    QJsonObject all;
    for (const QJsonObject& part : parts) {
        for (auto it = part.begin(); it != part.end(); ++it) {
            all.insert(it.key(), it.value());
        }
    }
    return all;
}

class WorkbookImportTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        App::SetPath(folder.Path());
    }
    void TearDown() override {
        App::SetPath({});
        QvTest::TearDown();
    }

    void writeWorkbook(const QJsonArray& sheets) {
        const QString contents = folder.File("contents.json");
        QFile file(contents);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(QJsonObject{{"sheets", sheets}}).toJson());
        file.close();
        QProcess writer;
        writer.start("/usr/bin/python3",
                     {QStringLiteral(QVLEDGER_TEST_IMPORT_DIR "/make_workbook.py"),
                      folder.File("1.xls"), contents});
        ASSERT_TRUE(writer.waitForFinished(60000));
        ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }

    void runImport() {
        fInputdata window;
        window.Command4->click();
        EXPECT_EQ(window.ProgressBar1->value(), 0);
        EXPECT_TRUE(window.Command4->isEnabled());
    }

    static QStringList own(const QString& field) {
        return TestDb::Column("select * from 训练表 order by id", field);
    }

    TestFolder folder;
};

TEST_F(WorkbookImportTest, OneTrainingOnSeveralSheetsBecomesOneRecordListingThem) {
    const QStringList gmp = {"质量部", "√", "", "√", "v", "", "SOP-1", "02", "O'Neil规程", "GMP's"};
    writeWorkbook(
        {QJsonObject{{"name", "张三"},
                     {"cells", merged({row(7, {"表头", "√"}), row(8, gmp), row(9, gmp),
                                       row(10, {"", "√", "", "", "", "", "X"}),
                                       QJsonObject{{"F8", QJsonObject{{"date", "2014-12-04"}}}}})}},
         QJsonObject{{"name", "李四"},
                     {"cells", merged({row(8, gmp), QJsonObject{{"F8", "2015.01.02"}}})}},
         QJsonObject{{"name", "王五"},
                     {"cells", row(12, {"生产部", "是", "", "", "", "", "SOP-2", "3", "清场",
                                        "清场培训"})}}});
    runImport();
    EXPECT_EQ(own("参加人员"), QStringList({"张三、李四", "王五"}));
    EXPECT_EQ(own("部门"), QStringList({"质量部", "生产部"}));
    EXPECT_EQ(own("新进员工"), QStringList({"True", "False"})) << "only exactly √ is true";
    EXPECT_EQ(own("法规"), QStringList({"False", "False"}));
    EXPECT_EQ(own("SOP"), QStringList({"True", "False"}));
    EXPECT_EQ(own("专业技术"), QStringList({"False", "False"}));
    EXPECT_EQ(own("训练时间"), QStringList({"2014-12-04", ""})) << "the first date stays";
    EXPECT_EQ(own("SOP名称").first(), "O\u2019Neil规程");
    EXPECT_EQ(own("教育训练名称").first(), "GMP\u2019s");
    EXPECT_EQ(own("SOP版次"), QStringList({"02", "3"}));

    runImport();
    EXPECT_EQ(own("参加人员"), QStringList({"张三、李四", "王五"})) << "a second run adds no name";
}

TEST_F(WorkbookImportTest, DatesAreReadFromTextWithDotsOrLeftEmpty) {
    writeWorkbook({QJsonObject{
        {"name", "张三"},
        {"cells", merged({row(8, {"质量部", "", "", "", "", "2014.12.04", "A", "1", "甲", "甲"}),
                          row(9, {"质量部", "", "", "", "", "明天", "B", "1", "乙", "乙"})})}}});
    runImport();
    EXPECT_EQ(own("训练时间"), QStringList({"2014-12-04", ""}));
}

TEST_F(WorkbookImportTest, ANameAlreadyListedInAnyCaseIsNotAddedAgain) {
    TestDb::Training existing;
    existing.sopNumber = "S'1";
    existing.sopName = "规程";
    existing.course = "课程";
    existing.participants = "ALICE、王五";
    TestDb::AddTraining(existing);
    TestDb::Training empty = existing;
    empty.sopNumber = "S2";
    empty.participants = "";
    TestDb::AddTraining(empty);
    writeWorkbook(
        {QJsonObject{{"name", "alice"},
                     {"cells", row(8, {"质量部", "", "", "", "", "", "S'1", "1", "规程", "课程"})}},
         QJsonObject{
             {"name", "赵六"},
             {"cells",
              merged({row(8, {"质量部", "", "", "", "", "", "S'1", "1", "规程", "课程"}),
                      row(9, {"质量部", "", "", "", "", "", "S2", "1", "规程", "课程"})})}}});
    runImport();
    EXPECT_EQ(own("参加人员"), QStringList({"ALICE、王五、赵六", "赵六"}));
    EXPECT_EQ(TestDb::Count("训练表"), 2);
}

TEST_F(WorkbookImportTest, EachAddedRecordAndEachAddedNameHasItsEntryAndTheRunItsSummary) {
    const QStringList gmp = {"质量部", "", "", "", "", "", "SOP-1", "02", "规程", "GMP"};
    writeWorkbook({QJsonObject{{"name", "张三"}, {"cells", row(8, gmp)}},
                   QJsonObject{{"name", "李四"}, {"cells", merged({row(8, gmp), row(9, gmp)})}}});
    runImport();
    EXPECT_EQ(
        TrailEntries::SummariesAfter(1),
        QStringList({"导入1.xls 训练表#1 +", "导入1.xls 训练表#1 参加人员:张三→张三、李四",
                     "导入1.xls汇总 添加：1；补充：1；跳过：1；来源：" + folder.File("1.xls")}))
        << "after the trail's start";
}

TEST_F(WorkbookImportTest, ARowInAnotherLetterCaseOfAnyScriptJoinsItsTraining) {
    QJsonObject cells;
    QStringList participants;
    QStringList added;
    int line = 8;
    for (const CaseTwin& twin : CaseTwins()) {
        const QString number = QStringLiteral("S%1").arg(line);
        TestDb::Training existing;
        existing.sopNumber = number;
        existing.sopName = existing.course = twin.stored;
        existing.participants = "张三";
        TestDb::AddTraining(existing);
        cells = merged({cells, row(line++, {"质量部", "", "", "", "", "", number, "1", twin.typed,
                                            twin.typed})});
        participants.push_back(twin.same ? "张三、李四" : "张三");
        if (!twin.same) {
            added.push_back("李四");
        }
    }
    writeWorkbook({QJsonObject{{"name", "李四"}, {"cells", cells}}});
    runImport();
    EXPECT_EQ(own("参加人员"), participants + added);
}

TEST_F(WorkbookImportTest, AMissingOrDamagedWorkbookIsReportedAndChangesNothing) {
    ScriptedMessages::Instance().ExpectMatching(Icon::Critical, "导入失败，没有导入任何记录：.+");
    runImport();
    QFile bad(folder.File("1.xls"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, 'x'));
    bad.close();
    ScriptedMessages::Instance().ExpectMatching(Icon::Critical, "导入失败，没有导入任何记录：.+");
    runImport();
    EXPECT_EQ(TestDb::Count("训练表"), 0);

    QFile::remove(DatabasePath);
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    runImport();
}
} // namespace
