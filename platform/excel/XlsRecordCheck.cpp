#include "platform/excel/XlsRecordCheck.h"

#include <QtEndian>
#include <optional>
#include <vector>

namespace excel {
namespace {
// The most data bytes a record of any BIFF version may carry.
constexpr int kLongestRecord = 8224;

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kBoolErr = 0x0205;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kMulRk = 0x00BD;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kLabelSst = 0x00FD;

constexpr quint16 kBof2 = 0x0009;
constexpr quint16 kBof3 = 0x0209;
constexpr quint16 kBof4 = 0x0409;
constexpr quint16 kSheetsOffset = 0x008E;
constexpr quint16 kDimensions2 = 0x0000;
constexpr quint16 kInteger2 = 0x0002;
constexpr quint16 kNumber2 = 0x0003;
constexpr quint16 kLabel2 = 0x0004;
constexpr quint16 kBoolErr2 = 0x0005;

constexpr quint16 kBiff5Version = 0x0500;
constexpr quint16 kBiff8Version = 0x0600;
constexpr quint32 kBiff8Rows = 65536;
constexpr quint32 kOlderRows = 16384;
constexpr quint32 kColumns = 256;

enum class Biff { V2, V3, V4, V5, V8 };

struct Record {
    quint16 type;
    int length;
    const char* body;
    quint32 offset;

    int U8(int at) const { return static_cast<unsigned char>(body[at]); }
    int U16(int at) const { return qFromLittleEndian<quint16>(body + at); }
    quint32 U32(int at) const { return qFromLittleEndian<quint32>(body + at); }
};

enum class Step { Next, End, Refuse };

// Hands every whole record to the walk until it ends it. A record longer than the format
// allows is refused; a last record cut short by the end of the stream ends it, as in FreeXL.
template <typename Walk> bool walkRecords(const QByteArray& stream, Walk& walk) {
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const char* header = stream.constData() + at;
        const Record record{qFromLittleEndian<quint16>(header),
                            qFromLittleEndian<quint16>(header + 2), header + 4,
                            static_cast<quint32>(at)};
        if (record.length > kLongestRecord) {
            return false;
        }
        if (at + 4 + record.length > stream.size()) {
            return true;
        }
        switch (walk.Visit(record)) {
        case Step::End:
            return true;
        case Step::Refuse:
            return false;
        case Step::Next:
            break;
        }
        at += 4 + record.length;
    }
    return true;
}

enum class Chars { Bytes, Unicode, RichUnicode };

// A string inside a record: a character count of one or two bytes, then for Unicode a flags
// byte (bit 0: two bytes a character; bits 3 and 2: a run count and an extension size ahead
// of the characters), then the characters. FreeXL copies as many bytes as the count says.
bool stringFits(const Record& record, int countAt, bool wideCount, Chars chars) {
    const int countEnd = countAt + (wideCount ? 2 : 1);
    if (countEnd > record.length) {
        return false;
    }
    const int count = wideCount ? record.U16(countAt) : record.U8(countAt);
    if (chars == Chars::Bytes) {
        return countEnd + count <= record.length;
    }
    if (countEnd >= record.length) {
        return false;
    }
    const int flags = record.U8(countEnd);
    int first = countEnd + 1;
    if (chars == Chars::RichUnicode) {
        first += ((flags & 0x08) != 0 ? 2 : 0) + ((flags & 0x04) != 0 ? 4 : 0);
    }
    const int bytesPerCharacter = (flags & 1) != 0 ? 2 : 1;
    return first + count * bytesPerCharacter <= record.length;
}

bool labelFits(const Record& record, Biff version) {
    switch (version) {
    case Biff::V2:
        return stringFits(record, 7, false, Chars::Bytes);
    case Biff::V8:
        return stringFits(record, 6, true, Chars::RichUnicode);
    default:
        return stringFits(record, 6, true, Chars::Bytes);
    }
}

// The shortest a record may be that the version reads as a cell; 0 for other records.
int cellRecordMinimum(quint16 type, Biff version) {
    if (version == Biff::V2) {
        switch (type) {
        case kInteger2:
        case kBoolErr2:
            return 9;
        case kNumber2:
            return 15;
        case kLabel2:
            return 8;
        default:
            return 0;
        }
    }
    switch (type) {
    case kNumber:
        return 14;
    case kBoolErr:
        return 8;
    case kRk:
        return 10;
    case kLabelSst:
        return version == Biff::V8 ? 10 : 0;
    case kLabel:
        return 8;
    case kMulRk:
        return version >= Biff::V5 ? 4 : 0;
    default:
        return 0;
    }
}

bool isLabel(quint16 type, Biff version) {
    return type == (version == Biff::V2 ? kLabel2 : kLabel);
}

// How many cells FreeXL reads from a multiple-RK record: one per six bytes after the row and
// first column, the last six bytes excepted.
int mulRkCount(int length) {
    int count = 0;
    for (int at = 4; at + 6 < length; at += 6) {
        ++count;
    }
    return count;
}

// The cells of the sheet being read, as FreeXL holds them once the sheet's size is known.
class SheetCells {
public:
    void Size(quint32 rows, quint32 columns) {
        rows_ = rows;
        columns_ = columns;
        taken_.assign(std::size_t(rows) * columns, false);
        sized_ = true;
    }
    void Clear() {
        sized_ = false;
        taken_.clear();
    }
    bool Sized() const { return sized_; }

    // False for a cell outside the sheet's size or given before.
    bool Take(quint32 row, quint32 column) {
        if (row >= rows_ || column >= columns_) {
            return false;
        }
        const std::size_t index = std::size_t(row) * columns_ + column;
        if (taken_[index]) {
            return false;
        }
        taken_[index] = true;
        return true;
    }

    // A cell record of the version, once the sheet's size is known.
    Step TakeRecord(const Record& record, Biff version) {
        const int minimum = cellRecordMinimum(record.type, version);
        if (minimum == 0) {
            return Step::Next;
        }
        if (!sized_ || record.length < minimum ||
            (isLabel(record.type, version) && !labelFits(record, version))) {
            return Step::Refuse;
        }
        const int count = record.type == kMulRk ? mulRkCount(record.length) : 1;
        for (int i = 0; i < count; ++i) {
            if (!Take(record.U16(0), record.U16(2) + quint32(i))) {
                return Step::Refuse;
            }
        }
        return Step::Next;
    }

private:
    quint32 rows_ = 0;
    quint32 columns_ = 0;
    std::vector<bool> taken_;
    bool sized_ = false;
};

struct SheetSize {
    quint32 firstRow;
    quint32 endRow;
    quint32 firstColumn;
    quint32 endColumn;

    bool Within(quint32 rows) const {
        return firstRow <= endRow && endRow <= rows && firstColumn <= endColumn &&
               endColumn <= kColumns;
    }
};

// A sheet's size record of the version; nullopt when it is too short for its fields.
std::optional<SheetSize> sheetSize(const Record& record, Biff version) {
    if (version == Biff::V8) {
        if (record.length != 14) {
            return std::nullopt;
        }
        return SheetSize{record.U32(0), record.U32(4), quint32(record.U16(8)),
                         quint32(record.U16(10))};
    }
    if (record.length < 8) {
        return std::nullopt;
    }
    return SheetSize{quint32(record.U16(0)), quint32(record.U16(2)), quint32(record.U16(4)),
                     quint32(record.U16(6))};
}

// The size record's size when it lies within the version's rows and columns.
std::optional<SheetSize> fittingSize(const Record& record, Biff version) {
    const std::optional<SheetSize> size = sheetSize(record, version);
    if (!size || !size->Within(version == Biff::V8 ? kBiff8Rows : kOlderRows)) {
        return std::nullopt;
    }
    return size;
}

bool stringsFit(const Record& record, Biff version) {
    if (version == Biff::V5) {
        return record.type != kBoundSheet || stringFits(record, 6, false, Chars::Bytes);
    }
    switch (record.type) {
    case kFont:
        return stringFits(record, 14, false, Chars::Unicode);
    case kFormat:
        return stringFits(record, 2, true, Chars::RichUnicode);
    case kBoundSheet:
        return stringFits(record, 6, false, Chars::Unicode);
    default:
        return true;
    }
}

// A BIFF5 or BIFF8 workbook stream: the workbook's part, then one part for each sheet, each
// from a BOF record to an EOF record. FreeXL takes a part for the sheet whose listed offset
// is the part's BOF offset.
class WorkbookWalk {
public:
    explicit WorkbookWalk(bool endsAtZeroRecord) : endsAtZeroRecord_(endsAtZeroRecord) {}

    Step Visit(const Record& record) {
        if (endsAtZeroRecord_ && record.type == 0 && record.length == 0) {
            return Step::End;
        }
        if (record.type == kContinue) {
            return Step::Next;
        }
        switch (place_) {
        case Place::Start:
            return start(record);
        case Place::Between:
            return between(record);
        case Place::Inside:
            return inside(record);
        }
        return Step::Refuse;
    }

    // FreeXL sizes a sheet left without a size record by the sheet read last, so only that
    // one may lack it (a chart sheet has none).
    bool EverySheetSized() const {
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            if (!sheets_[i].sized && int(i) != current_) {
                return false;
            }
        }
        return true;
    }

private:
    enum class Place { Start, Inside, Between };
    struct Sheet {
        quint32 offset;
        bool sized;
    };

    Step start(const Record& record) {
        if (record.type != kBof || record.length < 4) {
            return Step::Refuse;
        }
        if (record.U16(0) == kBiff5Version) {
            version_ = Biff::V5;
        } else if (record.U16(0) == kBiff8Version) {
            version_ = Biff::V8;
        } else {
            return Step::Refuse;
        }
        place_ = Place::Inside;
        return Step::Next;
    }

    Step between(const Record& record) {
        if (record.type != kBof) {
            return Step::Refuse;
        }
        current_ = -1;
        for (std::size_t i = 0; i < sheets_.size() && current_ < 0; ++i) {
            if (sheets_[i].offset == record.offset) {
                current_ = int(i);
            }
        }
        cells_.Clear();
        place_ = Place::Inside;
        return Step::Next;
    }

    Step inside(const Record& record) {
        if (!stringsFit(record, version_)) {
            return Step::Refuse;
        }
        switch (record.type) {
        case kEof:
            place_ = Place::Between;
            return Step::Next;
        case kBoundSheet:
            sheets_.push_back({record.U32(0), false});
            return Step::Next;
        case kDimensions:
            return size(record);
        default:
            return cells_.TakeRecord(record, version_);
        }
    }

    Step size(const Record& record) {
        const std::optional<SheetSize> size = fittingSize(record, version_);
        if (!size) {
            return Step::Refuse;
        }
        if (current_ < 0) {
            return Step::Next;
        }
        if (sheets_[current_].sized) {
            return Step::Refuse;
        }
        sheets_[current_].sized = true;
        cells_.Size(size->endRow, size->endColumn);
        return Step::Next;
    }

    const bool endsAtZeroRecord_;
    Place place_ = Place::Start;
    Biff version_ = Biff::V8;
    std::vector<Sheet> sheets_;
    int current_ = -1;
    SheetCells cells_;
};

// A BIFF2 to BIFF4 stream: one sheet from the BOF record to the EOF record.
class LegacyWalk {
public:
    Step Visit(const Record& record) {
        if (!started_) {
            return start(record);
        }
        switch (record.type) {
        case kEof:
            return Step::End;
        case kSheetsOffset:
            return Step::Refuse;
        default:
            if (record.type == (version_ == Biff::V2 ? kDimensions2 : kDimensions)) {
                return size(record);
            }
            return cells_.TakeRecord(record, version_);
        }
    }

private:
    Step start(const Record& record) {
        switch (record.type) {
        case kBof2:
            version_ = Biff::V2;
            break;
        case kBof3:
            version_ = Biff::V3;
            break;
        case kBof4:
            version_ = Biff::V4;
            break;
        default:
            return Step::Refuse;
        }
        started_ = true;
        return Step::Next;
    }

    // FreeXL adds a sheet for every size record and sizes the first sheet again by it.
    Step size(const Record& record) {
        const std::optional<SheetSize> size = fittingSize(record, version_);
        if (cells_.Sized() || !size) {
            return Step::Refuse;
        }
        cells_.Size(size->endRow, size->endColumn);
        return Step::Next;
    }

    bool started_ = false;
    Biff version_ = Biff::V2;
    SheetCells cells_;
};
} // namespace

bool WorkbookRecordsSafe(const QByteArray& stream, bool endsAtZeroRecord) {
    WorkbookWalk walk(endsAtZeroRecord);
    return walkRecords(stream, walk) && walk.EverySheetSized();
}

bool LegacyRecordsSafe(const QByteArray& stream) {
    LegacyWalk walk;
    return walkRecords(stream, walk);
}

} // namespace excel
