#include "FileSizeLimit.h"
#include "WriteLock.h"
#include "helpers/DbHelpers.h"
#include "helpers/MainWindowFixture.h"
#include "helpers/QvTest.h"
#include "helpers/ReadOnlyScope.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace {
using ui::Icon;

// The cause in Chinese comes first; the engine's own words follow only as a detail.
QString failedStatement(const QString& cause) {
    return QStringLiteral("数据库操作出错：") + cause + QStringLiteral("\n详细信息：[^\n]+");
}
const QString kReadOnly = failedStatement("没有写入权限。");
const QString kLocked = failedStatement("数据库文件被其他程序锁定，请稍后再试。");
const QString kDamaged = failedStatement("数据库文件已损坏。");
// A file-size limit stands in for the full disk: the engine's write fails, or finds no room.
const QString kFull = failedStatement("(写入数据库文件时出错，磁盘可能已满|磁盘已满)。");
const QString kUnrecognisedAtOpen =
    QStringLiteral("连接数据库出错：无法识别的数据库格式“[^\n]+”，或数据库密码无效。\r\n"
                   "请下载安装AccessDatabaseEngine2010数据库引擎！");

// The main window over a file with three committed records, listed by a search; each case
// breaks the file and then adds through the editor and deletes through the menu.
class DatabaseFaultTest : public MainWindowFixture {
protected:
    void SetUp() override {
        OpenMainWindow();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::AddCourses({"甲课程", "乙课程", "丙课程"});
        ListSearch("课程");
        ASSERT_EQ(search->ListView1->ItemCount(), 3);
    }

    // The editor is opened, and its departments read, before the file breaks.
    static std::unique_ptr<trainingAdd> filledEditor(const QString& course,
                                                     const QString& participants = "张三") {
        auto editor = std::make_unique<trainingAdd>(0);
        editor->Text1->setText(course);
        editor->Text7->setText("偏差处理");
        editor->Text2->setText("张华");
        editor->Text3->setPlainText(participants);
        return editor;
    }
    static void add(const QString& course, const QString& participants = "张三") {
        filledEditor(course, participants)->Command4->click();
    }

    // The question comes first, then the failure the pattern describes.
    void deleteFirstListed(const QString& failure) {
        Select(0);
        ScriptedMessages::Instance().ExpectMatching(
            Icon::Question, "确定要删除ID为：\\d+ 记录吗\\?", ui::Answer::Yes);
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, failure);
        Trigger("menu删除");
    }

    static void replaceDatabase(const QByteArray& content) {
        QFile file(DatabasePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), content.size());
    }

    static void expectIntact(int records) {
        EXPECT_EQ(TestDb::Column("PRAGMA integrity_check", "integrity_check"), QStringList{"ok"});
        EXPECT_EQ(TestDb::Count("训练表"), records);
    }
};

TEST_F(DatabaseFaultTest, AReadOnlyFileRefusesWritesWithTheMessageAndKeepsItsRecords) {
    {
        const auto editor = filledEditor("丁课程");
        const ReadOnlyScope readOnly(DatabasePath);
        if (!readOnly.Works()) {
            GTEST_SKIP() << "the file could not be made read-only here";
        }
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, kReadOnly);
        editor->Command4->click();
        EXPECT_EQ(editor->Text1->text(), "丁课程") << "what was not saved stays in the box";
        deleteFirstListed(kReadOnly);
        EXPECT_EQ(search->ListView1->ItemCount(), 3) << "a row that was not deleted stays listed";
        search->Command1->click();
        EXPECT_EQ(search->ListView1->ItemCount(), 3) << "searching still reads the file";
    }
    expectIntact(3);
}

TEST_F(DatabaseFaultTest, AFileLockedByAnotherProgramFailsWithTheMessageAndLosesNothing) {
    {
        const auto editor = filledEditor("丁课程");
        const WriteLock lock(DatabasePath, kDefaultDatabasePassword);
        ASSERT_TRUE(lock.Held());
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, kLocked);
        editor->Command4->click();
        deleteFirstListed(kLocked);
        EXPECT_EQ(search->ListView1->ItemCount(), 3);
    }
    {
        // Held against readers too, the file cannot even be opened: no advice to install
        // the engine then, only the lock.
        const WriteLock lock(DatabasePath, kDefaultDatabasePassword, WriteLock::Readers::Barred);
        ASSERT_TRUE(lock.Held());
        ScriptedMessages::Instance().Expect(
            Icon::Critical, "连接数据库出错：数据库文件被其他程序锁定，请稍后再试。\n"
                            "详细信息：database is locked");
        search->Command1->click();
    }
    expectIntact(3);
    add("丁课程");
    expectIntact(4);
}

TEST_F(DatabaseFaultTest, AFileDeletedAfterTheSearchIsReportedMissing) {
    const auto editor = filledEditor("丁课程");
    ASSERT_TRUE(QFile::remove(DatabasePath));
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    editor->Command4->click();
    deleteFirstListed("找不到数据库文件!");
    EXPECT_EQ(search->ListView1->ItemCount(), 3);
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    search->Command1->click();
    EXPECT_FALSE(QFileInfo::exists(DatabasePath)) << "no empty file is made in its place";
}

TEST_F(DatabaseFaultTest, AFileReplacedByADamagedOrForeignOneIsReportedAtEachOperation) {
    QFile original(DatabasePath);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray whole = original.readAll();
    original.close();
    QByteArray pagesScrambled = whole;
    for (qsizetype i = 4096; i < pagesScrambled.size(); i += 7) {
        pagesScrambled[i] = static_cast<char>(pagesScrambled[i] ^ 0x5a);
    }
    QFile workbook(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls"));
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    struct Case {
        const char* name;
        QByteArray content;
        QString message;
    };
    const std::vector<Case> cases = {
        {"empty", {}, kUnrecognisedAtOpen},
        {"cut inside the salt", whole.left(9), kUnrecognisedAtOpen},
        {"cut after the first page", whole.left(4096), kUnrecognisedAtOpen + "|" + kDamaged},
        {"pages scrambled", pagesScrambled, kUnrecognisedAtOpen + "|" + kDamaged},
        {"a workbook", workbook.readAll(), kUnrecognisedAtOpen},
        {"plain text", QByteArray(8192, 'x'), kUnrecognisedAtOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        replaceDatabase(whole);
        const auto editor = filledEditor("丁课程");
        replaceDatabase(c.content);
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, c.message);
        editor->Command4->click();
        deleteFirstListed(c.message);
        EXPECT_EQ(search->ListView1->ItemCount(), 3);
        ScriptedMessages::Instance().VerifyAndReset();
    }
}

TEST_F(DatabaseFaultTest, AFullDiskFailsTheSaveWithTheMessageAndKeepsEveryCommittedRecord) {
    const QString participants = QString(200000, u'名');
    {
        const auto editor = filledEditor("丁课程", participants);
        const FileSizeLimit full(static_cast<rlim_t>(QFileInfo(DatabasePath).size()));
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, kFull);
        editor->Command4->click();
    }
    expectIntact(3);
    EXPECT_TRUE(TestDb::Column("select * from 训练表 where 教育训练名称='丁课程'", "id").isEmpty());
    add("丁课程", participants);
    expectIntact(4);
}
} // namespace
