#include "platform/excel/SheetCells.h"

#include "platform/excel/CellAddress.h"
#include "platform/excel/DateSerial.h"

#include <algorithm>
#include <cstring>

namespace excel {
namespace {
constexpr std::uint32_t kPlaceMask = 0xFFFFFF;
constexpr int kKindShift = 24;
constexpr std::uint32_t kKindMask = 0x7;
constexpr std::uint32_t kDateBit = 1u << 27;
// The fewest bytes of the file a cell takes: one of a multiple-RK record; and a number kept
// in 8 bytes, a NUMBER record.
constexpr std::size_t kSmallestCell = 6;
constexpr std::size_t kSmallestNumberCell = 18;
// Serial numbers of the 1904 date system are this many days behind those of 1900.
constexpr double k1904Offset = 1462;

std::uint32_t placeOf(std::uint32_t place) {
    return place & kPlaceMask;
}

// Excel's 4-byte number: bit 0 divides by 100, bit 1 marks a 30-bit integer; otherwise the
// 30 bits are the high bits of a double.
double rkValue(std::uint32_t rk) {
    double value = 0;
    if ((rk & 2) != 0) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & ~3u) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 1) != 0 ? value / 100 : value;
}

const char* errorText(std::uint32_t code) {
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    default:
        return "#N/A";
    }
}
} // namespace

SheetCells::SheetCells(std::shared_ptr<const StringTable> strings, bool date1904)
    : strings_(std::move(strings)), date1904_(date1904) {}

void SheetCells::Reserve(qint64 partBytes) {
    const auto bytes = static_cast<std::size_t>(std::max<qint64>(0, partBytes));
    entries_.reserve(bytes / kSmallestCell);
    numbers_.reserve(bytes / kSmallestNumberCell);
}

void SheetCells::add(int row, int column, Kind kind, bool date, std::uint32_t payload) {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) {
        return;
    }
    const auto place = static_cast<std::uint32_t>(row) << 8 | static_cast<std::uint32_t>(column);
    if (!entries_.empty() && placeOf(entries_.back().place) >= place) {
        ordered_ = false;
    }
    entries_.push_back(
        {place | static_cast<std::uint32_t>(kind) << kKindShift | (date ? kDateBit : 0), payload});
    rows_ = std::max(rows_, row + 1);
    columns_ = std::max(columns_, column + 1);
}

void SheetCells::AddNumber(int row, int column, double value, bool date) {
    add(row, column, Kind::Number, date, static_cast<std::uint32_t>(numbers_.size()));
    numbers_.push_back(value);
}

void SheetCells::AddRk(int row, int column, std::uint32_t rk, bool date) {
    add(row, column, Kind::Rk, date, rk);
}

void SheetCells::AddText(int row, int column, std::uint32_t text) {
    add(row, column, Kind::Text, false, text);
}

void SheetCells::AddBoolean(int row, int column, bool value) {
    add(row, column, Kind::Boolean, false, value ? 1 : 0);
}

void SheetCells::AddError(int row, int column, std::uint8_t code) {
    add(row, column, Kind::Error, false, code);
}

bool SheetCells::Finish() {
    const auto byPlace = [](const Entry& a, const Entry& b) {
        return placeOf(a.place) < placeOf(b.place);
    };
    if (!ordered_) {
        std::sort(entries_.begin(), entries_.end(), byPlace);
    }
    const auto twice =
        std::adjacent_find(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return placeOf(a.place) == placeOf(b.place);
        });
    return twice == entries_.end();
}

QVariant SheetCells::Value(int row, int column) const {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) {
        return {};
    }
    const auto place = static_cast<std::uint32_t>(row) << 8 | static_cast<std::uint32_t>(column);
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), place,
        [](const Entry& entry, std::uint32_t p) { return placeOf(entry.place) < p; });
    if (found == entries_.end() || placeOf(found->place) != place) {
        return {};
    }
    return value(*found);
}

QVariant SheetCells::value(const Entry& entry) const {
    const bool date = (entry.place & kDateBit) != 0;
    switch (static_cast<Kind>((entry.place >> kKindShift) & kKindMask)) {
    case Kind::Rk:
        return number(rkValue(entry.payload), date);
    case Kind::Number:
        return number(numbers_[entry.payload], date);
    case Kind::Text:
        return strings_->At(entry.payload);
    case Kind::Boolean:
        return entry.payload != 0;
    case Kind::Error:
        return QString::fromLatin1(errorText(entry.payload));
    }
    return {};
}

QVariant SheetCells::number(double value, bool date) const {
    if (!date) {
        return value;
    }
    // A time alone is the same in both date systems.
    return SerialValue(date1904_ && value >= 1 ? value + k1904Offset : value);
}

} // namespace excel
