#include "helpers/DbHelpers.h"
#include "helpers/MainWindowFixture.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <map>
#include <random>
#include <unistd.h>
#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; the compiler of this build ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {
// The default run keeps ./test.sh short; QVLEDGER_SOAK_CYCLES=10000 runs the long soak.
constexpr int kDefaultCycles = 2000;
constexpr size_t kSteadyRows = 20;
// Enough for allocator and cache noise, far below what a leak per cycle would add.
constexpr long kAllowedGrowthBytes = 4L * 1024 * 1024;

int cycles() {
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("QVLEDGER_SOAK_CYCLES", &ok);
    return ok && asked > 0 ? asked : kDefaultCycles;
}

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer keeps freed memory resident in its quarantine: the live heap is
// what a leak grows.
long memoryInUse() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
}
#else
long memoryInUse() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}
#endif

class SoakTest : public MainWindowFixture {
protected:
    void SetUp() override {
        OpenMainWindow();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        ListSearch("课程");
        courseColumn =
            static_cast<int>(search->ListView1->Model().Headers().indexOf("教育训练名称"));
        ASSERT_GE(courseColumn, 0);
    }

    std::map<int, QString> listed() const {
        std::map<int, QString> rows;
        for (int row = 0; row < search->ListView1->ItemCount(); ++row) {
            rows[search->ListView1->ItemText(row).toInt()] =
                search->ListView1->SubItem(row, courseColumn);
        }
        return rows;
    }

    int courseColumn = -1;
};

// Each cycle adds in the editor, searches, modifies a listed record through the menu and,
// once the table holds enough, deletes one through the menu.
TEST_F(SoakTest, ManyAddModifyDeleteCyclesKeepTheTableAsTheModelSays) {
    std::mt19937 random(20150305);
    std::map<int, QString> model;
    trainingAdd adder(0);
    const int total = cycles();
    const int warmUp = total / 10;
    long inUseAfterWarmUp = 0;
    for (int cycle = 1; cycle <= total; ++cycle) {
        const QString course = QStringLiteral("课程%1").arg(cycle);
        adder.Text1->setText(course);
        adder.Text3->setPlainText("张三、李四");
        adder.Text7->setText("偏差处理");
        adder.Text2->setText("张华");
        adder.Command4->click();
        model[cycle] = course;

        search->Command1->click();
        ASSERT_EQ(listed(), model) << "cycle " << cycle;

        const int modified = static_cast<int>(random() % model.size());
        Select(modified);
        const int modifiedId = search->ListView1->ItemText(modified).toInt();
        const QString renamed = QStringLiteral("改课程%1").arg(cycle);
        WhenModalShows([&renamed](QWidget* modal) {
            auto* editor = dynamic_cast<trainingAdd*>(modal);
            ASSERT_NE(editor, nullptr);
            editor->Text1->setText(renamed);
            ScriptedMessages::Instance().Expect(ui::Icon::Information,
                                                "修改完成。请重新查询看结果！");
            editor->Command4->click();
        });
        Trigger("menu修改");
        model[modifiedId] = renamed;

        if (model.size() > kSteadyRows) {
            const int deleted = static_cast<int>(random() % model.size());
            Select(deleted);
            model.erase(search->ListView1->ItemText(deleted).toInt());
            ScriptedMessages::Instance().ExpectMatching(
                ui::Icon::Question, "确定要删除ID为：\\d+ 记录吗\\?", ui::Answer::Yes);
            Trigger("menu删除");
        }
        ScriptedMessages::Instance().VerifyAndReset();
        if (cycle == warmUp) {
            inUseAfterWarmUp = memoryInUse();
        }
    }
    search->Command1->click();
    EXPECT_EQ(listed(), model);
    EXPECT_EQ(TestDb::Count("训练表"), static_cast<int>(model.size()));
    EXPECT_EQ(TestDb::Column("PRAGMA integrity_check", "integrity_check"), QStringList{"ok"});
    EXPECT_LE(memoryInUse() - inUseAfterWarmUp, kAllowedGrowthBytes);
}
} // namespace
