#include "shell/fOption.h"

#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ChangeReason.h"
#include "shell/MDIForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString stored() {
    return Settings::GetSetting(App::Title(), "设置", "公司名称", "<none>");
}

class fOptionTest : public QvTest {
protected:
    void SetUp() override { CompanyName = "甲公司"; }
};

TEST_F(fOptionTest, OkStoresTheTrimmedNameAndCancelChangesNothing) {
    {
        fOption window;
        EXPECT_EQ(window.windowTitle(), "设置");
        EXPECT_EQ(window.Text1->text(), "甲公司");
        window.Text1->setText("  乙制药  ");
        window.Command2->click();
    }
    EXPECT_EQ(CompanyName, "甲公司");
    EXPECT_EQ(stored(), "<none>");
    {
        fOption window;
        window.Text1->setText("  乙制药  ");
        window.Command1->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    EXPECT_EQ(CompanyName, "乙制药");
    EXPECT_EQ(stored(), "乙制药");
    {
        fOption window;
        window.Text1->setText("   ");
        window.Command1->click();
    }
    EXPECT_EQ(stored(), "") << "a blank name is stored, not the default";
}

TEST_F(fOptionTest, TheReasonOptionIsOffUntilOkStoresIt) {
    {
        fOption window;
        EXPECT_EQ(window.Check1->text(), "修改或删除记录时须填写原因");
        EXPECT_FALSE(window.Check1->isChecked());
        window.Check1->setChecked(true);
        window.Command2->click();
    }
    EXPECT_FALSE(ui::ReasonRequired());
    {
        fOption window;
        window.Check1->setChecked(true);
        window.Command1->click();
    }
    EXPECT_TRUE(ui::ReasonRequired());
    fOption window;
    EXPECT_TRUE(window.Check1->isChecked());
}

TEST_F(fOptionTest, TheToolsMenuOpensIt) {
    MDIForm1 form;
    QString shown;
    WhenModalShows([&shown](QWidget* modal) {
        shown = modal->objectName();
        modal->close();
    });
    form.findChild<QAction*>("menu设置")->trigger();
    EXPECT_EQ(shown, "fOption");
}
} // namespace
