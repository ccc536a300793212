#include "platform/excel/Worksheet.h"

#include "platform/excel/AutoFit.h"
#include "platform/excel/CellText.h"
#include "platform/excel/Columns.h"
#include "platform/excel/DateSerial.h"
#include "platform/excel/Error.h"
#include "platform/excel/NumberFormats.h"
#include "platform/excel/Range.h"
#include "platform/excel/SheetCells.h"
#include "platform/excel/TypedInput.h"
#include "platform/excel/Workbook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace excel {
namespace {
constexpr qsizetype kMaxTextLength = 32767;

bool isNumeric(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

void checkValue(const QVariant& value) {
    if (value.isNull() || isNumeric(value)) {
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QString:
        if (value.toString().size() > kMaxTextLength) {
            throw Error(QStringLiteral("单元格中的文本不能超过 %1 个字符，这段文本有 %2 个字符。")
                            .arg(kMaxTextLength)
                            .arg(value.toString().size()));
        }
        return;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return;
    default:
        throw Error(QStringLiteral("不能把 %1 类型的值写入单元格。")
                        .arg(QLatin1String(value.metaType().name())));
    }
}
} // namespace

Worksheet::Worksheet(Workbook& workbook, const QString& name) : workbook_(workbook), name_(name) {}

Worksheet::~Worksheet() = default;

void Worksheet::Load(std::unique_ptr<const SheetCells> cells) {
    read_ = std::move(cells);
    usedRows_ = read_->Rows();
    usedColumns_ = read_->Columns();
}

void Worksheet::settle() {
    if (!read_) {
        return;
    }
    const std::unique_ptr<const SheetCells> cells = std::move(read_);
    usedRows_ = 0;
    usedColumns_ = 0;
    // The sheet has no Boolean cells: a Boolean stays as the text Excel shows.
    cells->ForEach([this](int row, int column, const QVariant& value) {
        StoreValue(row, column,
                   value.typeId() == QMetaType::Bool ? QVariant(CellText(value)) : value);
    });
}

void Worksheet::SetName(const QString& name) {
    workbook_.Worksheets().CheckName(name, this);
    name_ = name;
}

excel::Range Worksheet::Range(const QString& address) {
    return excel::Range(*this, ParseAddress(address), false);
}

excel::Range Worksheet::Rows(int row) {
    if (row < 1 || row > kMaxRows) {
        throw Error(QStringLiteral("行号 %1 超出 Excel 97-2003 工作簿的范围（1 到 %2）。")
                        .arg(row)
                        .arg(kMaxRows));
    }
    return excel::Range(*this, CellRect{row - 1, 0, row - 1, kMaxColumns - 1}, true);
}

excel::Range Worksheet::UsedRange() {
    return excel::Range(
        *this, CellRect{0, 0, std::max(usedRows_, 1) - 1, std::max(usedColumns_, 1) - 1}, false);
}

excel::Columns Worksheet::Columns() {
    return excel::Columns(*this);
}

SheetRow& Worksheet::row(int row) {
    if (static_cast<size_t>(row) >= rows_.size()) {
        rows_.resize(static_cast<size_t>(row) + 1);
    }
    return rows_[static_cast<size_t>(row)];
}

Cell& Worksheet::cell(int row, int column) {
    SheetRow& line = this->row(row);
    if (static_cast<size_t>(column) >= line.cells.size()) {
        // Rows fill left to right: make room for a report's width at once.
        constexpr size_t kUsualWidth = 16;
        if (line.cells.capacity() == 0) {
            line.cells.reserve(kUsualWidth);
        }
        line.cells.resize(static_cast<size_t>(column) + 1);
    }
    return line.cells[static_cast<size_t>(column)];
}

const Cell* Worksheet::findCell(int row, int column) const {
    if (static_cast<size_t>(row) >= rows_.size()) {
        return nullptr;
    }
    const SheetRow& line = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= line.cells.size()) {
        return nullptr;
    }
    return &line.cells[static_cast<size_t>(column)];
}

template <typename Change> void Worksheet::changeCell(int row, int column, Change change) {
    Cell& target = cell(row, column);
    SheetRow& line = rows_[static_cast<size_t>(row)];
    const bool wasUsed = target.Used();
    if (!wasUsed && line.format >= 0) {
        target.format = line.format; // a new cell in a formatted row takes the row's format
    }
    change(target);
    const bool isUsed = target.Used();
    if (wasUsed == isUsed) {
        return;
    }
    const bool rowWasUsed = line.Used();
    const int delta = isUsed ? 1 : -1;
    line.usedCells += delta;
    columnUseChanged(column, delta);
    if (rowWasUsed != line.Used()) {
        rowUseChanged(row, rowWasUsed);
    }
}

void Worksheet::columnUseChanged(int column, int delta) {
    if (columnUse_.empty()) {
        columnUse_.resize(kMaxColumns);
    }
    int& use = columnUse_[static_cast<size_t>(column)];
    use += delta;
    if (use > 0) {
        usedColumns_ = std::max(usedColumns_, column + 1);
        return;
    }
    while (usedColumns_ > 0 && columnUse_[static_cast<size_t>(usedColumns_ - 1)] == 0) {
        --usedColumns_;
    }
}

void Worksheet::rowUseChanged(int row, bool wasUsed) {
    if (!wasUsed) {
        usedRows_ = std::max(usedRows_, row + 1);
        return;
    }
    while (usedRows_ > 0 && !rows_[static_cast<size_t>(usedRows_ - 1)].Used()) {
        --usedRows_;
    }
}

void Worksheet::storeText(Cell& target, const QString& text, bool asTyped) {
    Styles& styles = workbook_.Styles();
    const bool textFormat = styles.Format(target.format).numberFormat == Styles::kTextNumberFormat;
    if (!asTyped || textFormat) {
        target.kind = text.isEmpty() ? Cell::Kind::Empty : Cell::Kind::Text;
        target.text = text;
        return;
    }
    const TypedInput typed = ReadTypedInput(text);
    if (!typed.isNumber) {
        storeText(target, typed.text, false);
        return;
    }
    storeNumber(target, typed.number, typed.numberFormat);
}

void Worksheet::storeNumber(Cell& target, double number, const QString& numberFormat) {
    target.kind = Cell::Kind::Number;
    target.number = number;
    target.text.clear();
    Styles& styles = workbook_.Styles();
    if (!numberFormat.isEmpty() &&
        styles.Format(target.format).numberFormat == Styles::kGeneralNumberFormat) {
        target.format = styles.Apply(target.format, FormatProperty::NumberFormat,
                                     styles.NumberFormatId(numberFormat));
    }
}

void Worksheet::SetValue(const CellRect& rect, const QVariant& value) {
    checkValue(value);
    settle();
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            changeCell(r, c, [&](Cell& target) {
                if (value.isNull()) {
                    target.kind = Cell::Kind::Empty;
                    target.text.clear();
                } else if (value.typeId() == QMetaType::QString) {
                    storeText(target, value.toString(), true);
                } else if (value.typeId() == QMetaType::QDate) {
                    storeNumber(target, DateToSerial(value.toDate()), kDateFormat);
                } else if (value.typeId() == QMetaType::QDateTime) {
                    storeNumber(target, DateTimeToSerial(value.toDateTime()), kDateTimeFormat);
                } else if (value.typeId() == QMetaType::QTime) {
                    storeNumber(target, value.toTime().msecsSinceStartOfDay() / 86400000.0,
                                kTimeSecondsFormat);
                } else {
                    storeNumber(target, value.toDouble(), {});
                }
            });
        }
    }
}

void Worksheet::StoreValue(int row, int column, const QVariant& value) {
    checkValue(value);
    settle();
    changeCell(row, column, [&](Cell& target) {
        if (value.typeId() == QMetaType::QString) {
            storeText(target, value.toString(), false);
        } else if (value.typeId() == QMetaType::QDate) {
            storeNumber(target, DateToSerial(value.toDate()), QStringLiteral("yyyy-mm-dd"));
        } else if (value.typeId() == QMetaType::QDateTime) {
            storeNumber(target, DateTimeToSerial(value.toDateTime()),
                        QStringLiteral("yyyy-mm-dd hh:mm:ss"));
        } else if (value.typeId() == QMetaType::QTime) {
            storeNumber(target, value.toTime().msecsSinceStartOfDay() / 86400000.0,
                        QStringLiteral("hh:mm:ss"));
        } else if (!value.isNull()) {
            storeNumber(target, value.toDouble(), {});
        }
    });
}

QVariant Worksheet::Value(int row, int column) const {
    if (read_) {
        return read_->Value(row, column);
    }
    const Cell* found = findCell(row, column);
    if (found == nullptr || found->kind == Cell::Kind::Empty) {
        return {};
    }
    if (found->kind == Cell::Kind::Text) {
        return found->text;
    }
    const Styles& styles = workbook_.Styles();
    if (styles.IsDateFormat(styles.Format(found->format).numberFormat)) {
        return SerialValue(found->number);
    }
    return found->number;
}

int Worksheet::FormatAt(int row, int column) const {
    const Cell* found = findCell(row, column);
    if (found != nullptr && found->Used()) {
        return found->format;
    }
    if (static_cast<size_t>(row) < rows_.size() && rows_[static_cast<size_t>(row)].format >= 0) {
        return rows_[static_cast<size_t>(row)].format;
    }
    return Styles::kDefaultFormat;
}

void Worksheet::ApplyFormat(const CellRect& rect, bool entireRow, FormatProperty property,
                            int value) {
    settle();
    Styles& styles = workbook_.Styles();
    // Neighbouring cells mostly share a format: remember the last change.
    int lastFrom = -1;
    int lastTo = -1;
    const auto apply = [&](int format) {
        if (format != lastFrom) {
            lastFrom = format;
            lastTo = styles.Apply(format, property, value);
        }
        return lastTo;
    };
    for (int r = rect.top; r <= rect.bottom; ++r) {
        if (entireRow) {
            SheetRow& line = row(r);
            const bool wasUsed = line.Used();
            line.format = apply(std::max(line.format, 0));
            if (!wasUsed) {
                rowUseChanged(r, false);
            }
            for (int c = 0; c < static_cast<int>(line.cells.size()); ++c) {
                if (line.cells[static_cast<size_t>(c)].Used()) {
                    changeCell(r, c, [&](Cell& target) { target.format = apply(target.format); });
                }
            }
            continue;
        }
        for (int c = rect.left; c <= rect.right; ++c) {
            changeCell(r, c, [&](Cell& target) { target.format = apply(target.format); });
        }
    }
}

void Worksheet::unmerge(const CellRect& rect) {
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            changeCell(r, c, [](Cell& target) { target.merged = false; });
        }
    }
}

void Worksheet::Merge(const CellRect& rect) {
    if (rect.Rows() == 1 && rect.Columns() == 1) {
        return;
    }
    settle();
    const auto overlapping = [&](const CellRect& merged) { return merged.Intersects(rect); };
    for (const CellRect& merged : merges_) {
        if (overlapping(merged)) {
            unmerge(merged);
        }
    }
    merges_.erase(std::remove_if(merges_.begin(), merges_.end(), overlapping), merges_.end());
    // As Excel, the merged area keeps the value of its first cell only.
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            const bool first = r == rect.top && c == rect.left;
            changeCell(r, c, [first](Cell& target) {
                target.merged = true;
                if (!first) {
                    target.kind = Cell::Kind::Empty;
                    target.text.clear();
                }
            });
        }
    }
    merges_.push_back(rect);
}

void Worksheet::SetColumnWidth(int column, int width) {
    if (columnWidths_.empty()) {
        columnWidths_.assign(kMaxColumns, -1);
    }
    columnWidths_[static_cast<size_t>(column)] = width;
}

void Worksheet::AutoFitColumns() {
    settle();
    std::array<int, kMaxColumns> widest{};
    const Styles& styles = workbook_.Styles();
    for (const SheetRow& line : rows_) {
        for (size_t c = 0; c < line.cells.size(); ++c) {
            const Cell& target = line.cells[c];
            if (!target.merged && target.kind != Cell::Kind::Empty) {
                widest[c] = std::max(widest[c], FittingWidth(target, styles));
            }
        }
    }
    for (size_t c = 0; c < widest.size(); ++c) {
        if (widest[c] > 0) {
            SetColumnWidth(static_cast<int>(c), widest[c]);
        }
    }
}

} // namespace excel
