#include "reports/SaveTarget.h"

#include "helpers/TestFolder.h"
#include "reports/ReportLayout.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
TEST(SaveTarget, SizeIsShownInKbWithGroupsAndTwoDecimals) {
    const std::vector<std::pair<qint64, QString>> cases = {{13824, "13.50"},
                                                           {1264196, "1,234.57"},
                                                           {0, "0.00"},
                                                           {1023, "1.00"},
                                                           {1024 * 1024 * 3, "3,072.00"}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(SaveTarget::SizeInKb(bytes), text) << bytes;
    }
}

TEST(SaveTarget, LockFilesOfOtherProgramsMeanTheFileIsOpen) {
    TestFolder folder;
    const QString target = folder.File("报告.xls");
    EXPECT_FALSE(SaveTarget::IsOpenElsewhere(target));
    for (const QString& lock : {folder.File(".~lock.报告.xls#"), folder.File("~$报告.xls")}) {
        QFile(lock).open(QIODevice::WriteOnly);
        EXPECT_TRUE(SaveTarget::IsOpenElsewhere(target)) << lock.toStdString();
        QFile::remove(lock);
    }
}

TEST(SaveTarget, RowsNeededFitTheSheetUpToItsLastRow) {
    EXPECT_EQ(SaveTarget::SheetRowsNeeded(0, false), 10);
    EXPECT_EQ(SaveTarget::SheetRowsNeeded(1, false), 11);
    EXPECT_EQ(SaveTarget::SheetRowsNeeded(0, true), 15);
    EXPECT_EQ(SaveTarget::SheetRowsNeeded(2, true), 17);
}

TEST(DigitConversion, OneDigitBecomesItsNumeral) {
    const std::vector<std::pair<QString, QString>> cases = {{"0", "零"}, {"1", "一"}, {"3", "三"},
                                                            {"9", "九"}, {"10", ""},  {"A", ""},
                                                            {"", ""},    {"２", ""}};
    for (const auto& [digit, numeral] : cases) {
        EXPECT_EQ(ReportLayout::数字转换(digit), numeral) << digit.toStdString();
    }
}
} // namespace
