#include "platform/clock/Clock.h"
#include "platform/shell/Shell.h"
#include "support/RecordingShell.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
// Nothing one test scripted or fixed leaks into the next.
class ResetBetweenTests : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        ScriptedMessages::Instance().VerifyAndReset();
        RecordingShell::Instance().Reset();
        Clock::SetFixedNow({});
    }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ui::SetMessageService(&ScriptedMessages::Instance());
    Shell::SetShellService(&RecordingShell::Instance());
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBetweenTests);
    return RUN_ALL_TESTS();
}
