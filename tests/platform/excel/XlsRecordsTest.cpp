#include "BiffFixture.h"
#include "TestFiles.h"
#include "helpers/HeapBytes.h"
#include "helpers/IndependentReaders.h"
#include "helpers/TestFolder.h"
#include "platform/excel/Application.h"
#include "platform/excel/CellText.h"
#include "platform/excel/Error.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {
using namespace biff;
using independent::SheetTexts;

// Cell formats of the fixtures: 0 General, 1 a date (14), 2 a time (20), 3 date and time (22).
const std::vector<int> kFormats = {0, 14, 20, 22};
constexpr int kGeneral = 0;
constexpr int kDate = 1;
constexpr int kTime = 2;
constexpr int kDateTime = 3;

QByteArray book(const QByteArray& globals, const QByteArray& cells) {
    return File(Stream({Xfs(kFormats) + globals, {{QStringLiteral("表1"), cells}}}));
}

quint32 rkInteger(int value, bool hundredths = false) {
    return quint32(value) << 2 | 2u | (hundredths ? 1u : 0u);
}

QByteArray stringRecord(const QByteArray& body) {
    return Record(0x0207, body);
}

QByteArray formulaResults() {
    return book(
        {},
        Formula(0, 0, kGeneral, FormulaNumber(3.5)) + Formula(1, 0, kDate, FormulaNumber(41977)) +
            Formula(2, 0, kGeneral, FormulaSpecial(0)) + stringRecord(Compressed("text result")) +
            // A shared formula's record stands between the formula and its text.
            Formula(3, 0, kGeneral, FormulaSpecial(0)) + Record(0x04BC, QByteArray(12, '\0')) +
            stringRecord(Wide(QStringLiteral("共享公式"))) +
            Formula(4, 0, kGeneral, FormulaSpecial(1, 1)) +
            Formula(5, 0, kGeneral, FormulaSpecial(2, 0x07)) +
            Formula(6, 0, kGeneral, FormulaSpecial(3)) +
            // A long text goes on in a CONTINUE record with flags of its own.
            Formula(7, 0, kGeneral, FormulaSpecial(0)) + stringRecord(U16(9) + U8(0) + "abcde") +
            Continue(U8(1) + Wide(QStringLiteral("质量部门")).mid(3)) +
            BoolErr(8, 0, kGeneral, 0, false) + BoolErr(9, 0, kGeneral, 0x2A, true));
}

QByteArray rkNumbers() {
    return book({}, Rk(0, 0, kGeneral, rkInteger(7)) + Rk(0, 1, kGeneral, rkInteger(12345, true)) +
                        Rk(0, 2, kGeneral, rkInteger(-5)) +
                        Rk(0, 3, kGeneral, 0x40040000) +     // 2.5, the high bits of a double
                        Rk(0, 4, kGeneral, 0x3FF80000 | 1) + // 1.5 in hundredths
                        MulRk(1, 2,
                              {{kGeneral, rkInteger(1)},
                               {kDate, rkInteger(41977)},
                               {kDateTime, 0x40E47F38},
                               {kGeneral, rkInteger(-250, true)}}));
}

// The strings break across CONTINUE records: right before a string's header; inside a
// string, switching from compressed to UTF-16; inside a UTF-16 character, whose half is
// passed over; inside formatting runs; and a string with phonetic data.
QByteArray continuedStrings() {
    const QByteArray sst = Sst(Compressed("first"), 6) + Continue(U16(8) + U8(0) + "abcd") +
                           Continue(U8(1) + Wide(QStringLiteral("中文gh")).mid(3) + U16(3) + U8(1) +
                                    QByteArray("x\0\x01", 3)) +
                           Continue(U8(1) + Wide(QStringLiteral("yz")).mid(3) + U16(4) + U8(0x08) +
                                    U16(2) + "rich" + U16(0) + U16(1)) +
                           Continue(U16(2) + U16(1) + U16(5) + U8(0x04) + U32(6) + "ruby!" +
                                    QByteArray(6, 'p') + Compressed("last"));
    QByteArray cells;
    for (int i = 0; i < 6; ++i) {
        cells += LabelSst(i, 1, kGeneral, quint32(i));
    }
    return book(sst, cells);
}

QByteArray dates1904() {
    return book(Record(0x0022, U16(1)), Number(0, 0, kDate, 40515) + Number(1, 0, kTime, 0.5) +
                                            Number(2, 0, kDateTime, 40515.75) +
                                            Number(3, 0, kGeneral, 40515));
}

// Every built-in date format of Chinese Excel, and formats of its own with 年, 月 and 日.
QByteArray chineseDateFormats() {
    std::vector<int> ids;
    for (int id = 27; id <= 36; ++id) {
        ids.push_back(id);
    }
    for (int id = 50; id <= 58; ++id) {
        ids.push_back(id);
    }
    const QStringList codes = {QStringLiteral("yyyy\"年\"m\"月\"d\"日\""),
                               QStringLiteral("0\"年\""),
                               QStringLiteral("[$-804]e\"年\"m\"月\"d\"日\""),
                               QStringLiteral("0.00E+00"),
                               QStringLiteral("\"日期\"0"),
                               QStringLiteral("yyyy年m月d日")};
    QByteArray formats;
    for (int i = 0; i < codes.size(); ++i) {
        formats += Format(164 + i, codes.at(i));
        ids.push_back(164 + i);
    }
    QByteArray cells;
    for (int i = 0; i < int(ids.size()); ++i) {
        cells += Number(i, 0, int(kFormats.size()) + i, 41977);
    }
    std::vector<int> all = kFormats;
    all.insert(all.end(), ids.begin(), ids.end());
    return File(Stream({formats + Xfs(all), {{QStringLiteral("日期"), cells}}}));
}

// Excel 95 as Chinese Excel writes it: texts in code page 936.
QByteArray biff5() {
    const QByteArray gbk("\xD6\xCA\xC1\xBF\xB2\xBF"); // 质量部
    const QByteArray globals = Record(0x0042, U16(936)) +
                               Record(0x041E, U16(164) + U8(10) + "yyyy-mm-dd") +
                               Xfs({0, 14, 164}, false);
    const QByteArray cells = Label(0, 0, 0, Bytes8(gbk)) + Number(1, 0, 1, 41977) +
                             Number(2, 0, 2, 41978) + Rk(3, 0, 0, rkInteger(42)) +
                             Formula(4, 0, 0, FormulaSpecial(0)) + stringRecord(Bytes8("ok"));
    return File(Stream({globals, {{QStringLiteral("Sheet1"), cells}}, false}),
                QStringLiteral("Book"));
}

QString writtenByOurWriter(excel::Application& app, const QString& path) {
    excel::Workbook& book = app.Workbooks().Add();
    excel::Worksheet& sheet = book.Worksheets().Item(1);
    sheet.SetName(QStringLiteral("员工"));
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("质量部"));
    sheet.Range(QStringLiteral("B1")).SetValue(QStringLiteral("2014-12-04"));
    sheet.Range(QStringLiteral("C1")).SetValue(QDateTime(QDate(2014, 12, 4), QTime(10, 30)));
    sheet.Range(QStringLiteral("D1")).SetValue(QTime(7, 5, 9));
    sheet.Range(QStringLiteral("E1")).SetValue(0.1);
    sheet.Range(QStringLiteral("A2")).SetValue(QString(9000, u'长'));
    sheet.Range(QStringLiteral("A3")).SetValue(QString(9000, u'x') + QStringLiteral("尾"));
    book.SaveAs(path);
    book.Close();
    return path;
}

std::vector<SheetTexts> ourTexts(excel::Application& app, const QString& file) {
    std::vector<SheetTexts> sheets;
    excel::Worksheets& read = app.Workbooks().Open(file).Worksheets();
    for (int i = 1; i <= read.Count(); ++i) {
        excel::Worksheet& sheet = read.Item(i);
        SheetTexts texts{sheet.Name(), {}};
        for (int row = 0; row < sheet.UsedRange().Rows().Count(); ++row) {
            for (int column = 0; column < 256; ++column) {
                const QString text = excel::CellText(sheet.Value(row, column));
                if (!text.isEmpty()) {
                    texts.cells.insert({row, column}, text);
                }
            }
        }
        sheets.push_back(texts);
    }
    return sheets;
}

struct Fixture {
    const char* name;
    std::function<QByteArray()> bytes;
};

const std::vector<Fixture>& builtFixtures() {
    static const std::vector<Fixture> fixtures = {
        {"formula-results.xls", formulaResults},     {"rk-numbers.xls", rkNumbers},
        {"continued-strings.xls", continuedStrings}, {"dates-1904.xls", dates1904},
        {"chinese-dates.xls", chineseDateFormats},   {"biff5-936.xls", biff5},
    };
    return fixtures;
}

class XlsRecords : public testing::Test {
protected:
    QString built(const char* name) {
        for (const Fixture& fixture : builtFixtures()) {
            if (QLatin1String(fixture.name) == QLatin1String(name)) {
                const QString path = folder.File(QLatin1String(name));
                EXPECT_TRUE(Save(path, fixture.bytes()));
                return path;
            }
        }
        ADD_FAILURE() << "no fixture " << name;
        return {};
    }
    QString damagedMessage(const QString& file) {
        return QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。").arg(file);
    }

    TestFolder folder;
    excel::Application app;
};

// xlrd reads the same sheets and cell values as our reader from what other programs wrote,
// from what our writer wrote, and from the files built here record by record.
TEST_F(XlsRecords, TheIndependentReaderReadsTheSameCells) {
    QStringList files;
    for (const char* fixture : {"fixtures/xlwt_customer.xls", "fixtures/libreoffice.xls",
                                "fixtures/libreoffice_formulas.xls"}) {
        files << ExcelTestFile(QLatin1String(fixture));
    }
    const QDir seeds(ExcelTestFile(QStringLiteral("../../fuzz/corpus/xls")));
    for (const QString& seed : seeds.entryList(QDir::Files)) {
        files << seeds.filePath(seed);
    }
    files << writtenByOurWriter(app, folder.File(QStringLiteral("ours.xls")));
    for (const Fixture& fixture : builtFixtures()) {
        files << built(fixture.name);
    }
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const std::vector<SheetTexts> expected = independent::Texts(file);
        ASSERT_FALSE(expected.empty());
        const std::vector<SheetTexts> read = ourTexts(app, file);
        ASSERT_EQ(read.size(), expected.size());
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].name, expected[i].name);
            EXPECT_EQ(read[i].cells, expected[i].cells) << read[i].name.toStdString();
        }
    }
}

// What the cells hold, beyond both readers agreeing.
TEST_F(XlsRecords, ReadsFormulaResultsNumbersStringsAndDatesAsExcelShowsThem) {
    const struct {
        const char* fixture;
        int row;
        int column;
        const char16_t* text;
    } cases[] = {
        {"formula-results.xls", 0, 0, u"3.5"},
        {"formula-results.xls", 1, 0, u"2014-12-04"},
        {"formula-results.xls", 2, 0, u"text result"},
        {"formula-results.xls", 3, 0, u"共享公式"},
        {"formula-results.xls", 4, 0, u"TRUE"},
        {"formula-results.xls", 5, 0, u"#DIV/0!"},
        {"formula-results.xls", 6, 0, u""},
        {"formula-results.xls", 7, 0, u"abcde质量部门"},
        {"formula-results.xls", 8, 0, u"FALSE"},
        {"formula-results.xls", 9, 0, u"#N/A"},
        {"rk-numbers.xls", 0, 0, u"7"},
        {"rk-numbers.xls", 0, 1, u"123.45"},
        {"rk-numbers.xls", 0, 2, u"-5"},
        {"rk-numbers.xls", 0, 3, u"2.5"},
        {"rk-numbers.xls", 0, 4, u"0.015"},
        {"rk-numbers.xls", 1, 2, u"1"},
        {"rk-numbers.xls", 1, 3, u"2014-12-04"},
        {"rk-numbers.xls", 1, 4, u"2014-12-04 18:00:00"},
        {"rk-numbers.xls", 1, 5, u"-2.5"},
        {"continued-strings.xls", 0, 1, u"first"},
        {"continued-strings.xls", 1, 1, u"abcd中文gh"},
        {"continued-strings.xls", 2, 1, u"xyz"},
        {"continued-strings.xls", 3, 1, u"rich"},
        {"continued-strings.xls", 4, 1, u"ruby!"},
        {"continued-strings.xls", 5, 1, u"last"},
        {"dates-1904.xls", 0, 0, u"2014-12-04"},
        {"dates-1904.xls", 1, 0, u"12:00:00"},
        {"dates-1904.xls", 2, 0, u"2014-12-04 18:00:00"},
        {"dates-1904.xls", 3, 0, u"40515"},
        {"chinese-dates.xls", 0, 0, u"2014-12-04"},
        {"chinese-dates.xls", 18, 0, u"2014-12-04"},
        {"chinese-dates.xls", 19, 0, u"2014-12-04"},
        {"chinese-dates.xls", 20, 0, u"41977"},
        {"chinese-dates.xls", 21, 0, u"2014-12-04"},
        {"chinese-dates.xls", 22, 0, u"41977"},
        {"chinese-dates.xls", 23, 0, u"41977"},
        {"chinese-dates.xls", 24, 0, u"2014-12-04"},
        {"biff5-936.xls", 0, 0, u"质量部"},
        {"biff5-936.xls", 1, 0, u"2014-12-04"},
        {"biff5-936.xls", 2, 0, u"2014-12-05"},
        {"biff5-936.xls", 3, 0, u"42"},
        {"biff5-936.xls", 4, 0, u"ok"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fixture << " " << c.row << "," << c.column);
        excel::Worksheet& sheet = app.Workbooks().Open(built(c.fixture)).Worksheets().Item(1);
        EXPECT_EQ(excel::CellText(sheet.Value(c.row, c.column)), QString::fromUtf16(c.text));
    }
}

QByteArray dimensions(quint32 rows, int columns) {
    return Record(0x0200, U32(0) + U32(rows) + U16(0) + U16(columns) + U16(0));
}

QByteArray sheets(const std::vector<QByteArray>& parts, const QByteArray& globals = {}) {
    Book book{Xfs(kFormats) + globals, {}};
    for (const QByteArray& part : parts) {
        book.sheets.push_back({QStringLiteral("S%1").arg(book.sheets.size() + 1), part});
    }
    return Stream(book);
}

// Damage is refused as such; what is only odd is read. The size a sheet declares is no more
// than a hint.
TEST_F(XlsRecords, DamageIsRefusedAndOddRecordsAreRead) {
    const QByteArray cell = Number(0, 0, kGeneral, 1) + Label(1, 1, kGeneral, Compressed("ok"));
    const QByteArray sized = dimensions(2, 2) + cell;
    const QByteArray twoSheets = sheets({sized, sized});
    QByteArray splitHeader = Sst(U8(5), 1) + Continue(U8(0) + U8(0) + "split");
    // The BOUNDSHEET records follow the BOF record and the cell formats; 4 bytes of header,
    // then the part's offset.
    const qsizetype firstListing = 20 + Xfs(kFormats).size();
    const qsizetype listingSize = 16;
    QByteArray listedTwice = twoSheets;
    listedTwice.replace(firstListing + 4, 4, twoSheets.mid(firstListing + listingSize + 4, 4));
    // The second sheet listed at a worksheet's part inside the first one's.
    const QByteArray innerPart = Record(0x0809, U16(0x0600) + U16(0x0010) + QByteArray(12, '\0'));
    QByteArray listedInside = sheets({innerPart + sized + Record(0x000A) + cell, sized});
    const qsizetype firstPart = firstListing + 2 * listingSize + 4;
    listedInside.replace(firstListing + listingSize + 4, 4, U32(quint32(firstPart + 20)));
    const struct {
        const char* what;
        QByteArray file;
        bool damaged;
        int sheets;
        QString textAt01; // row 1, column 1 of the first sheet
    } cases[] = {
        {"two sheets, each sized before its cells", File(twoSheets), false, 2, "ok"},
        {"an earlier sheet without a size", File(sheets({cell, sized})), false, 2, "ok"},
        {"a second size record", File(sheets({sized + dimensions(3, 3)})), false, 1, "ok"},
        {"a cell before the size record", File(sheets({cell + dimensions(2, 2)})), false, 1, "ok"},
        {"cells past the size", File(sheets({dimensions(1, 1) + cell})), false, 1, "ok"},
        {"a declared size of every cell", File(sheets({dimensions(65536, 256) + cell})), false, 1,
         "ok"},
        {"the same cell twice", File(sheets({cell + Number(1, 1, kGeneral, 2)})), true, 0, {}},
        {"a multiple-RK record over a cell given before",
         File(sheets({cell + MulRk(1, 0, {{0, 2}, {0, 2}})})),
         true,
         0,
         {}},
        {"a multiple-RK record beside other cells",
         File(sheets({cell + MulRk(1, 2, {{0, 2}, {0, 2}})})), false, 1, "ok"},
        {"a text whose count runs past its record",
         File(sheets({Label(1, 1, kGeneral, U16(9) + U8(0) + "ok")})), false, 1, "ok"},
        {"a text cell in the workbook part", File(sheets({cell}, Label(0, 0, 0, Compressed("x")))),
         false, 1, "ok"},
        {"a record of type and length 0", File(sheets({Record(0) + cell})), false, 1, "ok"},
        {"a chart's part inside the sheet's",
         File(sheets({Record(0x0809, U16(0x0600) + U16(0x0020) + QByteArray(12, '\0')) +
                      Number(1, 1, kGeneral, 5) + Record(0x000A) + cell})),
         false, 1, "ok"},
        {"a shared string's header broken by a CONTINUE record",
         File(sheets({LabelSst(1, 1, kGeneral, 0)}, splitHeader)), false, 1, "split"},
        {"a shared string the table lacks",
         File(sheets({LabelSst(1, 1, kGeneral, 1)}, splitHeader)),
         true,
         0,
         {}},
        {"a shared string running past the table",
         File(sheets({cell}, Sst(Compressed("long").chopped(2), 1))),
         true,
         0,
         {}},
        {"a listed sheet whose part never comes",
         File(twoSheets.chopped(20 + sized.size() + 4)),
         true,
         0,
         {}},
        {"two sheets listed at one part", File(listedTwice), true, 0, {}},
        {"a sheet listed inside another's part", File(listedInside), true, 0, {}},
        {"no worksheet, only a chart",
         File(Stream({Xfs(kFormats), {{QStringLiteral("图表"), {}, 2}}})),
         true,
         0,
         {}},
        {"a BIFF4 stream",
         File(Record(0x0409, U16(0) + U16(0x10)) + cell + Record(0x000A)),
         true,
         0,
         {}},
        {"a BIFF2 file, no compound file",
         Record(0x0009, U16(2) + U16(0x10)) + Record(0x000A),
         true,
         0,
         {}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = folder.File(QStringLiteral("case%1.xls").arg(n++));
        ASSERT_TRUE(Save(file, c.file));
        try {
            excel::Worksheets& read = app.Workbooks().Open(file).Worksheets();
            EXPECT_FALSE(c.damaged);
            ASSERT_EQ(read.Count(), c.sheets);
            EXPECT_EQ(excel::CellText(read.Item(1).Value(1, 1)), c.textAt01);
        } catch (const excel::Error& error) {
            EXPECT_TRUE(c.damaged) << error.Description().toStdString();
            EXPECT_EQ(error.Description(), damagedMessage(file));
        }
    }
}

TEST_F(XlsRecords, AnEncryptedStreamIsToldFromADamagedOne) {
    const QString file = folder.File(QStringLiteral("encrypted.xls"));
    const QByteArray encrypted = Record(0x0809, U16(0x0600) + U16(5) + QByteArray(12, '\0')) +
                                 Record(0x002F, U16(1) + QByteArray(52, '\x5A')) +
                                 QByteArray(300, '\xA7');
    ASSERT_TRUE(Save(file, File(encrypted)));
    try {
        app.Workbooks().Open(file);
        ADD_FAILURE() << "opened";
    } catch (const excel::Error& error) {
        EXPECT_EQ(error.Description(),
                  QStringLiteral("工作簿“%1”设有打开密码，无法读取。").arg(file));
    }
}

// A sheet that declares every cell of the format costs the cells it has, not 2 GB.
TEST_F(XlsRecords, ASheetDeclaringEveryCellTakesTheMemoryOfItsCells) {
    const QString file = folder.File(QStringLiteral("declared.xls"));
    ASSERT_TRUE(Save(file, File(sheets({dimensions(65536, 256) + Number(65535, 255, 0, 1) +
                                        Label(0, 0, 0, Compressed("first"))}))));
    const std::size_t before = HeapBytesInUse();
    excel::Worksheet& sheet = app.Workbooks().Open(file).Worksheets().Item(1);
    EXPECT_LT(HeapBytesInUse() - before, std::size_t{1} << 20);
    EXPECT_EQ(sheet.UsedRange().Rows().Count(), 65536);
    EXPECT_EQ(excel::CellText(sheet.Value(65535, 255)), "1");
}

// The first change to a sheet read from a file turns its cells into the model's own.
TEST_F(XlsRecords, ASheetReadFromAFileTakesChangesAndKeepsItsCells) {
    excel::Worksheet& sheet =
        app.Workbooks().Open(built("formula-results.xls")).Worksheets().Item(1);
    sheet.Range(QStringLiteral("B1")).SetValue(QStringLiteral("新"));
    sheet.Range(QStringLiteral("A3")).SetValue(QVariant());
    EXPECT_EQ(excel::CellText(sheet.Value(0, 1)), "新");
    EXPECT_EQ(sheet.Value(2, 0), QVariant());
    EXPECT_EQ(sheet.Value(1, 0), QDate(2014, 12, 4));
    EXPECT_EQ(excel::CellText(sheet.Value(4, 0)), "TRUE");
    EXPECT_EQ(excel::CellText(sheet.Value(7, 0)), "abcde质量部门");
    EXPECT_EQ(sheet.UsedRange().Rows().Count(), 10);
}
} // namespace
