#include "platform/excel/WorkbookGlobals.h"

#include "platform/excel/BiffRecords.h"
#include "platform/excel/ContinuedReader.h"
#include "platform/excel/NumberFormats.h"
#include "platform/excel/ReadFailure.h"
#include "platform/excel/RecordReader.h"
#include "platform/excel/RecordText.h"
#include "platform/excel/StringTable.h"

namespace excel {
namespace {
constexpr std::uint16_t kBiff5 = 0x0500;
constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint8_t kWorksheet = 0;
constexpr qsizetype kBoundSheetFields = 6;
// The file numbers sheets with 16 bits.
constexpr std::size_t kMaxSheets = 0xFFFF;

[[noreturn]] void damaged() {
    throw DamagedWorkbook();
}
} // namespace

void WorkbookGlobals::Read(RecordReader& records, StringTable& strings) {
    version(records);
    Record current;
    while (records.Next(current)) {
        switch (current.type) {
        case record::kFilePass:
            throw EncryptedWorkbook();
        case record::kCodePage:
            codepage_ = current.U16(0);
            break;
        case record::kDate1904:
            date1904_ = current.U16(0) == 1;
            break;
        case record::kFormat:
            format(current);
            break;
        case record::kXf:
            xfFormats_.push_back(current.U16(2));
            break;
        case record::kBoundSheet:
            sheet(current);
            break;
        case record::kSst:
            sharedStrings(records, current, strings);
            break;
        case record::kEof:
            resolveDates();
            strings.SetCodepage(codepage_);
            return;
        default:
            break;
        }
    }
    damaged();
}

void WorkbookGlobals::version(RecordReader& records) {
    Record bof;
    if (!records.Next(bof) || bof.type != record::kBof || bof.Size() < 4) {
        damaged();
    }
    if (bof.U16(0) != kBiff8 && bof.U16(0) != kBiff5) {
        damaged();
    }
    biff8_ = bof.U16(0) == kBiff8;
}

void WorkbookGlobals::format(const Record& record) {
    const QString code = RecordText(record, 2, biff8_ ? 2 : 1, biff8_).Text(codepage_);
    formatDates_.insert(record.U16(0), IsDateFormatCode(code));
}

void WorkbookGlobals::sheet(const Record& record) {
    if (record.Size() < kBoundSheetFields) {
        damaged();
    }
    if (record.U8(5) != kWorksheet) {
        return;
    }
    if (sheets_.size() == kMaxSheets) {
        damaged();
    }
    sheets_.push_back({RecordText(record, kBoundSheetFields, 1, biff8_).Text(codepage_),
                       static_cast<qint64>(record.U32(0))});
}

// The strings follow the counts of uses and of strings, each continuing across records.
void WorkbookGlobals::sharedStrings(RecordReader& records, const Record& sst,
                                    StringTable& strings) {
    // BIFF5 has none; a second table would not start at index 0.
    if (!biff8_ || strings.Count() != 0) {
        damaged();
    }
    ContinuedReader data(records, sst);
    std::uint32_t uses = 0;
    std::uint32_t count = 0;
    if (!data.U32(uses) || !data.U32(count)) {
        damaged();
    }
    while (sharedStrings_ < count && !data.AtEnd()) {
        sharedString(data, strings);
        ++sharedStrings_;
    }
}

// A character count, flags (bit 0 UTF-16, bit 2 phonetic data, bit 3 formatting runs), the
// counts of those, the characters, then the runs and the phonetic data, passed over.
void WorkbookGlobals::sharedString(ContinuedReader& data, StringTable& strings) {
    std::uint16_t characters = 0;
    std::uint8_t flags = 0;
    std::uint16_t runs = 0;
    std::uint32_t phonetic = 0;
    if (!data.U16(characters) || !data.U8(flags) || ((flags & 0x08) != 0 && !data.U16(runs)) ||
        ((flags & 0x04) != 0 && !data.U32(phonetic)) ||
        !data.Characters(characters, flags, strings) || !data.Skip(4 * qint64(runs)) ||
        !data.Skip(phonetic)) {
        damaged();
    }
    strings.Finish();
}

void WorkbookGlobals::resolveDates() {
    xfDates_.reserve(xfFormats_.size());
    for (const std::uint16_t format : xfFormats_) {
        const auto found = formatDates_.constFind(format);
        xfDates_.push_back(found != formatDates_.constEnd() ? *found : IsBuiltInDateFormat(format));
    }
}

} // namespace excel
