#include "platform/excel/BiffStream.h"

#include <QtEndian>
#include <cstring>

namespace excel {

bool FitsCompressed(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            return false;
        }
    }
    return true;
}

void BiffStream::Begin(std::uint16_t type) {
    recordStart_ = data_.size();
    U16(type);
    U16(0);
}

void BiffStream::End() {
    const size_t size = data_.size() - recordStart_ - 4;
    Q_ASSERT(size <= kMaxRecordData);
    qToLittleEndian(static_cast<std::uint16_t>(size), &data_[recordStart_ + 2]);
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
    const size_t at = data_.size();
    data_.resize(at + 2);
    qToLittleEndian(value, &data_[at]);
}

void BiffStream::U32(std::uint32_t value) {
    const size_t at = data_.size();
    data_.resize(at + 4);
    qToLittleEndian(value, &data_[at]);
}

void BiffStream::F64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const size_t at = data_.size();
    data_.resize(at + 8);
    qToLittleEndian(bits, &data_[at]);
}

void BiffStream::Bytes(const QByteArray& bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void BiffStream::Characters(const QString& text, qsizetype from, qsizetype count, bool compressed) {
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16()) + from;
    const size_t at = data_.size();
    if (compressed) {
        data_.resize(at + static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i) {
            data_[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(units[i]);
        }
        return;
    }
    data_.resize(at + 2 * static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        qToLittleEndian(static_cast<std::uint16_t>(units[i]),
                        &data_[at + 2 * static_cast<size_t>(i)]);
    }
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
    qToLittleEndian(value, &data_[at]);
}

QByteArray BiffStream::Take() {
    QByteArray bytes(reinterpret_cast<const char*>(data_.data()),
                     static_cast<qsizetype>(data_.size()));
    data_.clear();
    return bytes;
}

} // namespace excel
