#include "platform/excel/StringTable.h"

#include "platform/excel/ReadFailure.h"

#include <QtEndian>
#include <algorithm>

namespace excel {
namespace {
constexpr int kKindShift = 30;
constexpr std::uint32_t kOffsetMask = (1u << kKindShift) - 1;
constexpr std::size_t kMaxBytes = kOffsetMask;
constexpr std::size_t kRunHeader = 4;
// A shared string's count and flags.
constexpr std::size_t kShortestText = 3;
} // namespace

void StringTable::Reserve(qint64 fileBytes) {
    const auto bytes = static_cast<std::size_t>(std::max<qint64>(0, fileBytes));
    bytes_.reserve(std::min(bytes, kMaxBytes));
    starts_.reserve(std::min(bytes, kMaxBytes) / kShortestText);
}

void StringTable::Append(TextForm form, QByteArrayView text) {
    const auto kind = static_cast<Kind>(form);
    const auto size = static_cast<std::size_t>(text.size());
    if (!open_) {
        open_ = true;
        start_ = bytes_.size();
        kind_ = kind;
    } else if (kind_ != kind && kind_ != Kind::Runs) {
        if (bytes_.size() == start_) {
            kind_ = kind;
        } else {
            // What the text holds so far becomes its first run.
            const Kind first = kind_;
            const std::size_t size0 = bytes_.size() - start_;
            bytes_.insert(bytes_.begin() + static_cast<std::ptrdiff_t>(start_), kRunHeader, 0);
            kind_ = Kind::Runs;
            runKind_ = first;
            runHeader_ = start_;
            growRun(size0);
        }
    }
    if (kind_ == Kind::Runs && runKind_ != kind) {
        runKind_ = kind;
        runHeader_ = bytes_.size();
        bytes_.insert(bytes_.end(), kRunHeader, 0);
        growRun(0);
    }
    if (bytes_.size() + size > kMaxBytes) {
        throw DamagedWorkbook();
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    if (kind_ == Kind::Runs) {
        growRun(size);
    }
}

void StringTable::growRun(std::size_t size) {
    char* header = bytes_.data() + runHeader_;
    const std::uint32_t old = qFromLittleEndian<std::uint32_t>(header) & kOffsetMask;
    qToLittleEndian<std::uint32_t>((static_cast<std::uint32_t>(runKind_) << kKindShift) |
                                       (old + static_cast<std::uint32_t>(size)),
                                   header);
}

std::uint32_t StringTable::Finish() {
    if (!open_) {
        start_ = bytes_.size();
        kind_ = Kind::Compressed;
    }
    open_ = false;
    starts_.push_back((static_cast<std::uint32_t>(kind_) << kKindShift) |
                      static_cast<std::uint32_t>(start_));
    return static_cast<std::uint32_t>(starts_.size() - 1);
}

QString StringTable::piece(Kind kind, const char* bytes, std::size_t size) const {
    if (kind != Kind::Runs) {
        return DecodeText(static_cast<TextForm>(kind),
                          QByteArrayView(bytes, static_cast<qsizetype>(size)), codepage_);
    }
    QString text;
    for (std::size_t at = 0; at + kRunHeader <= size;) {
        const auto header = qFromLittleEndian<std::uint32_t>(bytes + at);
        const std::size_t length = std::min<std::size_t>(header & kOffsetMask, size - at - 4);
        text += piece(static_cast<Kind>(header >> kKindShift), bytes + at + kRunHeader, length);
        at += kRunHeader + length;
    }
    return text;
}

QString StringTable::At(std::uint32_t index) const {
    if (index >= starts_.size()) {
        return {};
    }
    const std::size_t from = starts_[index] & kOffsetMask;
    const std::size_t to =
        index + 1 < starts_.size() ? starts_[index + 1] & kOffsetMask : bytes_.size();
    return piece(static_cast<Kind>(starts_[index] >> kKindShift), bytes_.data() + from, to - from);
}

} // namespace excel
