#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace excel {

class CompoundStream;

// One record of a workbook stream. The body stays valid until the reader reads on.
struct Record {
    std::uint16_t type = 0;
    QByteArrayView body;
    qint64 offset = 0; // of the record's header in the stream

    qsizetype Size() const { return body.size(); }
    // Where the next record starts.
    qint64 End() const { return offset + 4 + body.size(); }
    // Little-endian fields of the body, 0 past its end: callers check the size first.
    std::uint8_t U8(qsizetype at) const;
    std::uint16_t U16(qsizetype at) const;
    std::uint32_t U32(qsizetype at) const;
    double F64(qsizetype at) const;
};

// Reads the records of a workbook stream one after another, through a window of the
// stream: memory stays the same whatever the stream's size.
class RecordReader {
public:
    explicit RecordReader(const CompoundStream& stream) : stream_(stream) {}

    void Seek(qint64 offset) { position_ = offset; }
    // False at the end of the stream; a record cut short there ends it too.
    bool Next(Record& record);
    // Reads the next record only when it is of the type.
    bool NextOfType(std::uint16_t type, Record& record);

private:
    // `count` bytes of the stream from `at`, or nullptr where it ends first.
    const char* bytes(qint64 at, qint64 count);

    const CompoundStream& stream_;
    QByteArray window_;
    qint64 windowStart_ = 0;
    qint64 position_ = 0;
};

} // namespace excel
