#include "matrix/fMatrix.h"

#include "helpers/DbHelpers.h"
#include "helpers/IndependentReaders.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/ScriptedFiles.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "helpers/WaitFor.h"
#include "matrix/MatrixPage.h"
#include "matrix/MatrixStore.h"
#include "matrix/RequirementPage.h"
#include "matrix/SopListPage.h"
#include "matrix/fMatrixList.h"
#include "matrix/fMatrixSave.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {
using ui::Icon;

class fMatrixTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        Clock::SetFixedNow(QDateTime(QDate(2026, 4, 1), QTime(9, 0)));
        TestDb::Exec("insert into 员工表 (姓名, 部门, 职务) values ('张三', '质量部', 'QA'), "
                     "('李四', '生产部', '主管'), ('王五', '生产部', '操作工')");
        addTraining("SOP-1", "1", QDate(2025, 1, 10), "张三、李四");
        addTraining("SOP-1", "2", QDate(2026, 3, 2), "张三");
        addTraining("SOP-9", "1", QDate(2024, 1, 2), "李四");
        ado::Connection connection;
        ASSERT_TRUE(OpenDatabase(connection));
        MatrixStore::SaveSop(connection, {0, "SOP-1", "清洁", "2", QDate(2026, 3, 1), {}});
        MatrixStore::SaveSop(connection, {0, "SOP-9", "称量", "1", {}, 6});
        MatrixStore::SaveRequirement(connection, {0, "", "", "SOP-1"});
        MatrixStore::SaveRequirement(connection, {0, "生产部", "", "SOP-9"});
    }

    static void addTraining(const QString& sop, const QString& revision, const QDate& day,
                            const QString& participants) {
        TestDb::Training training;
        training.sopNumber = sop;
        training.revision = revision;
        training.day = day;
        training.participants = participants;
        training.course = sop + "培训";
        TestDb::AddTraining(training);
    }

    static void waitForMatrix(fMatrix& window) {
        ASSERT_TRUE(WaitFor([&window] { return !window.Matrix->Computing(); }));
    }

    // Each shown cell as "姓名:SOP编号:状态", row by row.
    static QStringList shownCells(fMatrix& window) {
        QStringList shown;
        QAbstractItemModel* model = window.Matrix->View1->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QString status = model->index(row, column).data().toString();
                if (!status.isEmpty()) {
                    shown << model->headerData(row, Qt::Vertical).toString().section(u'（', 0, 0) +
                                 ":" + model->headerData(column, Qt::Horizontal).toString() + ":" +
                                 status;
                }
            }
        }
        return shown;
    }

    TestFolder folder;
};

TEST_F(fMatrixTest, TheWindowTheCommandLineAndTheExportAgree) {
    fMatrix window;
    EXPECT_EQ(window.windowTitle(), "培训矩阵-Quorvane制药GMP教育训练管理");
    waitForMatrix(window);
    const QStringList expected = {"李四:SOP-1:版次未更新", "李四:SOP-9:复训逾期",
                                  "王五:SOP-1:未培训", "王五:SOP-9:未培训", "张三:SOP-1:合格"};
    QStringList shown = shownCells(window);
    shown.sort();
    QStringList sorted = expected;
    sorted.sort();
    EXPECT_EQ(shown, sorted);

    QProcess admin;
    admin.start(QStringLiteral(QVLEDGER_ADMIN), {"matrix", DatabasePath, "--today", "2026-04-01"});
    ASSERT_TRUE(admin.waitForFinished(60000));
    QStringList listed;
    for (const QString& line : QString::fromUtf8(admin.readAllStandardOutput()).split('\n')) {
        const QStringList f = line.split('\t');
        if (f.size() == 7 && f[0] != "姓名") {
            listed << f[0] + ":" + f[3] + ":" + f[4];
        }
    }
    listed.sort();
    EXPECT_EQ(listed, sorted);

    const QString out = folder.File("应培未培清单.xls");
    WhenModalShows([&out](QWidget* modal) {
        auto* save = qobject_cast<fMatrixSave*>(modal);
        ASSERT_NE(save, nullptr);
        save->Text1->setText(out);
        save->TextRPW->setText("kai");
        save->Command1->click();
    });
    ScriptedMessages::Instance().Expect(Icon::Information, "保存完成。");
    window.Matrix->Command2->click();
    const QString plain = folder.File("plain.xls");
    ASSERT_EQ(independent::Decrypt(out, "kai", plain), 0);
    const QJsonObject sheet = independent::Inspect(plain)["sheets"][0].toObject();
    EXPECT_EQ(sheet["name"].toString(), "应培未培清单");
    QStringList exported;
    const QJsonObject cells = sheet["cells"].toObject();
    for (int row = 4; cells.contains("A" + QString::number(row)); ++row) {
        const auto at = [&](const char* column) {
            return cells[column + QString::number(row)].toObject()["value"].toString();
        };
        exported << at("A") + ":" + at("D") + ":" + at("G");
    }
    exported.sort();
    QStringList gaps = sorted;
    gaps.removeAll("张三:SOP-1:合格");
    EXPECT_EQ(exported, gaps);
}

TEST_F(fMatrixTest, ChangingTheRevisionInForceListsWhoItLeavesUntrainedBeforeSaving) {
    fMatrix window;
    waitForMatrix(window);
    SopListPage& page = *window.SopPage;
    page.List1->selectRow(0);
    ASSERT_EQ(page.Text1->text(), "SOP-1");
    page.Text3->setText("3");
    WhenModalShows([](QWidget* modal) {
        auto* list = qobject_cast<fMatrixList*>(modal);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->List1->rowCount(), 1);
        EXPECT_EQ(list->List1->item(0, 0)->text(), "张三");
        EXPECT_EQ(list->List1->item(0, 6)->text(), "版次未更新");
        list->Command3->click();
    });
    page.Command2->click();
    EXPECT_EQ(page.List1->item(0, 2)->text(), "2") << "cancelled: nothing saved";

    WhenModalShows([](QWidget* modal) { qobject_cast<fMatrixList*>(modal)->Command1->click(); });
    page.Command2->click();
    EXPECT_EQ(page.List1->item(0, 2)->text(), "3");

    page.Text1->setText("sop-9");
    ScriptedMessages::Instance().Expect(Icon::Critical, "SOP编号“sop-9”已经存在！");
    page.Command1->click();
    page.Text1->setText("SOP-5");
    page.Text4->setText("半年");
    ScriptedMessages::Instance().Expect(Icon::Critical, "复训周期应为整月数，不复训时请留空。");
    page.Command1->click();
    EXPECT_EQ(page.List1->rowCount(), 2);
}

TEST_F(fMatrixTest, RequirementsTakeTheRegistersValuesOrAllAndADoubleClickListsTheRecords) {
    fMatrix window;
    waitForMatrix(window);
    RequirementPage& page = *window.Requirements;
    EXPECT_EQ(page.Combo1->itemText(0), "（全部部门）");
    page.Combo1->setCurrentText("质量部");
    page.Combo3->setCurrentText("SOP-9");
    page.Command1->click();
    ASSERT_EQ(page.List1->rowCount(), 3);
    EXPECT_EQ(page.List1->item(2, 1)->text(), "（全部职务）");
    ScriptedMessages::Instance().Expect(Icon::Critical, "该培训要求已经存在！");
    page.Command1->click();
    waitForMatrix(window);
    EXPECT_TRUE(shownCells(window).contains("张三:SOP-9:未培训"));

    QTableView* view = window.Matrix->View1;
    const QModelIndex first = view->model()->index(1, 0);
    ASSERT_EQ(first.data().toString(), "版次未更新") << "李四 on SOP-1, after 张三 by code point";
    WhenModalShows([](QWidget* modal) {
        auto* list = qobject_cast<fMatrixList*>(modal);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->List1->rowCount(), 1);
        EXPECT_EQ(list->List1->item(0, 0)->text(), "2025-01-10");
        list->Command3->click();
    });
    Q_EMIT view->doubleClicked(first);
}

TEST_F(fMatrixTest, TheMasterListIsImportedFromAWorkbook) {
    const QString path = folder.File("sops.xls");
    {
        excel::Application application;
        excel::Workbook& book = application.Workbooks().Add();
        excel::Worksheet& sheet = book.Worksheets().Item(1);
        const QStringList rows[] = {{"SOP编号", "SOP名称", "现行版次", "生效日期", "复训周期"},
                                    {"sop-1", "清洁规程", "4", "2026-05-01", "12"},
                                    {"QC-7", "取样", "二", "2026.2.3", ""},
                                    {"", "无编号", "1", "", ""},
                                    {"QC-8", "坏周期", "1", "", "一年"}};
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                sheet.Range(QChar(u'A' + c) + QString::number(r + 1)).SetValue(rows[r][c]);
            }
        }
        book.SaveAs(path, excel::xlExcel8, {}, {}, excel::xlNoChange);
        book.Close();
    }
    fMatrix window;
    waitForMatrix(window);
    ScriptedFiles files;
    files.Answer(path);
    ScriptedMessages::Instance().Expect(Icon::Information,
                                        "导入完成：新增 1 条，更新 1 条，跳过 2 条。");
    window.SopPage->Command4->click();
    ado::Connection connection;
    ASSERT_TRUE(OpenDatabase(connection));
    const std::vector<Matrix::Sop> sops = MatrixStore::Sops(connection);
    ASSERT_EQ(sops.size(), 3u);
    EXPECT_EQ(sops[0].number, "QC-7");
    EXPECT_EQ(sops[0].effective, QDate(2026, 2, 3));
    EXPECT_EQ(sops[1].revision, "4");
    EXPECT_EQ(sops[1].refresherMonths, 12);
    waitForMatrix(window);
}
} // namespace
