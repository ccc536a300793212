#include "refdata/fSelectMen.h"

#include "helpers/DbHelpers.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "platform/ui/DatePicker.h"
#include "refdata/ParticipantReceiver.h"
#include "refdata/fAddDep.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>
#include <optional>

namespace {
using ui::Icon;

struct Receiver : ParticipantReceiver {
    void ReceiveParticipants(const QString& participants) override { received = participants; }
    std::optional<QString> received;
};

QStringList names(const fSelectMen& window) {
    QStringList list;
    for (int i = 0; i < window.Lv1->topLevelItemCount(); ++i) {
        list.push_back(window.Lv1->topLevelItem(i)->text(0));
    }
    return list;
}

QTreeWidgetItem* row(const fSelectMen& window, const QString& name) {
    const auto found = window.Lv1->findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

void tick(const fSelectMen& window, const QString& name) {
    row(window, name)->setCheckState(0, Qt::Checked);
}

// Where a person clicks to tick a row, and where to click its name.
QPoint checkBoxOf(const fSelectMen& window, const QString& name) {
    QStyleOptionViewItem option;
    option.initFrom(window.Lv1);
    option.rect = window.Lv1->visualItemRect(row(window, name));
    option.rect.setWidth(window.Lv1->columnWidth(0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return window.Lv1->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, window.Lv1)
        .center();
}

QPoint nameOf(const fSelectMen& window, const QString& name) {
    const QRect rect = window.Lv1->visualItemRect(row(window, name));
    return {checkBoxOf(window, name).x() + 30, rect.center().y()};
}

class fSelectMenTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::Exec("insert into 部门表 (部门名称) values('生产部')");
    }

    static void addEmployee(const QString& name, const QString& department,
                            const QString& joined = "2012-05-06") {
        TestDb::Exec(QString("insert into 员工表 (姓名,部门,职务,员工编号,学历,到职日) values("
                             "'%1','%2','主管','E1','本科',#%3#)")
                         .arg(QString(name).replace("'", "''"), department, joined));
    }

    void type(fSelectMen& window, const QString& name, const QString& department) {
        window.Text1->setText(name);
        window.Combo1->setCurrentText(department);
        window.TextXL->setText(" 本科 ");
        window.TextZW->setText(" 检验员 ");
        window.TextYGBH->setText(" QV001 ");
        window.DTPicker1->setDate(QDate(2015, 3, 5));
    }

    TestFolder folder;
};

TEST_F(fSelectMenTest, OpensInRegisterStateWithTheLayoutInTwips) {
    addEmployee("张三", "质量部");
    TestDb::Exec("insert into 员工表 (姓名) values('   ')");
    fSelectMen window;
    EXPECT_EQ(window.windowTitle(), "选择参加培训的人员-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(window.size(), QSize(773, 391));
    EXPECT_EQ(window.Lv1->geometry(), QRect(10, 22, 432, 310));
    EXPECT_EQ(window.Frame1->geometry(), QRect(506, 18, 252, 321));
    EXPECT_EQ(window.Command5->geometry(), QRect(130, 265, 96, 33));
    EXPECT_FALSE(window.Command1->isEnabled());
    EXPECT_EQ(window.Command5->text(), "添加");
    EXPECT_EQ(window.DTPicker1->date(), QDate(2009, 2, 4));
    EXPECT_FALSE(window.TextID->isVisibleTo(&window));
    EXPECT_EQ(names(window), QStringList({"张三"}));
    QTreeWidgetItem* item = row(window, "张三");
    EXPECT_EQ(item->text(1), "质量部");
    EXPECT_EQ(item->text(5), "2012-05-06");
    EXPECT_EQ(item->checkState(0), Qt::Unchecked);
    EXPECT_EQ(window.Combo1->currentText(), "质量部");
    EXPECT_EQ(window.Combo1->count(), 2);
}

TEST_F(fSelectMenTest, AddsTrimmedEmployeesAndRefusesADuplicateName) {
    fSelectMen window;
    type(window, "  O'Hara  ", "生产部");
    window.Command5->click();
    EXPECT_EQ(names(window), QStringList({"O'Hara"}));
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(window.TextXL->text(), "");
    const QString stored = "select * from 员工表 where 姓名='O''Hara'";
    EXPECT_EQ(TestDb::Column(stored, "部门"), QStringList({"生产部"}));
    EXPECT_EQ(TestDb::Column(stored, "学历"), QStringList({"本科"}));
    EXPECT_EQ(TestDb::Column(stored, "职务"), QStringList({"检验员"}));
    EXPECT_EQ(TestDb::Column(stored, "员工编号"), QStringList({"QV001"}));
    EXPECT_EQ(TestDb::Column(stored, "到职日"), QStringList({"2015-03-05"}));

    ScriptedMessages::Instance().Expect(Icon::Critical, "该姓名已经存在！");
    type(window, "O'Hara", "质量部");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_EQ(TestDb::Count("员工表"), 1);
    EXPECT_EQ(window.Text1->text(), "");

    type(window, "   ", "质量部");
    window.Command5->click();
    EXPECT_EQ(TestDb::Count("员工表"), 1);
}

TEST_F(fSelectMenTest, RowClickLoadsTheEmployeeAndModifyStoresTheFrame) {
    addEmployee("李四", "已撤销部门", "2010-01-02");
    addEmployee("王五", "生产部");
    fSelectMen window;
    window.Combo1->setCurrentText("生产部");
    window.Lv1_ItemClick(row(window, "李四"));
    EXPECT_EQ(window.Text1->text(), "李四");
    EXPECT_EQ(window.Combo1->currentText(), "生产部") << "unknown department keeps the choice";
    EXPECT_EQ(window.TextZW->text(), "主管");
    EXPECT_EQ(window.DTPicker1->date(), QDate(2010, 1, 2));
    EXPECT_EQ(window.Command5->text(), "修改");
    EXPECT_EQ(window.TextID->text(), "1");

    window.Text1->setText(" 李四新 ");
    window.Combo1->setCurrentText("质量部");
    window.Command5->click();
    EXPECT_EQ(window.Command5->text(), "添加");
    EXPECT_EQ(TestDb::Column("select * from 员工表 where id=1", "姓名"), QStringList({"李四新"}));
    EXPECT_EQ(TestDb::Column("select * from 员工表 where id=1", "部门"), QStringList({"质量部"}));
    EXPECT_EQ(names(window), QStringList({"李四新", "王五"}));

    window.Lv1_ItemClick(row(window, "李四新"));
    window.Command7->click();
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(window.TextID->text(), "");
    EXPECT_EQ(window.Command5->text(), "添加");
    EXPECT_EQ(window.DTPicker1->date(), QDate(2010, 1, 2)) << "清空 keeps the date";
}

TEST_F(fSelectMenTest, RenamingOntoAnotherEmployeesNameIsRefused) {
    addEmployee("李四", "质量部");
    addEmployee("王五", "生产部");
    fSelectMen window;
    window.Lv1_ItemClick(row(window, "李四"));
    window.Text1->setText("王五");
    ScriptedMessages::Instance().Expect(Icon::Critical, "该姓名已经存在！");
    window.Command5->click();
    EXPECT_EQ(TestDb::Column("select * from 员工表 order by id", "姓名"),
              QStringList({"李四", "王五"}));
    EXPECT_EQ(window.Command5->text(), "添加");
}

TEST_F(fSelectMenTest, DeletesEveryTickedRowWithoutAsking) {
    for (const QString& name : QStringList{"张三", "O'Neil", "李四"}) {
        addEmployee(name, "质量部");
    }
    fSelectMen window;
    tick(window, "张三");
    tick(window, "O'Neil");
    window.Command6->click();
    EXPECT_EQ(names(window), QStringList({"李四"}));
    EXPECT_EQ(TestDb::Column("select * from 员工表", "姓名"), QStringList({"李四"}));
}

TEST_F(fSelectMenTest, HandsTheTickedNamesInListOrderToTheCaller) {
    for (const QString& name : QStringList{"王五", "张三", "李四"}) {
        addEmployee(name, "质量部");
    }
    struct Case {
        QStringList ticked;
        QString expected;
    };
    for (const Case& c :
         {Case{{}, ""}, Case{{"李四", "王五"}, "王五、李四"}, Case{{"张三"}, "张三"}}) {
        fSelectMen window;
        Receiver receiver;
        window.EnablePicking(&receiver);
        EXPECT_TRUE(window.Command1->isEnabled());
        for (const QString& name : c.ticked) {
            tick(window, name);
        }
        window.Command1->click();
        ASSERT_TRUE(receiver.received.has_value());
        EXPECT_EQ(*receiver.received, c.expected);
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
}

TEST_F(fSelectMenTest, CancelAndTheCloseBoxHandNothingBack) {
    addEmployee("张三", "质量部");
    Receiver receiver;
    {
        fSelectMen window;
        window.EnablePicking(&receiver);
        tick(window, "张三");
        window.Command2->click();
    }
    {
        fSelectMen window;
        window.EnablePicking(&receiver);
        window.show();
        tick(window, "张三");
        window.close();
    }
    EXPECT_FALSE(receiver.received.has_value());
}

TEST_F(fSelectMenTest, SelectAllAndNoneTickEveryRow) {
    addEmployee("张三", "质量部");
    addEmployee("李四", "质量部");
    fSelectMen window;
    window.Command3->click();
    EXPECT_EQ(row(window, "张三")->checkState(0), Qt::Checked);
    EXPECT_EQ(row(window, "李四")->checkState(0), Qt::Checked);
    window.Command4->click();
    EXPECT_EQ(row(window, "张三")->checkState(0), Qt::Unchecked);
    EXPECT_EQ(row(window, "李四")->checkState(0), Qt::Unchecked);
}

TEST_F(fSelectMenTest, HeaderClicksSortByTheirRules) {
    addEmployee("b", "质量部");
    addEmployee("c", "生产部");
    addEmployee("a", "研发部");
    fSelectMen window;
    EXPECT_EQ(names(window), QStringList({"b", "c", "a"})) << "unsorted at first";
    auto clickHeader = [&window](int section) {
        const QHeaderView* header = window.Lv1->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
    };
    window.show();
    clickHeader(0);
    EXPECT_EQ(names(window), QStringList({"c", "b", "a"})) << "first click on 姓名 descends";
    clickHeader(0);
    EXPECT_EQ(names(window), QStringList({"a", "b", "c"}));
    clickHeader(1);
    EXPECT_EQ(names(window), QStringList({"c", "a", "b"})) << "生产部 < 研发部 < 质量部 ascending";
    clickHeader(1);
    EXPECT_EQ(names(window), QStringList({"b", "a", "c"}));
}

TEST_F(fSelectMenTest, TickingARowLeavesWhatIsTypedAndOnlyTheNameLoadsTheRow) {
    addEmployee("张三", "质量部");
    addEmployee("李四", "生产部");
    fSelectMen window;
    window.show();
    window.Text1->setText("王五");
    QTest::mouseClick(window.Lv1->viewport(), Qt::LeftButton, {}, checkBoxOf(window, "张三"));
    EXPECT_EQ(row(window, "张三")->checkState(0), Qt::Checked);
    EXPECT_EQ(window.Text1->text(), "王五");
    EXPECT_EQ(window.Command5->text(), "添加");
    QTest::mouseClick(window.Lv1->viewport(), Qt::LeftButton, {}, checkBoxOf(window, "张三"));
    EXPECT_EQ(row(window, "张三")->checkState(0), Qt::Unchecked);
    EXPECT_EQ(window.Text1->text(), "王五");

    QTest::mouseClick(window.Lv1->viewport(), Qt::LeftButton, {}, nameOf(window, "李四"));
    EXPECT_EQ(window.Text1->text(), "李四");
    EXPECT_EQ(window.Combo1->currentText(), "生产部");
    EXPECT_EQ(window.Command5->text(), "修改");
}

TEST_F(fSelectMenTest, TheChosenSortHoldsAfterAddModifyAndDelete) {
    addEmployee("b", "质量部");
    addEmployee("c", "生产部");
    addEmployee("a", "研发部");
    fSelectMen window;
    window.show();
    window.Lv1_ColumnClick(1);
    window.Lv1_ColumnClick(1);
    ASSERT_EQ(names(window), QStringList({"a", "b", "c"}));
    window.Text1->setText("ab");
    window.Command5->click();
    EXPECT_EQ(names(window), QStringList({"a", "ab", "b", "c"}));
    tick(window, "b");
    window.Command6->click();
    EXPECT_EQ(names(window), QStringList({"a", "ab", "c"}));
    window.Lv1_ItemClick(row(window, "a"));
    window.Text1->setText("z");
    window.Command5->click();
    EXPECT_EQ(names(window), QStringList({"ab", "c", "z"}));
}

TEST_F(fSelectMenTest, WithoutDepartmentsTheEditButtonOpensTheDepartmentList) {
    TestDb::Exec("delete * from 部门表");
    fSelectMen window;
    EXPECT_FALSE(window.Combo1->isEnabled());
    bool departmentsShown = false;
    WhenModalShows([&](QWidget* modal) {
        departmentsShown = dynamic_cast<fAddDep*>(modal) != nullptr;
        EXPECT_FALSE(window.isVisible());
        modal->close();
    });
    window.show();
    window.Text1->setText("张三");
    window.Command5->click();
    EXPECT_TRUE(departmentsShown);
    EXPECT_EQ(TestDb::Count("员工表"), 0);
}
} // namespace
