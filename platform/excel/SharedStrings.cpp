#include "platform/excel/SharedStrings.h"

#include <algorithm>

namespace excel {
namespace {
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr size_t kStringHeader = 3; // character count and flags

struct Bucket {
    std::uint32_t streamPosition;
    std::uint16_t recordOffset;
};

// Writes records of at most BiffStream::kMaxRecordData bytes, continuing in CONTINUE
// records.
class ContinuedRecord {
public:
    ContinuedRecord(BiffStream& out, std::uint16_t type) : out_(out) { out_.Begin(type); }
    ~ContinuedRecord() { out_.End(); }

    size_t Room() const {
        return BiffStream::kMaxRecordData - (out_.Position() - out_.RecordStart() - 4);
    }
    void Continue() {
        out_.End();
        out_.Begin(record::kContinue);
    }
    BiffStream& Out() { return out_; }

private:
    BiffStream& out_;
};

void writeString(ContinuedRecord& sst, const QString& text) {
    const bool compressed = FitsCompressed(text);
    const size_t unit = compressed ? 1 : 2;
    BiffStream& out = sst.Out();
    out.U16(static_cast<std::uint16_t>(text.size()));
    out.U8(compressed ? 0 : 1);
    qsizetype written = 0;
    while (written < text.size()) {
        qsizetype fit =
            std::min<qsizetype>(static_cast<qsizetype>(sst.Room() / unit), text.size() - written);
        // A surrogate pair stays in one record.
        if (fit > 0 && written + fit < text.size() &&
            text.at(written + fit - 1).isHighSurrogate()) {
            --fit;
        }
        if (fit == 0) {
            sst.Continue();
            out.U8(compressed ? 0 : 1);
            continue;
        }
        out.Characters(text, written, fit, compressed);
        written += fit;
    }
}
} // namespace

std::uint32_t SharedStrings::Add(const QString& text) {
    ++uses_;
    const auto found = indexes_.constFind(text);
    if (found != indexes_.constEnd()) {
        return *found;
    }
    const auto index = static_cast<std::uint32_t>(strings_.size());
    strings_.push_back(text);
    indexes_.insert(text, index);
    textBytes_ += 2 * static_cast<size_t>(text.size());
    return index;
}

void SharedStrings::Write(BiffStream& out) const {
    const size_t perBucket = std::max<size_t>(8, strings_.size() / 128 + 1);
    std::vector<Bucket> buckets;
    {
        ContinuedRecord sst(out, record::kSst);
        out.U32(uses_);
        out.U32(static_cast<std::uint32_t>(strings_.size()));
        for (size_t i = 0; i < strings_.size(); ++i) {
            const QString& text = strings_[i];
            const size_t unit = FitsCompressed(text) ? 1 : 2;
            if (sst.Room() < kStringHeader + (text.isEmpty() ? 0 : unit)) {
                sst.Continue();
            }
            if (i % perBucket == 0) {
                buckets.push_back({static_cast<std::uint32_t>(out.Position()),
                                   static_cast<std::uint16_t>(out.Position() - out.RecordStart())});
            }
            writeString(sst, text);
        }
    }
    out.Begin(kExtSst);
    out.U16(static_cast<std::uint16_t>(perBucket));
    for (const Bucket& bucket : buckets) {
        out.U32(bucket.streamPosition);
        out.U16(bucket.recordOffset);
        out.U16(0);
    }
    out.End();
}

} // namespace excel
