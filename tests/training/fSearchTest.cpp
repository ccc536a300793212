#include "training/fSearch.h"

#include "helpers/CaseTwins.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/clock/Clock.h"
#include "platform/ui/DatePicker.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
using ui::Icon;

class fSearchTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        Clock::SetFixedNow(QDateTime(QDate(2015, 6, 1), QTime(9, 0)));
    }

    QStringList ids(const fSearch& window) {
        QStringList list;
        for (int i = 0; i < window.ListView1->ItemCount(); ++i) {
            list.push_back(window.ListView1->ItemText(i));
        }
        return list;
    }

    QStringList search(fSearch& window, const QString& column, const QString& keywords,
                       bool exact = false) {
        window.Combo1->setCurrentText(column);
        window.Combo2->setCurrentIndex(exact ? 1 : 0);
        window.Text1->setText(keywords);
        window.Command1->click();
        return ids(window);
    }

    TestFolder folder;
    QMenu popup;
};

TEST_F(fSearchTest, LoadsTheColumnsAndTheBoxes) {
    fSearch window(&popup);
    EXPECT_EQ(window.windowTitle(), "教育训练记录查询");
    EXPECT_EQ(window.Combo1->count(), 14);
    EXPECT_EQ(window.Combo1->itemText(0), "[全部栏目]");
    EXPECT_EQ(window.Combo1->itemText(1), "部门");
    EXPECT_EQ(window.Combo1->findText("id"), -1);
    EXPECT_EQ(window.ListView1->Model().Headers().value(0), "id");
    EXPECT_EQ(window.ListView1->Model().columnCount(), 14);
    EXPECT_EQ(window.Combo2->currentText(), "模糊匹配");
    EXPECT_EQ(window.DTPicker1->date(), QDate(2015, 6, 1));
    EXPECT_EQ(window.Label1->text(), "0条");
    EXPECT_FALSE(window.Check1->isChecked());
    EXPECT_FALSE(window.Picture1->isVisibleTo(&window));
    EXPECT_EQ(window.Command1->size(), QSize(47, 22));
    EXPECT_GE(window.Command1->x(), 788) << "moved right when the match box had to grow";
}

TEST_F(fSearchTest, FillsOneRowPerRecordSortedByDate) {
    TestDb::Training late;
    late.day = QDate(2014, 12, 31);
    late.newEmployees = true;
    TestDb::AddTraining(late);
    TestDb::Training early;
    early.day = QDate(2014, 1, 2);
    early.participants = "王五";
    TestDb::AddTraining(early);
    TestDb::Training undated;
    undated.day = QDate();
    TestDb::AddTraining(undated);
    fSearch window(&popup);
    EXPECT_EQ(search(window, "教育训练名称", "GMP"), QStringList({"3", "2", "1"}));
    EXPECT_EQ(window.Label1->text(), "3条");
    const SearchList& list = *window.ListView1;
    EXPECT_EQ(list.ItemKey(1), "K2");
    EXPECT_EQ(list.SubItem(0, 7), "") << "empty date";
    EXPECT_EQ(list.SubItem(1, 7), "2014-01-02");
    EXPECT_EQ(list.SubItem(2, 2), "True");
    EXPECT_EQ(list.SubItem(1, 2), "False");
    EXPECT_EQ(list.SubItem(1, 13), "王五");
    EXPECT_EQ(list.SubItem(1, 1), "质量部");
}

TEST_F(fSearchTest, MatchesAsTheUserExpects) {
    TestDb::Training a;
    a.course = "O'Neil讲GMP";
    a.participants = "张三、李四";
    TestDb::AddTraining(a);
    TestDb::Training b;
    b.course = "gmp_50%";
    b.day = QDate(2014, 3, 6);
    b.department = "生产部";
    b.participants = "王五";
    TestDb::AddTraining(b);
    fSearch window(&popup);
    EXPECT_EQ(search(window, "教育训练名称", "O'Neil"), QStringList({"1"}));
    EXPECT_EQ(search(window, "教育训练名称", "GMP"), QStringList({"1", "2"}));
    EXPECT_EQ(search(window, "教育训练名称", "p_5"), QStringList({"2"})) << "_ is one character";
    EXPECT_EQ(search(window, "教育训练名称", "[go]"), QStringList({"1", "2"}));
    EXPECT_EQ(search(window, "[全部栏目]", "2014-03-06"), QStringList({"2"}));
    EXPECT_EQ(search(window, "[全部栏目]", "李四 张三"), QStringList({"1"}));
    EXPECT_EQ(search(window, "部门", "生产部", true), QStringList({"2"}));
    EXPECT_EQ(search(window, "[全部栏目]", "生产", true), QStringList());
    EXPECT_EQ(search(window, "参加人员", "张三、李四", true), QStringList({"1"}));
    EXPECT_EQ(search(window, "教育训练名称", "   "), QStringList()) << "rejected silently";
    EXPECT_EQ(window.Label1->text(), "0条");
    EXPECT_EQ(search(window, "教育训练名称", "[GMP"), QStringList()) << "invalid pattern";

    window.Check1->setChecked(true);
    window.DTPicker1->setDate(QDate(2014, 3, 6));
    window.DTPicker2->setDate(QDate(2014, 3, 6));
    EXPECT_EQ(search(window, "[全部栏目]", "GMP"), QStringList({"2"})) << "both days included";

    ScriptedMessages::Instance().Expect(Icon::Critical, "该字段目前暂不支持精确查找！");
    EXPECT_EQ(search(window, "训练时间", "2014-03-06", true), QStringList());
}

TEST_F(fSearchTest, AnExactSearchIgnoresLetterCaseInEveryScript) {
    std::vector<QString> ids;
    for (const CaseTwin& twin : CaseTwins()) {
        TestDb::Training row;
        row.course = twin.stored;
        ids.push_back(QString::number(TestDb::AddTraining(row)));
    }
    fSearch window(&popup);
    for (size_t i = 0; i < ids.size(); ++i) {
        const CaseTwin& twin = CaseTwins()[i];
        for (const char* column : {"教育训练名称", "[全部栏目]"}) {
            EXPECT_EQ(search(window, column, twin.typed, true).contains(ids[i]), twin.same)
                << twin.typed.toStdString() << " in " << column;
        }
    }
}

TEST_F(fSearchTest, EnterSearchesAndAnEmptyKeywordIsRefused) {
    TestDb::AddTraining({});
    fSearch window(&popup);
    window.Text1->setText("GMP");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_EQ(ids(window), QStringList({"1"}));
    window.Text1->clear();
    ScriptedMessages::Instance().Expect(Icon::Critical, "请输入关键词!");
    window.Command1->click();
    EXPECT_EQ(ids(window), QStringList({"1"})) << "the list keeps its rows";
    EXPECT_TRUE(window.Command1->isEnabled());
}

TEST_F(fSearchTest, ExportHandOffNeedsRows) {
    fSearch window(&popup);
    ScriptedMessages::Instance().Expect(Icon::Critical, "请先查询！");
    window.Command2->click();
}

TEST_F(fSearchTest, AMissingFileLeavesOnlyTheAllColumnsChoice) {
    QFile::remove(DatabasePath);
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    fSearch window(&popup);
    EXPECT_EQ(window.Combo1->count(), 1);
    EXPECT_EQ(window.ListView1->Model().columnCount(), 0);
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    EXPECT_EQ(search(window, "[全部栏目]", "x"), QStringList());
}

TEST_F(fSearchTest, RightClickOnlyOpensThePopup) {
    TestDb::AddTraining({});
    fSearch window(&popup);
    window.resize(900, 600);
    window.show();
    search(window, "[全部栏目]", "GMP");
    const QPoint onRow =
        window.ListView1->visualRect(window.ListView1->Model().index(0, 1)).center();
    QTest::mouseClick(window.ListView1->viewport(), Qt::LeftButton, {}, onRow);
    EXPECT_FALSE(popup.isVisible());
    QTest::mousePress(window.ListView1->viewport(), Qt::RightButton, {}, onRow);
    EXPECT_TRUE(popup.isVisible());
    popup.hide();
    EXPECT_EQ(window.ListView1->SelectedIndex(), 0);
}

TEST_F(fSearchTest, ResizingLaysOutTheListAndCentresTheNotice) {
    fSearch window(&popup);
    window.resize(1000, 700);
    window.show();
    const QRect list = window.ListView1->geometry();
    EXPECT_EQ(list, QRect(3, 75, 1000 - 20, 700 - 20 - 75 - 40));
    const QRect notice = window.Picture1->geometry();
    EXPECT_EQ(notice.center().x() / 2, list.center().x() / 2);
    window.resize(10, 10);
    EXPECT_EQ(window.ListView1->geometry(), list) << "too small: the list keeps its size";
}
TEST_F(fSearchTest, TheSearchBarShowsEveryCaptionWholeAtTheMainWindowsFirstSize) {
    fSearch window(&popup);
    for (QWidget* control : std::initializer_list<QWidget*>{window.Combo2, window.DTPicker1,
                                                            window.DTPicker2, window.Label4}) {
        EXPECT_GE(control->width(), control->sizeHint().width())
            << control->objectName().toStdString();
    }
    EXPECT_LT(window.Combo2->geometry().right(), window.Command1->x());
    const auto right = [&window](QWidget* control) {
        return control->mapTo(&window, QPoint(control->width(), 0)).x();
    };
    window.resize(1020, 650);
    window.show();
    EXPECT_LE(right(window.Label4), window.width()) << "the hint wraps to the next row";
    EXPECT_GT(window.Label4->y(), window.Frame1->geometry().bottom() - 10);
    window.resize(1300, 650);
    EXPECT_LT(window.Label4->y(), window.Frame1->geometry().bottom()) << "room in the bar";
    EXPECT_GT(window.Label4->x(), right(window.Command1));
}
} // namespace
