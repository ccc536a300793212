// Every change a window makes leaves one entry per changed row, in the change's transaction.
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "import/fInputdata.h"
#include "platform/clock/Clock.h"
#include "refdata/fAddDep.h"
#include "refdata/fSelectMen.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"
#include "training/trainingAdd.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

namespace {
using ui::Icon;

QTreeWidgetItem* named(QTreeWidget* list, const QString& name) {
    return list->findItems(name, Qt::MatchExactly, 0).value(0);
}

struct Case {
    const char* name;
    std::function<void(TestFolder&)> act;
    QStringList entries;
};

const std::vector<Case> kCases = {
    {"the editor adds a record",
     [](TestFolder&) {
         trainingAdd editor(0);
         editor.Text1->setText("新课程");
         editor.Text7->setText("清场规程");
         editor.Text2->setText("王五");
         editor.Text3->setPlainText("张三");
         editor.Command4->click();
     },
     {"添加训练记录 训练表#2 +"}},
    {"the editor saves a correction",
     [](TestFolder&) {
         trainingAdd editor(1);
         editor.Command4->setText("保存修改");
         editor.Text2->setText("李明");
         ScriptedMessages::Instance().Expect(Icon::Information, "修改完成。请重新查询看结果！");
         editor.Command4->click();
     },
     {"修改训练记录 训练表#1 主讲人:张华→李明"}},
    {"the editor puts a lost department back",
     [](TestFolder&) {
         TestDb::Training orphan;
         orphan.department = "财务部";
         const int id = TestDb::AddTraining(orphan);
         trainingAdd editor(id);
     },
     {"补回部门 部门表#2 +"}},
    {"the department list adds and deletes",
     [](TestFolder&) {
         fAddDep window;
         window.Text1->setText("生产部");
         window.Command1->click();
         window.Lv1->setCurrentItem(named(window.Lv1, "质量部"));
         window.Command3->click();
     },
     {"添加部门 部门表#2 +", "删除部门 部门表#1 -"}},
    {"the register adds, corrects and deletes",
     [](TestFolder&) {
         fSelectMen window;
         window.Text1->setText("李四");
         window.Command5->click();
         window.Lv1_ItemClick(named(window.Lv1, "张三"));
         window.TextZW->setText("主管");
         window.Command5->click();
         named(window.Lv1, "张三")->setCheckState(0, Qt::Checked);
         window.Command6->click();
     },
     {"添加人员 员工表#2 +", "修改人员 员工表#1 职务:QA→主管", "删除人员 员工表#1 -"}},
    {"the database import",
     [](TestFolder& folder) {
         const QString other = folder.EmptyDatabase("other.db");
         TestDb::AddTraining({}, other);
         TestDb::Training fresh;
         fresh.course = "新课程";
         TestDb::AddTraining(fresh, other);
         fInputdata window;
         window.Text1->setText(other);
         window.Command1->click();
     },
     {"导入数据 训练表#2 +", "导入数据汇总 添加：1；跳过：1；来源：%1"}},
};

class TrailWritingTest : public QvTest, public testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        folder.WithDatabase();
        Clock::SetFixedNow(QDateTime(QDate(2026, 3, 5), QTime(9, 30)));
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::Exec("insert into 员工表 (姓名, 部门, 职务, 员工编号, 学历, 到职日) "
                     "values('张三', '质量部', 'QA', 'E01', '本科', #2020-01-02#)");
        TestDb::AddTraining({});
        ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
        baseline = TrailEntries::All().size();
    }

    TableSysInfo system;
    TestFolder folder;
    qsizetype baseline = 0;
};

TEST_P(TrailWritingTest, LeavesOneEntryPerChangedRow) {
    GetParam().act(folder);
    QStringList expected = GetParam().entries;
    expected.replaceInStrings("%1", folder.File("other.db"));
    EXPECT_EQ(TrailEntries::SummariesAfter(baseline), expected);
}

INSTANTIATE_TEST_SUITE_P(Actions, TrailWritingTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::to_string(info.index);
                         });
} // namespace
