#include "platform/excel/RecordReader.h"

#include "platform/excel/CompoundFileReader.h"

#include <QtEndian>
#include <cstring>

namespace excel {
namespace {
constexpr qint64 kWindow = 64 * 1024;
constexpr qint64 kHeader = 4;

template <typename T> T field(QByteArrayView body, qsizetype at) {
    if (at < 0 || at + qsizetype(sizeof(T)) > body.size()) {
        return 0;
    }
    return qFromLittleEndian<T>(body.data() + at);
}
} // namespace

std::uint8_t Record::U8(qsizetype at) const {
    return field<std::uint8_t>(body, at);
}

std::uint16_t Record::U16(qsizetype at) const {
    return field<std::uint16_t>(body, at);
}

std::uint32_t Record::U32(qsizetype at) const {
    return field<std::uint32_t>(body, at);
}

double Record::F64(qsizetype at) const {
    const auto bits = field<std::uint64_t>(body, at);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

const char* RecordReader::bytes(qint64 at, qint64 count) {
    if (at < windowStart_ || at + count > windowStart_ + window_.size()) {
        window_.resize(std::max(count, kWindow));
        window_.resize(stream_.Read(at, window_.data(), window_.size()));
        windowStart_ = at;
    }
    if (at + count > windowStart_ + window_.size()) {
        return nullptr;
    }
    return window_.constData() + (at - windowStart_);
}

bool RecordReader::Next(Record& record) {
    const char* header = bytes(position_, kHeader);
    if (header == nullptr) {
        return false;
    }
    const auto type = qFromLittleEndian<std::uint16_t>(header);
    const auto size = qFromLittleEndian<std::uint16_t>(header + 2);
    const char* body = bytes(position_ + kHeader, size);
    if (body == nullptr) {
        return false;
    }
    record = Record{type, QByteArrayView(body, size), position_};
    position_ += kHeader + size;
    return true;
}

bool RecordReader::NextOfType(std::uint16_t type, Record& record) {
    const char* header = bytes(position_, kHeader);
    return header != nullptr && qFromLittleEndian<std::uint16_t>(header) == type && Next(record);
}

} // namespace excel
