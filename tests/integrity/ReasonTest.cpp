// The reason for a change is asked only when the settings say so.
#include "helpers/DbHelpers.h"
#include "helpers/MainWindowFixture.h"
#include "helpers/ModalDriver.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "platform/ui/ChangeReason.h"
#include "platform/ui/ReasonDialog.h"
#include "refdata/fSelectMen.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"
#include "training/trainingAdd.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

namespace {
using ui::Answer;
using ui::Icon;

QTreeWidgetItem* named(QTreeWidget* list, const QString& name) {
    return list->findItems(name, Qt::MatchExactly, 0).value(0);
}

void answerWith(const QString& reason) {
    WhenModalShows([reason](QWidget* modal) {
        auto* dialog = qobject_cast<ui::ReasonDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->objectName().toStdString();
        EXPECT_EQ(dialog->windowTitle(), "填写原因-Quorvane制药GMP教育训练管理");
        dialog->Text1->setText(reason);
        dialog->Command1->click();
    });
}

class ReasonTest : public MainWindowFixture {
protected:
    void SetUp() override {
        OpenMainWindow();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::Exec("insert into 员工表 (姓名, 部门, 职务, 员工编号, 学历, 到职日) "
                     "values('张三', '质量部', 'QA', 'E01', '本科', #2020-01-02#)");
        TestDb::AddCourses({"甲课程"});
        ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
        ListSearch("课程");
    }

public:
    void editorSaves() {
        trainingAdd editor(1, form.get());
        editor.Command4->setText("保存修改");
        editor.Text2->setText("李明");
        ScriptedMessages::Instance().Expect(Icon::Information, "修改完成。请重新查询看结果！");
        editor.Command4->click();
    }

    void mainWindowDeletes() {
        Select(0);
        ScriptedMessages::Instance().Expect(Icon::Question, "确定要删除ID为：1 记录吗?",
                                            Answer::Yes);
        Trigger("menu删除");
    }

    void registerCorrects() {
        fSelectMen window;
        window.Lv1_ItemClick(named(window.Lv1, "张三"));
        window.TextZW->setText("主管");
        window.Command5->click();
    }

    void registerDeletes() {
        fSelectMen window;
        named(window.Lv1, "张三")->setCheckState(0, Qt::Checked);
        window.Command6->click();
    }

protected:
    TableSysInfo system;
};

struct Site {
    const char* action;
    void (ReasonTest::*act)();
    bool required;
};

class ReasonSiteTest : public ReasonTest, public testing::WithParamInterface<Site> {};

TEST_P(ReasonSiteTest, AsksOnlyWhenTheOptionIsOnAndKeepsTheReason) {
    ui::SetReasonRequired(GetParam().required);
    if (GetParam().required) {
        answerWith("  录入错误 ");
    }
    (this->*GetParam().act)();
    const Audit::Entry last = TrailEntries::All().back();
    EXPECT_EQ(last.action, GetParam().action);
    EXPECT_EQ(last.reason, GetParam().required ? "录入错误" : "");
}

const std::vector<Site> kSites = {
    {"修改训练记录", &ReasonTest::editorSaves, false},
    {"修改训练记录", &ReasonTest::editorSaves, true},
    {"删除训练记录", &ReasonTest::mainWindowDeletes, false},
    {"删除训练记录", &ReasonTest::mainWindowDeletes, true},
    {"修改人员", &ReasonTest::registerCorrects, false},
    {"修改人员", &ReasonTest::registerCorrects, true},
    {"删除人员", &ReasonTest::registerDeletes, false},
    {"删除人员", &ReasonTest::registerDeletes, true},
};

INSTANTIATE_TEST_SUITE_P(Sites, ReasonSiteTest, testing::ValuesIn(kSites),
                         [](const testing::TestParamInfo<Site>& info) {
                             return std::to_string(info.index);
                         });

TEST_F(ReasonTest, CancelAbandonsTheCorrectionAndKeepsWhatWasTyped) {
    ui::SetReasonRequired(true);
    const size_t entries = TrailEntries::All().size();
    trainingAdd editor(1, form.get());
    editor.Command4->setText("保存修改");
    editor.Text2->setText("李明");
    WhenModalShows([](QWidget* modal) {
        auto* dialog = qobject_cast<ui::ReasonDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->Text1->setText("录入错误");
        dialog->Command2->click();
    });
    editor.Command4->click();
    EXPECT_EQ(editor.Text2->text(), "李明");
    EXPECT_EQ(TestDb::Column("select * from 训练表", "主讲人"), QStringList({"张华"}));
    EXPECT_EQ(TrailEntries::All().size(), entries);
}

TEST_F(ReasonTest, AReasonShorterThanTwoCharactersIsRefused) {
    ui::ReasonDialog dialog;
    dialog.Text1->setText("  错 ");
    ScriptedMessages::Instance().Expect(Icon::Critical, "请填写原因，至少2个字！");
    dialog.Command1->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "still open";
    dialog.Text1->setText("错录");
    dialog.Command1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
} // namespace
