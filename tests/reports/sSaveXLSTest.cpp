#include "reports/sSaveXLS.h"

#include "helpers/DbHelpers.h"
#include "helpers/IndependentReaders.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/ScriptedFiles.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/clock/Clock.h"
#include "platform/settings/Settings.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
using ui::Icon;

const QString kSaved = "保存完成。文件大小：[0-9,]+\\.[0-9]{2}KB";
const QString kBox = "效果评估：\n已依计划完成教育训练: □ 是   □ 否 " + QString(37, '_') +
                     "\n需调整教育训练计划: □ 是   □ 否 " + QString(37, '_');

class sSaveXLSTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        CompanyName = DefaultCompanyName();
        Clock::SetFixedNow(QDateTime(QDate(2015, 6, 1), QTime(9, 5, 7)));
        target = folder.File("报告.xls");
    }

    // The search window's list after a search on the course names.
    SearchList& listOf(const QString& keyword = "GMP") {
        search = std::make_unique<fSearch>(&popup);
        search->Text1->setText(keyword);
        search->Command1->click();
        return *search->ListView1;
    }

    void save(sSaveXLS& dialog) {
        dialog.Text1->setText(target);
        ScriptedMessages::Instance().ExpectMatching(Icon::Information, kSaved);
        dialog.Command1->click();
    }

    QString value(const QJsonObject& book, const QString& sheet, const QString& cell) {
        return independent::Cell(book, sheet, cell).value("value").toVariant().toString();
    }

    TestFolder folder;
    QString target;
    QMenu popup;
    std::unique_ptr<fSearch> search;
};

TEST_F(sSaveXLSTest, LoadsItsDefaultsAndKeepsTheOptionsBetweenOpenings) {
    SearchList& list = listOf();
    {
        sSaveXLS dialog(list);
        EXPECT_EQ(dialog.windowTitle(), "保存查询结果到EXCEL文件-Quorvane制药GMP教育训练管理");
        EXPECT_EQ(dialog.Text2->text(), "QA教育训练管理");
        EXPECT_FALSE(dialog.Check1->isChecked());
        EXPECT_EQ(dialog.TextRPW->echoMode(), QLineEdit::Normal);
        EXPECT_EQ(dialog.Combo1->currentText(), "是");
        EXPECT_TRUE(dialog.Option1->isChecked());
        EXPECT_TRUE(dialog.Text1->isReadOnly());
        EXPECT_EQ(dialog.TextRPW->maxLength(), 15);
        EXPECT_EQ(dialog.TextWPW->maxLength(), 15);
        dialog.TextWPW->setText("abc");
        dialog.Check1->click();
        EXPECT_EQ(dialog.TextWPW->echoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog.TextWPW->displayText(), "***");
        dialog.Text2->setText("");
        dialog.Combo1->setCurrentText("否");
        dialog.Command2->click();
    }
    EXPECT_EQ(Settings::GetSetting(App::Title(), "设置", "Check1"), "1");
    sSaveXLS again(list);
    EXPECT_TRUE(again.Check1->isChecked());
    EXPECT_EQ(again.TextRPW->echoMode(), QLineEdit::Password);
    EXPECT_EQ(again.Text2->text(), "");
    EXPECT_EQ(again.Combo1->currentText(), "是") << "the wrap choice is not kept";
}

TEST_F(sSaveXLSTest, ChecksComeBeforeAnythingIsWritten) {
    SearchList& list = listOf();
    sSaveXLS dialog(list);
    ScriptedMessages::Instance().Expect(Icon::Critical, "请指定保存文件名！");
    dialog.Command1->click();

    ScriptedFiles files;
    files.Answer(target);
    dialog.Command3->click();
    EXPECT_EQ(dialog.Text1->text(), target);
    EXPECT_EQ(files.Requests().first().defaultExt, "xls");
    EXPECT_EQ(files.Requests().first().filter, "*.xls (*.xls)");
    files.Answer("");
    dialog.Command3->click();
    EXPECT_EQ(dialog.Text1->text(), target) << "cancel keeps the path";

    dialog.Text3->setText("  ");
    EXPECT_TRUE(dialog.Option2->isChecked()) << "typing a name picks the personal record";
    ScriptedMessages::Instance().Expect(Icon::Critical, "请输入员工姓名！");
    dialog.Command1->click();
    dialog.Option1->setChecked(true);

    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
    old.close();
    QFile lock(folder.File(".~lock.报告.xls#"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    ScriptedMessages::Instance().Expect(Icon::Critical, "该文件已经被打开，请关闭文件。");
    dialog.Command1->click();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(dialog.Command1->isEnabled());
}

TEST_F(sSaveXLSTest, AFailedSaveKeepsTheOldFileAndTheDialogOpen) {
    TestDb::Training huge;
    huge.participants = QString(40000, u'张');
    TestDb::AddTraining(huge);
    SearchList& list = listOf();
    sSaveXLS dialog(list);
    dialog.show();
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
    old.close();
    dialog.Text1->setText(target);
    ScriptedMessages::Instance().Expect(
        Icon::Critical, "ID为1的记录的“参加人员”超过了EXCEL单元格能容纳的32767个字符，不能保存。");
    dialog.Command1->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Command1->isEnabled());
    EXPECT_EQ(dialog.ProgressBar1->value(), 0);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old report");

    list.Model().Clear();
    dialog.Text1->setText(folder.File("no such folder/报告.xls"));
    ScriptedMessages::Instance().ExpectMatching(
        Icon::Critical, "无法保存工作簿“[^\n]+”：文件夹不存在。\n详细信息：[^\n]+");
    ScriptedMessages::Instance().Expect(Icon::Critical, "保存失败！");
    dialog.Command1->click();
}

TEST_F(sSaveXLSTest, TheSummaryWithoutRecordsHasItsHeadingsAndClosingBlock) {
    SearchList& list = listOf("nothing found");
    ASSERT_EQ(list.ItemCount(), 0);
    sSaveXLS dialog(list);
    dialog.Text2->setText("  训练总表  ");
    save(dialog);
    const QJsonObject book = independent::Inspect(target);
    const QJsonObject sheet = independent::Sheet(book, "训练总表");
    ASSERT_FALSE(sheet.isEmpty()) << QJsonDocument(book).toJson().toStdString();
    EXPECT_EQ(value(book, "训练总表", "A1"), "Quorvane制药有限公司 教育训练记录表");
    EXPECT_EQ(value(book, "训练总表", "A2"), "部门\nDepartment");
    EXPECT_EQ(value(book, "训练总表", "B2"), "教育训练类别\nType of Training");
    EXPECT_EQ(value(book, "训练总表", "D3"), "SOP");
    EXPECT_EQ(value(book, "训练总表", "M2"), "参加人员\nTrained employees");
    EXPECT_EQ(value(book, "训练总表", "A5"), "保存时间:2015/6/1 9:05:07");
    EXPECT_EQ(value(book, "训练总表", "A7"), kBox);
    QStringList merges;
    for (const QJsonValue& merge : sheet.value("merges").toArray()) {
        merges.push_back(merge.toString());
    }
    for (const char* range : {"A1:M1", "A2:A3", "B2:F2", "G2:G3", "M2:M3", "A5:M5", "A7:M10"}) {
        EXPECT_TRUE(merges.contains(QString::fromUtf8(range))) << range;
    }
    QStringList names;
    for (const QJsonValue& s : book.value("sheets").toArray()) {
        names.push_back(s.toObject().value("name").toString());
    }
    EXPECT_EQ(names, QStringList({"训练总表", "Sheet2", "Sheet3"}));
}

TEST_F(sSaveXLSTest, HeadingCellsEndWhiteOnOrangeCentredAndWrapped) {
    SearchList& list = listOf("nothing found");
    sSaveXLS dialog(list);
    save(dialog);
    const QJsonObject book = independent::Inspect(target);
    for (const char* address : {"A1", "B2", "C3", "M2"}) {
        const QJsonObject cell =
            independent::Cell(book, "QA教育训练管理", QString::fromUtf8(address));
        EXPECT_EQ(cell.value("font").toString(), "Times New Roman") << address;
        EXPECT_EQ(cell.value("size").toDouble(), 10) << address;
        EXPECT_FALSE(cell.value("bold").toBool()) << address;
        EXPECT_EQ(cell.value("color").toString(), "FFFFFF") << address;
        EXPECT_EQ(cell.value("fill").toString(), "FF6600") << address;
        EXPECT_EQ(cell.value("fill_pattern").toInt(), 1) << address;
        EXPECT_EQ(cell.value("borders").toArray(), QJsonArray({1, 1, 1, 1})) << address;
        EXPECT_EQ(cell.value("halign").toInt(), 2) << address;
        EXPECT_EQ(cell.value("valign").toInt(), 1) << address;
        EXPECT_TRUE(cell.value("wrap").toBool()) << address;
    }
    EXPECT_TRUE(independent::Cell(book, "QA教育训练管理", "A1").value("underline").toBool());
    EXPECT_FALSE(independent::Cell(book, "QA教育训练管理", "B2").value("underline").toBool());
}

TEST_F(sSaveXLSTest, RecordRowsFollowTheirRules) {
    struct Row {
        QString revision;
        QString expected;
    };
    const std::vector<Row> rows = {{"3", "三"}, {" 3 ", "三"}, {"03", "03"}, {"3a", "3a"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        TestDb::Training row;
        row.revision = rows[i].revision;
        row.day = QDate(2014, 12, 4).addDays(static_cast<int>(i));
        row.newEmployees = i == 0;
        row.sop = false;
        row.sopName = i == 0 ? "偏差处理\r\n" : "偏差处理";
        row.sopNumber = "001";
        TestDb::AddTraining(row);
    }
    SearchList& list = listOf();
    ASSERT_EQ(list.ItemCount(), 4);
    sSaveXLS dialog(list);
    dialog.Combo1->setCurrentText("否");
    save(dialog);
    EXPECT_EQ(list.SubItem(0, 10), "偏差处理") << "the list loses the line break too";
    const QJsonObject book = independent::Inspect(target);
    const QString sheet = "QA教育训练管理";
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString r = QString::number(4 + static_cast<int>(i));
        EXPECT_EQ(value(book, sheet, "I" + r), rows[i].expected) << i;
        EXPECT_EQ(independent::Cell(book, sheet, "I" + r).value("format").toString(), "@");
    }
    EXPECT_EQ(value(book, sheet, "A4"), "质量部");
    EXPECT_EQ(value(book, sheet, "B4"), "√");
    EXPECT_EQ(value(book, sheet, "B5"), "");
    EXPECT_EQ(independent::Cell(book, sheet, "D4").value("borders").toArray(),
              QJsonArray({1, 1, 1, 1}));
    EXPECT_EQ(value(book, sheet, "G4"), "2014-12-04");
    EXPECT_EQ(independent::Cell(book, sheet, "G4").value("type").toString(), "text");
    EXPECT_EQ(independent::Cell(book, sheet, "H4").value("type").toString(), "number")
        << "001 reads as 1";
    EXPECT_EQ(value(book, sheet, "J4"), "偏差处理");
    EXPECT_FALSE(independent::Cell(book, sheet, "J4").value("wrap").toBool());
    EXPECT_EQ(value(book, sheet, "M4"), "张三、李四");
    EXPECT_EQ(independent::Cell(book, sheet, "A4").value("font").toString(), "楷体_GB2312");
    EXPECT_EQ(independent::Cell(book, sheet, "G4").value("font").toString(), "Times New Roman");
    EXPECT_EQ(value(book, sheet, "A9"), "保存时间:2015/6/1 9:05:07");
    EXPECT_EQ(value(book, sheet, "A11"), kBox);
}

TEST_F(sSaveXLSTest, WrapAppliesToTitlesAndParticipantsWhenChosen) {
    TestDb::AddTraining({});
    SearchList& list = listOf();
    sSaveXLS dialog(list);
    save(dialog);
    const QJsonObject book = independent::Inspect(target);
    for (const char* address : {"J4", "K4", "M4"}) {
        EXPECT_TRUE(independent::Cell(book, "QA教育训练管理", QString::fromUtf8(address))
                        .value("wrap")
                        .toBool())
            << address;
    }
    EXPECT_FALSE(independent::Cell(book, "QA教育训练管理", "L4").value("wrap").toBool());
}

TEST_F(sSaveXLSTest, ThePersonalRecordShowsTheEmployeeBlockAndSignatures) {
    TestDb::Exec("insert into 员工表 (姓名,部门,职务,员工编号,学历,到职日) values"
                 "('O''Hara','质量部','主管','QV007','本科',#2010-01-02#)");
    TestDb::AddTraining({});
    TestDb::Training second;
    second.day = QDate(2014, 5, 6);
    TestDb::AddTraining(second);
    SearchList& list = listOf();
    sSaveXLS dialog(list);
    dialog.Text3->setText(" O'Hara ");
    save(dialog);
    const QJsonObject book = independent::Inspect(target);
    const QString sheet = "QA教育训练管理";
    EXPECT_EQ(value(book, sheet, "A1"), "Quorvane制药有限公司 个人教育训练记录表");
    EXPECT_EQ(value(book, sheet, "A2"), "姓      名");
    EXPECT_EQ(value(book, sheet, "B2"), "O'Hara");
    EXPECT_EQ(value(book, sheet, "H2"), "QV007");
    EXPECT_EQ(value(book, sheet, "B3"), "本科");
    EXPECT_EQ(value(book, sheet, "G3"), "职       务");
    EXPECT_EQ(value(book, sheet, "H3"), "主管");
    EXPECT_EQ(value(book, sheet, "K2"), "到职日");
    EXPECT_EQ(value(book, sheet, "A5"), "部门\nDepartment");
    EXPECT_EQ(value(book, sheet, "L5"), "主讲人\nTrainer");
    EXPECT_TRUE(value(book, sheet, "M5").isEmpty());
    EXPECT_EQ(value(book, sheet, "G7"), "2014-03-05");
    EXPECT_EQ(value(book, sheet, "G8"), "2014-05-06");
    EXPECT_TRUE(value(book, sheet, "M7").isEmpty()) << "no participants column";
    EXPECT_EQ(value(book, sheet, "A10"), "保存时间:2015/6/1 9:05:07");
    EXPECT_EQ(value(book, sheet, "A12"), kBox);
    EXPECT_EQ(value(book, sheet, "B17"), "人员签章:");
    EXPECT_EQ(value(book, sheet, "H17"), "主管签章:");
    QStringList merges;
    for (const QJsonValue& merge : independent::Sheet(book, sheet).value("merges").toArray()) {
        merges.push_back(merge.toString());
    }
    for (const char* range :
         {"A1:L1", "B2:F2", "H3:J3", "K2:K3", "L2:L3", "A5:A6", "A10:L10", "A12:L15"}) {
        EXPECT_TRUE(merges.contains(QString::fromUtf8(range))) << range;
    }
}

TEST_F(sSaveXLSTest, APersonalRecordWithoutRecordsPlacesItsBlocks) {
    SearchList& list = listOf("nothing found");
    sSaveXLS dialog(list);
    dialog.Text3->setText("无此人");
    save(dialog);
    const QJsonObject book = independent::Inspect(target);
    const QString sheet = "QA教育训练管理";
    EXPECT_EQ(value(book, sheet, "B2"), "无此人");
    EXPECT_EQ(value(book, sheet, "H2"), "");
    EXPECT_EQ(value(book, sheet, "A8"), "保存时间:2015/6/1 9:05:07");
    EXPECT_EQ(value(book, sheet, "A10"), kBox);
    EXPECT_EQ(value(book, sheet, "B15"), "人员签章:");
    EXPECT_EQ(value(book, sheet, "H15"), "主管签章:");
}

TEST_F(sSaveXLSTest, PasswordsProtectTheFile) {
    TestDb::AddTraining({});
    SearchList& list = listOf();
    sSaveXLS dialog(list);
    dialog.TextRPW->setText("open-1");
    dialog.TextWPW->setText("modify-2");
    dialog.Text2->setText("Sheet2");
    save(dialog);
    EXPECT_TRUE(independent::Inspect(target).contains("error"))
        << "unreadable without the password";
    EXPECT_TRUE(independent::Inspect(target, "wrong").contains("error"));
    const QJsonObject book = independent::Inspect(target, "open-1");
    EXPECT_EQ(value(book, "Sheet2", "A4"), "质量部") << "the default sheet took the report";
    EXPECT_EQ(independent::Sheet(book, "Sheet1").value("cells").toObject().size(), 0);
}

TEST_F(sSaveXLSTest, TheSearchWindowHandsOverTheParticipantName) {
    TestDb::AddTraining({});
    QMenu menu;
    fSearch window(&menu);
    window.Combo1->setCurrentText("参加人员");
    window.Text1->setText(" 张三 ");
    window.Command1->click();
    bool shown = false;
    WhenModalShows([&shown](QWidget* modal) {
        auto* dialog = dynamic_cast<sSaveXLS*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = true;
        EXPECT_EQ(dialog->Text3->text(), "张三");
        EXPECT_TRUE(dialog->Option2->isChecked());
        dialog->close();
    });
    window.Command2->click();
    EXPECT_TRUE(shown);
}
} // namespace
