// What changes no record is in the trail too: exports and the company name.
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "platform/app/CompanyName.h"
#include "reports/sSaveXLS.h"
#include "shell/fOption.h"
#include "store/AuditEvents.h"
#include "store/AuditTrail.h"
#include "store/Backup.h"
#include "store/BackupManifest.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {
class EventEntriesTest : public QvTest {
protected:
    void SetUp() override { folder.WithDatabase(); }

    QString lastSummary() const { return TrailEntries::Summary(TrailEntries::All().back()); }

    TableSysInfo system;
    TestFolder folder;
};

TEST_F(EventEntriesTest, AnExportNamesItsFileLayoutAndRowsAndOnlyWhetherPasswordsWereSet) {
    TestDb::AddCourses({"甲课程", "乙课程"});
    QMenu popup;
    fSearch search(&popup);
    search.Text1->setText("课程");
    search.Command1->click();
    sSaveXLS dialog(*search.ListView1);
    dialog.Text1->setText(folder.File("报告.xls"));
    dialog.TextRPW->setText("secret-open");
    ScriptedMessages::Instance().ExpectMatching(ui::Icon::Information, "保存完成。.*");
    dialog.Command1->click();
    EXPECT_EQ(lastSummary(), "导出EXCEL文件 文件：" + folder.File("报告.xls") +
                                 "；表格类型：教育训练总表；读写密码：否；读密码：是；行数：2");
    EXPECT_FALSE(TrailEntries::All().back().detail.contains("secret"));
}

TEST_F(EventEntriesTest, TheCompanyNameChangeKeepsBothNamesAndAnUnchangedNameNothing) {
    CompanyName = "甲公司";
    for (const char* name : {"乙制药", "乙制药"}) {
        fOption window;
        window.Text1->setText(name);
        window.Command1->click();
    }
    const QStringList summaries = TrailEntries::SummariesAfter(0);
    EXPECT_EQ(summaries.filter("修改公司名称"),
              QStringList({"修改公司名称 新值：乙制药；原值：甲公司"}));
}

TEST_F(EventEntriesTest, TheBackupCallNamesTheCopy) {
    Audit::RecordBackup(DatabasePath, folder.File("data2026-03-05.db"));
    EXPECT_EQ(lastSummary(), "备份数据库 文件：" + folder.File("data2026-03-05.db"));
}

// The manifest keeps the copy's head, which exposes a trail rewritten after the copy.
TEST_F(EventEntriesTest, ABackupIsEnteredInTheTrailAndItsHeadInTheManifest) {
    TestDb::AddCourses({"甲课程"});
    ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
    const std::optional<BackupEntry> taken = Backup::Take(folder.Path(), "data-x.db");
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->auditHead, Audit::HeadOf(folder.File("data-x.db")));
    EXPECT_EQ(taken->auditHead.size(), 64);
    EXPECT_EQ(BackupManifest::Read(folder.Path()).back().auditHead, taken->auditHead);
    EXPECT_EQ(lastSummary(), "备份数据库 文件：data-x.db");
}

TEST_F(EventEntriesTest, AFileThatCannotTakeTheEntryIsLeftAloneSilently) {
    Audit::RecordBackup(folder.File("missing.db"), "x");
    EXPECT_FALSE(QFile::exists(folder.File("missing.db")));
}
} // namespace
