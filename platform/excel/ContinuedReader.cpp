#include "platform/excel/ContinuedReader.h"

#include "platform/excel/BiffRecords.h"
#include "platform/excel/StringTable.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace excel {

bool ContinuedReader::nextPart() {
    at_ = 0;
    return records_.NextOfType(record::kContinue, part_);
}

bool ContinuedReader::available() {
    while (at_ >= part_.Size()) {
        if (!nextPart()) {
            return false;
        }
    }
    return true;
}

bool ContinuedReader::read(char* out, qsizetype count) {
    while (count > 0) {
        if (!available()) {
            return false;
        }
        const qsizetype n = std::min(count, part_.Size() - at_);
        std::memcpy(out, part_.body.data() + at_, static_cast<std::size_t>(n));
        out += n;
        at_ += n;
        count -= n;
    }
    return true;
}

template <typename T> bool ContinuedReader::number(T& value) {
    char bytes[sizeof(T)];
    if (!read(bytes, sizeof(T))) {
        return false;
    }
    value = qFromLittleEndian<T>(bytes);
    return true;
}

bool ContinuedReader::U8(std::uint8_t& value) {
    return number(value);
}

bool ContinuedReader::U16(std::uint16_t& value) {
    return number(value);
}

bool ContinuedReader::U32(std::uint32_t& value) {
    return number(value);
}

bool ContinuedReader::Skip(qint64 count) {
    while (count > 0) {
        if (!available()) {
            return false;
        }
        const qint64 n = std::min<qint64>(count, part_.Size() - at_);
        at_ += n;
        count -= n;
    }
    return true;
}

bool ContinuedReader::Characters(qsizetype count, std::uint8_t flags, StringTable& into) {
    bool wide = (flags & 1) != 0;
    while (count > 0) {
        if (at_ >= part_.Size()) {
            if (!nextPart()) {
                return false;
            }
            if (part_.Size() > 0) {
                wide = (part_.U8(0) & 1) != 0;
                at_ = 1;
            }
            continue;
        }
        const qsizetype width = wide ? 2 : 1;
        const qsizetype fit = std::min(count, (part_.Size() - at_) / width);
        into.Append(wide ? TextForm::Wide : TextForm::Compressed,
                    part_.body.sliced(at_, fit * width));
        at_ = fit == 0 ? part_.Size() : at_ + fit * width;
        count -= fit;
    }
    return true;
}

} // namespace excel
