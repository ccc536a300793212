#pragma once

#include "platform/excel/BiffStream.h"

#include <QHash>
#include <QString>
#include <vector>

namespace excel {

// The shared string table: every distinct cell text once, in order of first use.
class SharedStrings {
public:
    // The index of the text, adding it on first use; counts every use.
    std::uint32_t Add(const QString& text);

    // SST, with CONTINUE records where it outgrows a record (never inside a string's
    // header or a character), and the EXTSST that indexes it.
    void Write(BiffStream& out) const;
    // About the bytes Write() writes.
    size_t SizeEstimate() const { return textBytes_ + 8 * strings_.size(); }

private:
    std::vector<QString> strings_;
    QHash<QString, std::uint32_t> indexes_;
    std::uint32_t uses_ = 0;
    size_t textBytes_ = 0;
};

} // namespace excel
