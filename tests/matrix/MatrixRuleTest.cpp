#include "matrix/MatrixRule.h"

#include <gtest/gtest.h>

namespace {
using Matrix::Status;

TEST(MatrixRule, RevisionsAreTheSameByTextNumberOrChineseNumeral) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"A", " a ", true}, {"02", "2", true},   {"二", "2", true},   {"二", "02", true},
        {"十", "10", true}, {"一", "1", true},   {"0", "00", true},   {"B1", "b1", true},
        {"2", "3", false},  {"二", "三", false}, {"2.0", "2", false}, {"十一", "11", false},
        {"A", "", false},   {"", " ", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Matrix::SameRevision(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.same)
            << c.a << " / " << c.b;
    }
}

Matrix::TrainingRecord record(const QString& sop, const QString& revision, const QDate& date,
                              const QString& participants) {
    Matrix::TrainingRecord r;
    r.sopNumber = sop;
    r.revision = revision;
    r.date = date;
    r.participants = participants;
    return r;
}

TEST(MatrixRule, EachStatusWithTheDateAndRevisionShownBesideIt) {
    const QDate effective(2026, 6, 1);
    const struct Case {
        const char* what;
        std::vector<Matrix::TrainingRecord> records;
        std::optional<int> months;
        QDate today;
        Status status;
        QDate lastDate;
        QString lastRevision;
    } cases[] = {
        {"no record", {}, {}, {2026, 7, 1}, Status::Untrained, {}, ""},
        {"another SOP only",
         {record("SOP-2", "3", {2026, 6, 5}, "张三")},
         {},
         {2026, 7, 1},
         Status::Untrained,
         {},
         ""},
        {"a record without a date",
         {record("SOP-1", "3", {}, "张三")},
         {},
         {2026, 7, 1},
         Status::Untrained,
         {},
         ""},
        {"another name only",
         {record("SOP-1", "3", {2026, 6, 5}, "张三丰、李四")},
         {},
         {2026, 7, 1},
         Status::Untrained,
         {},
         ""},
        {"the revision in force, number, name and case written otherwise",
         {record(" sop-1 ", "03", {2026, 6, 5}, "李四、 张三 ")},
         {},
         {2026, 7, 1},
         Status::Trained,
         {2026, 6, 5},
         "03"},
        {"an old revision before the new one is in force",
         {record("SOP-1", "2", {2025, 3, 1}, "张三")},
         {},
         {2026, 5, 31},
         Status::NewRevisionPending,
         {2025, 3, 1},
         "2"},
        {"an old revision once the new one is in force",
         {record("SOP-1", "2", {2025, 3, 1}, "张三")},
         {},
         {2026, 6, 1},
         Status::RevisionNotUpdated,
         {2025, 3, 1},
         "2"},
        {"the latest record of the revision in force is shown, not a later old one",
         {record("SOP-1", "三", {2026, 6, 2}, "张三"), record("SOP-1", "3", {2026, 6, 9}, "张三"),
          record("SOP-1", "2", {2026, 6, 20}, "张三")},
         {},
         {2026, 7, 1},
         Status::Trained,
         {2026, 6, 9},
         "3"},
        {"a refresher due at a month end, the day after",
         {record("SOP-1", "3", {2026, 1, 31}, "张三")},
         1,
         {2026, 3, 1},
         Status::RefresherOverdue,
         {2026, 1, 31},
         "3"},
        {"a refresher due at a month end, on the day",
         {record("SOP-1", "3", {2026, 1, 31}, "张三")},
         1,
         {2026, 2, 28},
         Status::Trained,
         {2026, 1, 31},
         "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Matrix::Input input;
        input.employees = {{"张三", "质量部", "QA"}};
        input.sops = {{1, "SOP-1", "清洁", "3", effective, c.months}};
        input.requirements = {{1, "", "", "SOP-1"}};
        input.records = c.records;
        const std::vector<Matrix::Cell> cells = Matrix::Compute(input, c.today);
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(Matrix::StatusText(cells[0].status), Matrix::StatusText(c.status));
        EXPECT_EQ(cells[0].lastDate, c.lastDate);
        EXPECT_EQ(cells[0].lastRevision, c.lastRevision);
    }
}

TEST(MatrixRule, EmptyDepartmentOrPositionRequiresTheSopOfEveryOne) {
    Matrix::Input input;
    input.employees = {
        {"王五", "生产部", "主管"}, {"Zed", "质量部", "QA"}, {"alice", "质量部", "主管"}};
    input.sops = {{1, "ALL", "", "1", {}, {}}};
    input.requirements = {{1, "", "", "ALL"},
                          {2, " 质量部 ", "", "QC-1"},
                          {3, "", "主管", "LEAD"},
                          {4, "质量部", "主管", "qa-lead"},
                          {5, "质量部", "主管", "QA-LEAD"},
                          {6, "", "", ""}};
    QStringList pairs;
    for (const Matrix::Cell& cell : Matrix::Compute(input, {2026, 1, 1})) {
        pairs << input.employees[static_cast<size_t>(cell.employee)].name + ":" + cell.sopNumber;
    }
    EXPECT_EQ(pairs, QStringList({"Zed:ALL", "Zed:QC-1", "alice:ALL", "alice:LEAD", "alice:QC-1",
                                  "alice:qa-lead", "王五:ALL", "王五:LEAD"}))
        << "code-point order; one cell for an SOP required twice";
}
} // namespace
