#include "platform/excel/BiffStream.h"

#include <QtEndian>
#include <cstring>
#include <utility>

namespace excel {

bool FitsCompressed(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            return false;
        }
    }
    return true;
}

std::uint8_t* BiffStream::grow(size_t count) {
    const qsizetype at = data_.size();
    data_.resize(at + static_cast<qsizetype>(count));
    return reinterpret_cast<std::uint8_t*>(data_.data()) + at;
}

void BiffStream::Begin(std::uint16_t type) {
    recordStart_ = Position();
    U16(type);
    U16(0);
}

void BiffStream::End() {
    const size_t size = Position() - recordStart_ - 4;
    Q_ASSERT(size <= kMaxRecordData);
    qToLittleEndian(static_cast<std::uint16_t>(size),
                    data_.data() + static_cast<qsizetype>(recordStart_) + 2);
}

void BiffStream::Empty(std::uint16_t type) {
    Begin(type);
    End();
}

void BiffStream::Word(std::uint16_t type, std::uint16_t value) {
    Begin(type);
    U16(value);
    End();
}

void BiffStream::U16(std::uint16_t value) {
    qToLittleEndian(value, grow(2));
}

void BiffStream::U32(std::uint32_t value) {
    qToLittleEndian(value, grow(4));
}

void BiffStream::F64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, grow(8));
}

void BiffStream::Characters(const QString& text, qsizetype from, qsizetype count, bool compressed) {
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16()) + from;
    if (compressed) {
        std::uint8_t* out = grow(static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i) {
            out[i] = static_cast<std::uint8_t>(units[i]);
        }
        return;
    }
    qToLittleEndian<std::uint16_t>(units, count, grow(2 * static_cast<size_t>(count)));
}

void BiffStream::ShortString(const QString& text) {
    const bool compressed = FitsCompressed(text);
    U8(static_cast<std::uint8_t>(text.size()));
    U8(compressed ? 0 : 1);
    Characters(text, 0, text.size(), compressed);
}

void BiffStream::LongString(const QString& text) {
    const bool compressed = FitsCompressed(text);
    U16(static_cast<std::uint16_t>(text.size()));
    U8(compressed ? 0 : 1);
    Characters(text, 0, text.size(), compressed);
}

void BiffStream::Patch32(size_t at, std::uint32_t value) {
    qToLittleEndian(value, data_.data() + static_cast<qsizetype>(at));
}

} // namespace excel
