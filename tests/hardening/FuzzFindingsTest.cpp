#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheets.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
// Inputs the fuzz targets found; each must now fail cleanly.
TEST(FuzzFindingsTest, WorkbooksFreeXlWouldMisreadAreRefusedAsDamaged) {
    // A directory name longer than its field; a record longer than any the format allows;
    // a sheet size past the format's rows and columns; a sheet size record cut short; a
    // number format name longer than its record; a listed sheet whose part is never read,
    // for which FreeXL would size the first sheet's cells again and lose them; the same
    // behind a stream name padded with NULs ("Workbook\0\0"), which FreeXL still takes.
    for (const char* name :
         {"directory-name-length.xls", "record-length-leak.xls", "sheet-dimensions.xls",
          "short-dimensions.xls", "format-name-length.xls", "unread-sheet-part.xls",
          "padded-workbook-name.xls"}) {
        SCOPED_TRACE(name);
        const QString file = QStringLiteral(QVLEDGER_FUZZ_DIR "/regressions/") + name;
        excel::Application excel;
        try {
            excel.Workbooks().Open(file);
            ADD_FAILURE() << "opened";
        } catch (const excel::Error& error) {
            EXPECT_EQ(
                error.Description(),
                QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。").arg(file));
        }
    }
}

// A sector chain that loops back on itself once made the password probe run forever.
TEST(FuzzFindingsTest, ALoopingSectorChainEndsTheReading) {
    excel::Application excel;
    try {
        excel.Workbooks().Open(QStringLiteral(QVLEDGER_FUZZ_DIR "/regressions/looping-difat.xls"));
    } catch (const excel::Error& error) {
        EXPECT_FALSE(error.Description().isEmpty());
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
