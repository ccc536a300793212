#include "helpers/DbHelpers.h"
#include "helpers/Keyboard.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/clock/Clock.h"
#include "platform/ui/DatePicker.h"
#include "training/SearchList.h"
#include "training/SearchListModel.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
using ui::Icon;

const QString kRefused = "“2020-02-30”不是有效的日期，请按“2020-03-15”的格式输入。";

class TypedDatesTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        Clock::SetFixedNow(QDateTime(QDate(2015, 6, 1), QTime(9, 0)));
    }

    static void fill(trainingAdd& editor, const QString& course = "GMP基础") {
        editor.Text1->setText(course);
        editor.Text7->setText("偏差处理");
        editor.Text2->setText("张华");
        editor.Text3->setPlainText("张三");
    }

    TestFolder folder;
};

TEST(ParseTypedDate, ReadsTheFormsAClerkTypesAndNothingElse) {
    const QDate day(2020, 3, 15);
    for (const QString typed :
         {"2020-03-15", "2020/3/15", "2020/03/15", "2020-3-15", "2020.3.15", "20200315",
          " 2020-03-15 ", "2020年3月15日", "２０２０－０３－１５", "2020 / 3 / 15"}) {
        EXPECT_EQ(ui::ParseTypedDate(typed), day) << typed.toStdString();
    }
    for (const QString typed : {"2020-02-30", "2020-13-01", "2020-00-10", "1899-12-31", "2020",
                                "2020315", "15.3.2020", "2020-03-15x", "", "今天"}) {
        EXPECT_EQ(ui::ParseTypedDate(typed), std::nullopt) << typed.toStdString();
    }
    EXPECT_EQ(ui::ParseTypedDate(u"2020-02-29"), QDate(2020, 2, 29));
}

TEST_F(TypedDatesTest, TheEditorStoresEveryTypedFormAsTheDayMeant) {
    const QStringList forms = {"2020-03-15", "2020/3/15", "2020/03/15",   "2020-3-15",
                               "2020.3.15",  "20200315",  "2020年3月15日"};
    for (const QString& typed : forms) {
        trainingAdd editor(0);
        Keyboard::Activate(&editor);
        fill(editor, typed);
        Keyboard::Retype(editor.DTPicker1, typed);
        QTest::keyClick(editor.DTPicker1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), editor.Text6) << "Tab leaves in one step";
        EXPECT_EQ(editor.DTPicker1->text(), "2020-03-15") << typed.toStdString();
        QTest::mouseClick(editor.Command4, Qt::LeftButton);
    }
    trainingAdd pasted(0);
    Keyboard::Activate(&pasted);
    fill(pasted);
    Keyboard::PasteOver(pasted.DTPicker1, "20200315");
    QTest::mouseClick(pasted.Command4, Qt::LeftButton);
    QStringList expected(forms.size() + 1, "2020-03-15");
    EXPECT_EQ(TestDb::Column("select * from 训练表", "训练时间"), expected);
}

TEST_F(TypedDatesTest, TheEditorRefusesAnImpossibleDayAndKeepsTheInput) {
    trainingAdd editor(0);
    Keyboard::Activate(&editor);
    fill(editor);
    Keyboard::Retype(editor.DTPicker1, "2020-02-30");
    QTest::keyClick(editor.DTPicker1, Qt::Key_Tab);
    EXPECT_EQ(editor.DTPicker1->text(), "2020-02-30") << "the typing stays to be mended";
    ScriptedMessages::Instance().Expect(Icon::Critical, kRefused);
    QTest::mouseClick(editor.Command4, Qt::LeftButton);
    EXPECT_EQ(TestDb::Count("训练表"), 0);
    EXPECT_EQ(editor.Text1->text(), "GMP基础");
    EXPECT_EQ(QApplication::focusWidget(), editor.DTPicker1);

    Keyboard::Type(editor.DTPicker1, "2020-02-29");
    QTest::mouseClick(editor.Command4, Qt::LeftButton);
    EXPECT_EQ(TestDb::Column("select * from 训练表", "训练时间"), QStringList({"2020-02-29"}));
}

TEST_F(TypedDatesTest, TheCalendarStillPicksADay) {
    trainingAdd editor(0);
    Keyboard::Activate(&editor);
    editor.DTPicker1->setFocus();
    QTest::keyClick(editor.DTPicker1, Qt::Key_Down, Qt::AltModifier);
    auto* calendar = editor.DTPicker1->findChild<QCalendarWidget*>("calendar");
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2015, 6, 1));
    calendar->setSelectedDate(QDate(2015, 6, 20));
    Q_EMIT calendar->activated(calendar->selectedDate());
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(editor.DTPicker1->text(), "2015-06-20");
}

TEST_F(TypedDatesTest, TheSearchRangeTakesTypedDatesAndRefusesImpossibleOnes) {
    TestDb::Training row;
    row.day = QDate(2014, 3, 6);
    TestDb::AddTraining(row);
    QMenu popup;
    fSearch window(&popup);
    Keyboard::Activate(&window);
    window.Check1->setChecked(true);
    Keyboard::Retype(window.DTPicker1, "2014/3/6");
    Keyboard::Retype(window.DTPicker2, "20140306");
    Keyboard::Retype(window.Text1, "GMP");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_EQ(window.ListView1->Model().rowCount(), 1);
    EXPECT_EQ(window.DTPicker2->text(), "2014-03-06");

    Keyboard::Retype(window.DTPicker2, "2020-02-30");
    ScriptedMessages::Instance().Expect(Icon::Critical, kRefused);
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_EQ(window.ListView1->Model().rowCount(), 1) << "no search ran";
    EXPECT_EQ(QApplication::focusWidget(), window.DTPicker2);
}
} // namespace
