#pragma once

#include "platform/excel/TextForm.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace excel {

// The texts of a workbook read from a file, kept in about the bytes the file spends on
// them: one byte a character where the file stores a text compressed or in a code page,
// two where it stores UTF-16. A text whose parts are stored differently (each CONTINUE
// record may switch) is kept as runs.
class StringTable {
public:
    // A text is built from parts; Finish() ends it and gives its index. Throws
    // DamagedWorkbook (ReadFailure.h) when the table outgrows what it can address.
    void Append(TextForm form, QByteArrayView bytes);
    std::uint32_t Finish();

    // Room for texts of this many bytes in the file: texts never take more here, and the
    // room left unused costs no memory until it is written.
    void Reserve(qint64 fileBytes);
    // 8-bit texts are in this Windows code page (BIFF5 files).
    void SetCodepage(int codepage) { codepage_ = codepage; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(starts_.size()); }
    QString At(std::uint32_t index) const;

private:
    // The forms of TextForm, and parts of different forms one after another, each with a
    // 4-byte header of its form and size.
    enum class Kind : std::uint32_t { Compressed, Wide, Codepage, Runs };

    // Adds `size` bytes to the count in the header of the run being built.
    void growRun(std::size_t size);
    QString piece(Kind kind, const char* bytes, std::size_t size) const;

    std::vector<char> bytes_;
    std::vector<std::uint32_t> starts_; // where each text starts; its kind in the top bits
    int codepage_ = 1252;
    bool open_ = false;
    Kind kind_ = Kind::Compressed;
    std::size_t start_ = 0;
    Kind runKind_ = Kind::Compressed;
    std::size_t runHeader_ = 0;
};

} // namespace excel
