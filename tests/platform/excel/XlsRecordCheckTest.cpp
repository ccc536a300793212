#include "platform/excel/XlsRecordCheck.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {
QByteArray u16(int value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

QByteArray u32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

QByteArray record(int type, const QByteArray& body = {}) {
    return u16(type) + u16(int(body.size())) + body;
}

QByteArray bof(int version = 0x0600) {
    return record(0x0809, u16(version) + u16(0x0010) + QByteArray(12, '\0'));
}
QByteArray eof() {
    return record(0x000A);
}
QByteArray size(quint32 rows, int columns) {
    return record(0x0200, u32(0) + u32(rows) + u16(0) + u16(columns) + u16(0));
}
QByteArray number(int row, int column) {
    return record(0x0203, u16(row) + u16(column) + u16(15) + QByteArray(8, '\0'));
}
QByteArray label(int row, int column, const QByteArray& text, int count = -1) {
    return record(0x0204, u16(row) + u16(column) + u16(15) +
                              u16(count < 0 ? int(text.size()) : count) + '\0' + text);
}
QByteArray multipleRk(int row, int firstColumn, int cells) {
    QByteArray body = u16(row) + u16(firstColumn);
    for (int i = 0; i < cells; ++i) {
        body += u16(15) + u32(2);
    }
    return record(0x00BD, body + u16(firstColumn + cells - 1));
}

// A BIFF8 workbook stream: the workbook part lists one sheet for each part, at the offset
// where the part begins.
QByteArray workbook(const std::vector<QByteArray>& parts) {
    const int count = int(parts.size());
    const auto listing = [](quint32 offset, int i) {
        const QByteArray name = "Sheet" + QByteArray::number(i + 1);
        return record(0x0085, u32(offset) + u16(0) + char(name.size()) + '\0' + name);
    };
    qsizetype globals = bof().size() + eof().size();
    for (int i = 0; i < count; ++i) {
        globals += listing(0, i).size();
    }
    QByteArray sheets;
    QByteArray listings;
    for (int i = 0; i < count; ++i) {
        listings += listing(quint32(globals + sheets.size()), i);
        sheets += bof() + parts[i] + eof();
    }
    return bof() + listings + eof() + sheets;
}

struct Case {
    const char* what;
    QByteArray stream;
    bool safe;
};

TEST(XlsRecordCheckTest, RefusesWhatFreeXlWouldLeakOrDrop) {
    const QByteArray sized = size(2, 2) + number(0, 0) + label(1, 1, "ok");
    const std::vector<Case> cases = {
        {"two sheets, each sized before its cells", workbook({sized, sized}), true},
        {"a last sheet without a size and without cells, as a chart sheet",
         workbook({sized, QByteArray()}), true},
        {"an earlier sheet without a size", workbook({QByteArray(), sized}), false},
        {"a second size record in one sheet", workbook({sized + size(3, 3)}), false},
        {"a cell before the size record", workbook({number(0, 0) + size(2, 2)}), false},
        {"a cell past the last row", workbook({size(2, 2) + number(2, 0)}), false},
        {"a text cell past the last column", workbook({size(2, 2) + label(0, 2, "x")}), false},
        {"the same cell twice", workbook({size(2, 2) + label(0, 0, "a") + number(0, 0)}), false},
        {"a multiple-value record over a cell given before",
         workbook({size(2, 4) + number(0, 2) + multipleRk(0, 1, 2)}), false},
        {"a multiple-value record beside other cells",
         workbook({size(2, 4) + number(0, 0) + multipleRk(0, 1, 3)}), true},
        {"a text cell whose count runs past its record",
         workbook({size(2, 2) + label(0, 0, "ab", 3)}), false},
        {"a text cell in the workbook part", bof() + label(0, 0, "x") + eof(), false},
        {"a listed sheet whose part never comes",
         workbook({sized, sized}).chopped(bof().size() + sized.size() + eof().size()), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(excel::WorkbookRecordsSafe(c.stream, true), c.safe) << c.what;
    }
}

// FreeXL stops a regular stream at a record of type and length 0, but reads a mini stream on.
TEST(XlsRecordCheckTest, AZeroRecordEndsOnlyARegularStream) {
    const QByteArray stream = workbook({size(2, 2) + number(0, 0) + record(0) + number(0, 0)});
    EXPECT_TRUE(excel::WorkbookRecordsSafe(stream, true));
    EXPECT_FALSE(excel::WorkbookRecordsSafe(stream, false));
}

TEST(XlsRecordCheckTest, ABiff2SheetNeedsOneSizeBeforeItsCells) {
    const QByteArray bof2 = record(0x0009, u16(2) + u16(0x0010));
    const QByteArray size2 = record(0x0000, u16(0) + u16(2) + u16(0) + u16(2));
    const QByteArray integer = record(0x0002, u16(1) + u16(1) + QByteArray(3, '\0') + u16(7));
    const std::vector<Case> cases = {
        {"sized, then a cell", bof2 + size2 + integer + eof(), true},
        {"a cell before the size", bof2 + integer + size2 + eof(), false},
        {"two size records", bof2 + size2 + size2 + integer + eof(), false},
        {"the same cell twice", bof2 + size2 + integer + integer + eof(), false},
        {"no BOF record first", size2 + integer + eof(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(excel::LegacyRecordsSafe(c.stream), c.safe) << c.what;
    }
}
} // namespace
