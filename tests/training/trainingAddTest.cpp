#include "training/trainingAdd.h"

#include "helpers/DbHelpers.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/clock/Clock.h"
#include "platform/ui/DatePicker.h"
#include "refdata/fSelectMen.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
using ui::Answer;
using ui::Icon;

const QString kCourse = "select * from 训练表 order by id";

class trainingAddTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::Exec("insert into 部门表 (部门名称) values('生产部')");
        Clock::SetFixedNow(QDateTime(QDate(2015, 6, 1), QTime(9, 0)));
    }

    static void fill(trainingAdd& editor, const QString& course) {
        editor.Text1->setText(course);
        editor.Text7->setText(" 偏差处理 ");
        editor.Text2->setText(" 张华 ");
        editor.Text3->setPlainText(" 张三、李四 ");
        editor.Text5->setText(" SOP-1 ");
        editor.Text6->setText(" 03 ");
    }

    static void modifyMode(trainingAdd& editor) {
        editor.setWindowTitle("修改");
        editor.Command4->setText("保存修改");
        editor.Command3->setEnabled(false);
    }

    TestFolder folder;
};

TEST_F(trainingAddTest, AddModeStoresTrimmedTextsAndKeepsTheChoices) {
    trainingAdd editor(0);
    EXPECT_EQ(editor.windowTitle(), "添加教育训练记录-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(editor.Combo1->currentText(), "否");
    EXPECT_EQ(editor.Combo6->currentText(), "内训");
    EXPECT_EQ(editor.DTPicker1->date(), QDate(2015, 6, 1));
    editor.Combo5->setCurrentText("生产部");
    editor.Combo2->setCurrentText("是");
    editor.Combo6->setCurrentText("外训");
    editor.DTPicker1->setDate(QDate(2014, 7, 8));
    fill(editor, "  O'Neil的GMP  ");
    editor.Command4->click();

    EXPECT_EQ(TestDb::Column(kCourse, "教育训练名称"), QStringList({"O'Neil的GMP"}));
    EXPECT_EQ(TestDb::Column(kCourse, "部门"), QStringList({"生产部"}));
    EXPECT_EQ(TestDb::Column(kCourse, "法规"), QStringList({"True"}));
    EXPECT_EQ(TestDb::Column(kCourse, "新进员工"), QStringList({"False"}));
    EXPECT_EQ(TestDb::Column(kCourse, "内外训"), QStringList({"外训"}));
    EXPECT_EQ(TestDb::Column(kCourse, "训练时间"), QStringList({"2014-07-08"}));
    EXPECT_EQ(TestDb::Column(kCourse, "参加人员"), QStringList({"张三、李四"}));
    EXPECT_EQ(TestDb::Column(kCourse, "SOP编号"), QStringList({"SOP-1"}));
    EXPECT_EQ(TestDb::Column(kCourse, "SOP版次"), QStringList({"03"}));
    EXPECT_EQ(TestDb::Column(kCourse, "主讲人"), QStringList({"张华"}));
    for (QLineEdit* box : {editor.Text1, editor.Text2, editor.Text5, editor.Text6, editor.Text7}) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(editor.Text3->toPlainText(), "");
    EXPECT_EQ(editor.Combo5->currentText(), "生产部");
    EXPECT_EQ(editor.Combo2->currentText(), "是");
    EXPECT_EQ(editor.Combo6->currentText(), "外训");
    EXPECT_EQ(editor.DTPicker1->date(), QDate(2014, 7, 8));
}

TEST_F(trainingAddTest, TheDuplicateQuestionDecidesAndNoKeepsTheTexts) {
    trainingAdd editor(0);
    fill(editor, "O'Neil的GMP");
    editor.Command4->click();
    const QString question = "相同的【教育训练名称】已经存在，要继续保存吗？";

    ScriptedMessages::Instance().Expect(Icon::Question, question, Answer::No);
    fill(editor, " O'Neil的GMP ");
    editor.Command4->click();
    EXPECT_EQ(TestDb::Count("训练表"), 1);
    EXPECT_EQ(editor.Text1->text(), " O'Neil的GMP ");
    EXPECT_EQ(editor.Text3->toPlainText(), " 张三、李四 ");

    ScriptedMessages::Instance().Expect(Icon::Question, question, Answer::Yes);
    editor.Command4->click();
    EXPECT_EQ(TestDb::Count("训练表"), 2);
    EXPECT_EQ(editor.Text1->text(), "");
}

TEST_F(trainingAddTest, RefusesIncompleteInput) {
    trainingAdd editor(0);
    fill(editor, "GMP");
    for (QLineEdit* box : {editor.Text1, editor.Text2, editor.Text7}) {
        const QString kept = box->text();
        box->setText("  ");
        ScriptedMessages::Instance().Expect(Icon::Critical, "请把数据填全！");
        editor.Command4->click();
        box->setText(kept);
    }
    editor.Text3->setPlainText(" ");
    ScriptedMessages::Instance().Expect(Icon::Critical, "请把数据填全！");
    editor.Command4->click();
    EXPECT_EQ(TestDb::Count("训练表"), 0);

    TestDb::Exec("delete * from 部门表");
    trainingAdd empty(0);
    EXPECT_FALSE(empty.Combo5->isEnabled());
    fill(empty, "GMP");
    ScriptedMessages::Instance().Expect(Icon::Critical, "请把数据填全！");
    empty.Command4->click();
    EXPECT_EQ(TestDb::Count("训练表"), 0);
}

TEST_F(trainingAddTest, AFailedConnectionKeepsEverythingTyped) {
    trainingAdd editor(0);
    fill(editor, "GMP");
    QFile::rename(DatabasePath, DatabasePath + ".away");
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    editor.Command4->click();
    EXPECT_EQ(editor.Text1->text(), "GMP");

    modifyMode(editor);
    editor.RecordId = 1;
    editor.show();
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    editor.Command4->click();
    EXPECT_TRUE(editor.isVisible()) << "stays open to try again";
}

TEST_F(trainingAddTest, ModifyModeLoadsTheRecordAndAddsAMissingDepartment) {
    TestDb::Training row;
    row.department = "O'Hara车间";
    row.newEmployees = true;
    row.technique = true;
    row.internal = "外训";
    row.day = QDate(2013, 11, 12);
    const int id = TestDb::AddTraining(row);
    trainingAdd editor(id);
    EXPECT_EQ(editor.Combo5->currentText(), "O'Hara车间");
    EXPECT_EQ(TestDb::Column("select * from 部门表 order by id", "部门名称"),
              QStringList({"质量部", "生产部", "O'Hara车间"}));
    EXPECT_EQ(editor.Combo1->currentText(), "是");
    EXPECT_EQ(editor.Combo2->currentText(), "否");
    EXPECT_EQ(editor.Combo3->currentText(), "是");
    EXPECT_EQ(editor.Combo4->currentText(), "是");
    EXPECT_EQ(editor.Combo6->currentText(), "外训");
    EXPECT_EQ(editor.DTPicker1->date(), QDate(2013, 11, 12));
    EXPECT_EQ(editor.Text1->text(), row.course);
    EXPECT_EQ(editor.Text3->toPlainText(), row.participants);
    EXPECT_EQ(editor.Text6->text(), "02");

    TestDb::Exec("update 训练表 set 部门='QA' where id=" + QString::number(id));
    TestDb::Exec("insert into 部门表 (部门名称) values('qa')");
    trainingAdd again(id);
    EXPECT_EQ(again.Combo5->currentText(), "qa") << "shown as the list holds it";
    EXPECT_EQ(TestDb::Count("部门表"), 4);
}

TEST_F(trainingAddTest, ModifyModeSavesTheRowAndTellsTheUser) {
    const int id = TestDb::AddTraining({});
    TestDb::Training same;
    same.course = "别的课程";
    TestDb::AddTraining(same);
    trainingAdd editor(id);
    modifyMode(editor);
    editor.show();
    editor.Text1->setText(" 别的课程 ");
    editor.Combo1->setCurrentText("是");
    ScriptedMessages::Instance().Expect(Icon::Information, "修改完成。请重新查询看结果！");
    editor.Command4->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(TestDb::Column(kCourse, "教育训练名称"), QStringList({"别的课程", "别的课程"}));
    EXPECT_EQ(TestDb::Column(kCourse, "新进员工"), QStringList({"True", "False"}));
    EXPECT_EQ(TestDb::Count("训练表"), 2);
}

TEST_F(trainingAddTest, TextsLongerThanALineEditsUsualLimitSurviveOpenAndSave) {
    TestDb::Training row;
    row.course = QString(40000, u'课');
    row.sopName = QString(33000, u'S');
    const int id = TestDb::AddTraining(row);
    trainingAdd editor(id);
    modifyMode(editor);
    editor.show();
    ScriptedMessages::Instance().Expect(Icon::Information, "修改完成。请重新查询看结果！");
    editor.Command4->click();
    EXPECT_EQ(TestDb::Column(kCourse, "教育训练名称"), QStringList({row.course}));
    EXPECT_EQ(TestDb::Column(kCourse, "SOP名称"), QStringList({row.sopName}));
}

TEST_F(trainingAddTest, ARecordDeletedMeanwhileIsNotWrittenNorReportedDone) {
    const int id = TestDb::AddTraining({});
    trainingAdd editor(id);
    modifyMode(editor);
    editor.show();
    TestDb::Exec("delete * from 训练表");
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到原始记录！");
    editor.Command4->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(TestDb::Count("训练表"), 0);
}

TEST_F(trainingAddTest, ThePickerReplacesTheParticipants) {
    TestDb::Exec("insert into 员工表 (姓名) values('王五')");
    TestDb::Exec("insert into 员工表 (姓名) values('李四')");
    trainingAdd editor(0);
    editor.Text3->setPlainText("手写的人");
    WhenModalShows([](QWidget* modal) {
        auto* picker = dynamic_cast<fSelectMen*>(modal);
        ASSERT_NE(picker, nullptr);
        EXPECT_TRUE(picker->Command1->isEnabled());
        for (int i = 0; i < picker->Lv1->topLevelItemCount(); ++i) {
            picker->Lv1->topLevelItem(i)->setCheckState(0, Qt::Checked);
        }
        picker->Command1->click();
    });
    editor.Command2->click();
    EXPECT_EQ(editor.Text3->toPlainText(), "王五、李四");
}

TEST_F(trainingAddTest, AddingADepartmentReloadsTheList) {
    trainingAdd editor(0);
    editor.Combo5->setCurrentText("生产部");
    WhenModalShows([](QWidget* modal) {
        modal->findChild<QLineEdit*>("Text1")->setText("研发部");
        modal->findChild<QPushButton*>("Command1")->click();
        modal->close();
    });
    editor.Command1->click();
    EXPECT_EQ(editor.Combo5->count(), 3);
    EXPECT_EQ(editor.Combo5->currentText(), "质量部");
}
} // namespace
