#include "refdata/fAddDep.h"

#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
using ui::Icon;

QStringList listed(const fAddDep& window) {
    QStringList names;
    for (int i = 0; i < window.Lv1->topLevelItemCount(); ++i) {
        names.push_back(window.Lv1->topLevelItem(i)->text(0));
    }
    return names;
}

class fAddDepTest : public QvTest {
protected:
    void SetUp() override { folder.WithDatabase(); }

    void add(fAddDep& window, const QString& typed) {
        window.Text1->setText(typed);
        window.Command1->click();
    }

    TestFolder folder;
};

TEST_F(fAddDepTest, ListsTheNamedRowsWithTheirKeysInTableOrder) {
    TestDb::Exec("insert into 部门表 (部门名称) values('生产部')");
    TestDb::Exec("insert into 部门表 (部门名称) values('  ')");
    TestDb::Exec("insert into 部门表 (部门名称) values(null)");
    TestDb::Exec("insert into 部门表 (部门名称) values(' 质量部 ')");
    fAddDep window;
    EXPECT_EQ(window.windowTitle(), "增加部门名称-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(listed(window), QStringList({"生产部", "质量部"}));
    EXPECT_EQ(window.Lv1->topLevelItem(1)->data(0, Qt::UserRole).toString(), "K4");
    EXPECT_EQ(window.Lv1->headerItem()->text(0), "名称");
}

TEST_F(fAddDepTest, AddsTrimmedNamesOnceByButtonOrEnter) {
    fAddDep window;
    add(window, "  质量部  ");
    EXPECT_EQ(listed(window), QStringList({"质量部"}));
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(TestDb::Column("select * from 部门表", "部门名称"), QStringList({"质量部"}));

    ScriptedMessages::Instance().Expect(Icon::Critical, "该名称已经存在！");
    add(window, "质量部");
    EXPECT_EQ(window.Text1->text(), "质量部");

    add(window, "   ");
    window.Text1->setText("O'Brien车间");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_EQ(listed(window), QStringList({"质量部", "O'Brien车间"}));
    ScriptedMessages::Instance().Expect(Icon::Critical, "该名称已经存在！");
    add(window, "O'Brien车间");
    EXPECT_EQ(TestDb::Count("部门表"), 2);
}

TEST_F(fAddDepTest, DeletesTheSelectedRowAtOnceAndOnlyWhenOneIsSelected) {
    TestDb::Exec("insert into 部门表 (部门名称) values('生产部')");
    TestDb::Exec("insert into 部门表 (部门名称) values('O''Neil部')");
    fAddDep window;
    window.Command3->click();
    EXPECT_EQ(TestDb::Count("部门表"), 2);

    window.Lv1->setCurrentItem(window.Lv1->topLevelItem(1));
    window.Command3->click();
    EXPECT_EQ(listed(window), QStringList({"生产部"}));
    EXPECT_EQ(TestDb::Column("select * from 部门表", "部门名称"), QStringList({"生产部"}));
}

TEST_F(fAddDepTest, KeepsTheTypedNameWhenTheFileCannotBeOpened) {
    fAddDep window;
    QFile::remove(DatabasePath);
    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    add(window, "质量部");
    EXPECT_EQ(window.Text1->text(), "质量部");
}
} // namespace
