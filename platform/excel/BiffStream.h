#pragma once

#include "platform/excel/BiffRecords.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace excel {

// The bytes of a workbook stream, written record by record in little-endian order.
class BiffStream {
public:
    static constexpr size_t kMaxRecordData = 8224;

    void Reserve(size_t bytes) { data_.reserve(static_cast<qsizetype>(bytes)); }
    void Begin(std::uint16_t type);
    // Ends the record begun last and fills in its size.
    void End();
    // An empty record or one holding a single 16-bit value.
    void Empty(std::uint16_t type);
    void Word(std::uint16_t type, std::uint16_t value);

    void U8(std::uint8_t value) { data_.append(static_cast<char>(value)); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void F64(double value);
    void Zeros(size_t count) { data_.append(static_cast<qsizetype>(count), '\0'); }
    void Bytes(const QByteArray& bytes) { data_.append(bytes); }
    // Characters of a string, 1 byte each when compressed, else UTF-16LE.
    void Characters(const QString& text, qsizetype from, qsizetype count, bool compressed);
    // ShortXLUnicodeString (8-bit length) and XLUnicodeString (16-bit length).
    void ShortString(const QString& text);
    void LongString(const QString& text);

    size_t Position() const { return static_cast<size_t>(data_.size()); }
    size_t RecordStart() const { return recordStart_; }
    void Patch32(size_t at, std::uint32_t value);
    QByteArray Take() { return std::move(data_); }

private:
    // Room for `count` more bytes at the end; returns where they start.
    std::uint8_t* grow(size_t count);

    QByteArray data_;
    size_t recordStart_ = 0;
};

// True when every character fits in one byte, so that the file may store it compressed.
bool FitsCompressed(const QString& text);

} // namespace excel
