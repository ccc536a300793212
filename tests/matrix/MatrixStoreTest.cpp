#include "matrix/MatrixStore.h"

#include "helpers/DbHelpers.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "platform/ado/Connection.h"
#include "store/ModuleDataBase.h"

#include <gtest/gtest.h>

namespace {
TEST(MatrixStore, KeepsTheListAndRequirementsBesideTheRegisterAndRecords) {
    TestFolder folder;
    folder.WithDatabase();
    TestDb::Exec("insert into 员工表 (姓名, 部门, 职务) values ('张三', '质量部', 'QA'), "
                 "('李四', ' 生产部', '主管'), ('王五', '质量部', '')");
    TestDb::Training training;
    training.sopNumber = "SOP-1";
    training.participants = "张三、李四";
    TestDb::AddTraining(training);
    ado::Connection connection;
    ASSERT_TRUE(OpenDatabase(connection));
    EXPECT_TRUE(MatrixStore::Load(connection).sops.empty()) << "a file without the tables";

    EXPECT_TRUE(MatrixStore::SaveSop(connection, {0, " SOP-1 ", "清洁", "2", {2026, 1, 5}, 12}));
    EXPECT_FALSE(MatrixStore::SaveSop(connection, {0, "sop-1", "别的", "1", {}, {}}))
        << "the number is taken in another letter case";
    MatrixStore::SaveRequirement(connection, {0, "质量部", "", "SOP-1"});
    const Matrix::Input input = MatrixStore::Load(connection);
    ASSERT_EQ(input.sops.size(), 1u);
    EXPECT_EQ(input.sops[0].number, "SOP-1");
    EXPECT_EQ(input.sops[0].effective, QDate(2026, 1, 5));
    EXPECT_EQ(input.sops[0].refresherMonths, 12);
    ASSERT_EQ(input.requirements.size(), 1u);
    EXPECT_EQ(input.employees.size(), 3u);
    ASSERT_EQ(input.records.size(), 1u);
    EXPECT_EQ(input.records[0].participants, "张三、李四");

    Matrix::Sop changed = input.sops[0];
    changed.refresherMonths.reset();
    changed.revision = "3";
    EXPECT_TRUE(MatrixStore::SaveSop(connection, changed));
    EXPECT_EQ(MatrixStore::Sops(connection)[0].refresherMonths, std::nullopt);
    MatrixStore::DeleteRequirement(connection, input.requirements[0].id);
    EXPECT_TRUE(MatrixStore::Requirements(connection).empty());
    EXPECT_EQ(MatrixStore::RegisterValues(connection, "部门"), QStringList({"生产部", "质量部"}));

    QStringList changes;
    for (const Audit::Entry& entry : TrailEntries::All()) {
        if (entry.table == "SOP文件表" || entry.table == "培训要求表") {
            changes << entry.action + " " + entry.table + "#" + QString::number(*entry.record);
        }
    }
    EXPECT_EQ(changes, QStringList({"添加SOP文件 SOP文件表#1", "添加培训要求 培训要求表#1",
                                    "修改SOP文件 SOP文件表#1", "删除培训要求 培训要求表#1"}))
        << "each change in the trail; the refused twin left none";
}
} // namespace
