#include "helpers/DbHelpers.h"
#include "helpers/Keyboard.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "refdata/fAddDep.h"
#include "refdata/fSelectMen.h"
#include "training/trainingAdd.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

namespace {
using ui::Answer;
using ui::Icon;

const QString kDiscard = "输入的内容还没有保存，要放弃这些内容并关闭窗口吗？";

struct Case {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> open;
    const char* box; // where the user types
};

class UnsavedInputTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        TestDb::Exec("insert into 员工表 (姓名,部门) values('张三','质量部')");
    }

    static bool escapeCloses(QDialog& dialog) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return !dialog.isVisible();
    }

    TestFolder folder;
};

TEST_F(UnsavedInputTest, EscapeClosesOnlyWhenNothingTypedWouldBeLost) {
    const std::vector<Case> cases = {
        {"editor", [] { return std::make_unique<trainingAdd>(0); }, "Text1"},
        {"register", [] { return std::make_unique<fSelectMen>(); }, "TextZW"},
        {"departments", [] { return std::make_unique<fAddDep>(); }, "Text1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.open();
        Keyboard::Activate(dialog.get());
        EXPECT_TRUE(escapeCloses(*dialog)) << "nothing typed";

        Keyboard::Activate(dialog.get());
        Keyboard::Retype(dialog->findChild<QLineEdit*>(c.box), "质量");
        ScriptedMessages::Instance().Expect(Icon::Question, kDiscard, Answer::No);
        EXPECT_FALSE(escapeCloses(*dialog));
        EXPECT_EQ(dialog->findChild<QLineEdit*>(c.box)->text(), "质量");
        ScriptedMessages::Instance().Expect(Icon::Question, kDiscard, Answer::Yes);
        EXPECT_TRUE(escapeCloses(*dialog));
    }
}

TEST_F(UnsavedInputTest, ARecordOpenedAndLeftAsItWasClosesAtOnce) {
    TestDb::Exec("insert into 训练表 (部门,教育训练名称,主讲人,参加人员,SOP名称) "
                 "values('质量部','GMP','张华','张三','偏差')");
    trainingAdd editor(1);
    Keyboard::Activate(&editor);
    EXPECT_TRUE(escapeCloses(editor));

    fSelectMen register_;
    Keyboard::Activate(&register_);
    QTreeWidgetItem* row = register_.Lv1->topLevelItem(0);
    QTest::mouseClick(register_.Lv1->viewport(), Qt::LeftButton, {},
                      register_.Lv1->visualItemRect(row).center());
    ASSERT_EQ(register_.Text1->text(), "张三");
    EXPECT_TRUE(escapeCloses(register_));
}
} // namespace
