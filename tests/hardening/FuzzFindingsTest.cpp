#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheets.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
QString regression(const char* name) {
    return QStringLiteral(QVLEDGER_FUZZ_DIR "/regressions/") + QLatin1String(name);
}

// Inputs the fuzz targets found: each is read or refused with the reader's own message,
// without reading past a buffer, losing memory or running on.
TEST(FuzzFindingsTest, DamagedWorkbooksAreReadOrRefusedCleanly) {
    const QString damaged = QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。");
    const QString encrypted = QStringLiteral("工作簿“%1”设有打开密码，无法读取。");
    const struct {
        const char* name;
        const QString* error; // nullptr: the workbook opens
        int sheets;
    } cases[] = {
        // A directory entry's name longer than its field.
        {"directory-name-length.xls", &damaged, 0},
        // A number format's text longer than its record, cut off where the record ends.
        {"format-name-length.xls", nullptr, 1},
        // A DIFAT chain that loops back on itself.
        {"looping-difat.xls", &damaged, 0},
        // The workbook stream's name padded with NULs is another name.
        {"padded-workbook-name.xls", &damaged, 0},
        // A record longer than the format allows.
        {"record-length-leak.xls", nullptr, 2},
        // Sheet sizes past the format's rows and columns; a FILEPASS record among the
        // workbook's records.
        {"sheet-dimensions.xls", &encrypted, 0},
        // A sheet size record cut short.
        {"short-dimensions.xls", nullptr, 1},
        // Two listed sheets, the second one found by its listed offset.
        {"unread-sheet-part.xls", nullptr, 2},
        // Sheet names flagged UTF-16 that hold no character: nothing to copy from.
        {"empty-wide-sheet-name-1.xls", &damaged, 0},
        {"empty-wide-sheet-name-2.xls", nullptr, 1},
        {"empty-wide-sheet-name-3.xls", nullptr, 1},
        {"empty-wide-sheet-name-4.xls", &damaged, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = regression(c.name);
        excel::Application excel;
        try {
            EXPECT_EQ(excel.Workbooks().Open(file).Worksheets().Count(), c.sheets);
            EXPECT_EQ(c.error, nullptr);
        } catch (const excel::Error& error) {
            ASSERT_NE(c.error, nullptr) << error.Description().toStdString();
            EXPECT_EQ(error.Description(), c.error->arg(file));
        }
    }
}

TEST(FuzzFindingsTest, TheSeedWorkbooksOfOtherProgramsStillOpen) {
    const QDir seeds(QStringLiteral(QVLEDGER_FUZZ_DIR "/corpus/xls"));
    for (const QString& name : seeds.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        excel::Application excel;
        EXPECT_GE(excel.Workbooks().Open(seeds.filePath(name)).Worksheets().Count(), 1);
    }
}
} // namespace
