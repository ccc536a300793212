#include "platform/excel/SheetReader.h"

#include "platform/excel/BiffRecords.h"
#include "platform/excel/ContinuedReader.h"
#include "platform/excel/ReadFailure.h"
#include "platform/excel/RecordReader.h"
#include "platform/excel/RecordText.h"
#include "platform/excel/SheetCells.h"
#include "platform/excel/StringTable.h"
#include "platform/excel/WorkbookGlobals.h"

#include <QHash>

namespace excel {
namespace {
constexpr std::uint16_t kWorksheetPart = 0x0010;

// Row, column and cell format come first in every cell record.
constexpr qsizetype kCellHeader = 6;
constexpr qsizetype kMulRkCell = 6;
// A formula's cached result is a number unless its last two bytes are 0xFFFF; then its
// first byte says what it is, and the third holds a Boolean or an error code.
constexpr std::uint16_t kNotANumber = 0xFFFF;
enum FormulaResult : std::uint8_t { kText = 0, kBoolean = 1, kError = 2, kEmptyText = 3 };

int rowOf(const Record& record) {
    return record.U16(0);
}

int columnOf(const Record& record) {
    return record.U16(2);
}
} // namespace

SheetReader::SheetReader(RecordReader& records, const WorkbookGlobals& globals,
                         StringTable& strings, SheetCells& cells)
    : records_(records), globals_(globals), strings_(strings), cells_(cells) {}

void SheetReader::Read(qint64 offset, qint64 end) {
    records_.Seek(offset);
    Record current;
    if (!records_.Next(current) || current.type != record::kBof) {
        throw DamagedWorkbook();
    }
    if (current.U16(2) != kWorksheetPart) {
        return;
    }
    int depth = 0;
    while (records_.Next(current)) {
        if (current.End() > end) {
            throw DamagedWorkbook();
        }
        if (current.type == record::kBof) {
            ++depth;
        } else if (current.type == record::kEof) {
            if (depth == 0) {
                return;
            }
            --depth;
        } else if (depth == 0) {
            dispatch(current);
        }
    }
}

bool SheetReader::date(const Record& record, qsizetype xfAt) const {
    return globals_.IsDateXf(record.U16(xfAt));
}

void SheetReader::dispatch(const Record& current) {
    if (textFormula_) {
        // Shared and array formulas may stand between a formula and its STRING record.
        if (current.type == record::kSharedFormula || current.type == record::kArray ||
            current.type == record::kTable) {
            return;
        }
        const TextFormula formula = *textFormula_;
        textFormula_.reset();
        if (current.type == record::kString) {
            formulaText(current, formula);
            return;
        }
    }
    using Handler = void (SheetReader::*)(const Record&);
    static const QHash<std::uint16_t, Handler> handlers = {
        {record::kNumber, &SheetReader::number},
        {record::kRk, &SheetReader::rk},
        {record::kMulRk, &SheetReader::multipleRk},
        {record::kLabelSst, &SheetReader::sharedText},
        {record::kLabel, &SheetReader::text},
        {record::kRString, &SheetReader::text},
        {record::kBoolErr, &SheetReader::booleanOrError},
        {record::kFormula, &SheetReader::formula},
        {record::kFormula3, &SheetReader::formula},
        {record::kFormula4, &SheetReader::formula},
    };
    if (const Handler handler = handlers.value(current.type)) {
        (this->*handler)(current);
    }
}

void SheetReader::number(const Record& record) {
    if (record.Size() >= kCellHeader + 8) {
        cells_.AddNumber(rowOf(record), columnOf(record), record.F64(kCellHeader), date(record));
    }
}

void SheetReader::rk(const Record& record) {
    if (record.Size() >= kCellHeader + 4) {
        cells_.AddRk(rowOf(record), columnOf(record), record.U32(kCellHeader), date(record));
    }
}

// Row, first column, then a cell format and an RK number for each column, then the last
// column, which the record's size already tells.
void SheetReader::multipleRk(const Record& record) {
    const qsizetype count = (record.Size() - 6) / kMulRkCell;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = 4 + i * kMulRkCell;
        cells_.AddRk(rowOf(record), columnOf(record) + static_cast<int>(i), record.U32(at + 2),
                     date(record, at));
    }
}

void SheetReader::sharedText(const Record& record) {
    if (record.Size() < kCellHeader + 4) {
        return;
    }
    const std::uint32_t index = record.U32(kCellHeader);
    if (index >= globals_.SharedStrings()) {
        throw DamagedWorkbook();
    }
    cells_.AddText(rowOf(record), columnOf(record), index);
}

void SheetReader::text(const Record& record) {
    if (record.Size() >= kCellHeader + 2) {
        RecordText(record, kCellHeader, 2, globals_.Biff8()).AppendTo(strings_);
        cells_.AddText(rowOf(record), columnOf(record), strings_.Finish());
    }
}

void SheetReader::booleanOrError(const Record& record) {
    if (record.Size() < kCellHeader + 2) {
        return;
    }
    if (record.U8(kCellHeader + 1) != 0) {
        cells_.AddError(rowOf(record), columnOf(record), record.U8(kCellHeader));
    } else {
        cells_.AddBoolean(rowOf(record), columnOf(record), record.U8(kCellHeader) != 0);
    }
}

void SheetReader::formula(const Record& record) {
    if (record.Size() < kCellHeader + 8) {
        return;
    }
    const int row = rowOf(record);
    const int column = columnOf(record);
    if (record.U16(kCellHeader + 6) != kNotANumber) {
        cells_.AddNumber(row, column, record.F64(kCellHeader), date(record));
        return;
    }
    switch (record.U8(kCellHeader)) {
    case kText:
        textFormula_ = TextFormula{row, column};
        return;
    case kBoolean:
        cells_.AddBoolean(row, column, record.U8(kCellHeader + 2) != 0);
        return;
    case kError:
        cells_.AddError(row, column, record.U8(kCellHeader + 2));
        return;
    case kEmptyText:
        cells_.AddText(row, column, strings_.Finish());
        return;
    default:
        return;
    }
}

// BIFF8 keeps the text as in the shared strings, continuing across CONTINUE records.
void SheetReader::formulaText(const Record& record, const TextFormula& formula) {
    if (!globals_.Biff8()) {
        RecordText(record, 0, 2, false).AppendTo(strings_);
    } else {
        ContinuedReader data(records_, record);
        std::uint16_t characters = 0;
        std::uint8_t flags = 0;
        if (data.U16(characters) && characters > 0 &&
            (!data.U8(flags) || !data.Characters(characters, flags, strings_))) {
            throw DamagedWorkbook();
        }
    }
    cells_.AddText(formula.row, formula.column, strings_.Finish());
}

} // namespace excel
