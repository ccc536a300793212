#pragma once

#include "platform/excel/RecordReader.h"

#include <cstdint>

namespace excel {

class StringTable;

// The data of a record and of the CONTINUE records after it, read as one run of bytes, as
// the shared string table and a long formula text are stored. Characters are the exception:
// where a CONTINUE record breaks them, it opens with a flags byte saying whether the rest
// is compressed or UTF-16.
class ContinuedReader {
public:
    ContinuedReader(RecordReader& records, const Record& first) : records_(records), part_(first) {}

    // Each false when the data ends first.
    bool U8(std::uint8_t& value);
    bool U16(std::uint16_t& value);
    bool U32(std::uint32_t& value);
    bool Skip(qint64 count);
    // `count` characters, compressed or UTF-16 as bit 0 of `flags` says, into the text
    // being built. Half a character before a break is passed over, as the break's flags
    // byte starts the next character.
    bool Characters(qsizetype count, std::uint8_t flags, StringTable& into);
    // Nothing left, here or in a CONTINUE record next.
    bool AtEnd() { return !available(); }

private:
    bool read(char* out, qsizetype count);
    template <typename T> bool number(T& value);
    // Moves into the next CONTINUE record when this part is used up; false at the end.
    bool available();
    bool nextPart();

    RecordReader& records_;
    Record part_;
    qsizetype at_ = 0;
};

} // namespace excel
