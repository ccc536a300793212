#include "platform/excel/RecordText.h"

#include "platform/excel/StringTable.h"

#include <algorithm>

namespace excel {

RecordText::RecordText(const Record& record, qsizetype at, int countBytes, bool biff8) {
    const qsizetype count = countBytes == 1 ? record.U8(at) : record.U16(at);
    at += countBytes;
    qsizetype width = 1;
    if (biff8 && count > 0) {
        const std::uint8_t flags = record.U8(at);
        at += 1 + ((flags & 0x08) != 0 ? 2 : 0) + ((flags & 0x04) != 0 ? 4 : 0);
        width = (flags & 0x01) != 0 ? 2 : 1;
        form_ = width == 2 ? TextForm::Wide : TextForm::Compressed;
    } else if (!biff8) {
        form_ = TextForm::Codepage;
    }
    if (at < record.Size()) {
        bytes_ = record.body.sliced(at, std::min(count, (record.Size() - at) / width) * width);
    }
}

QString RecordText::Text(int codepage) const {
    return DecodeText(form_, bytes_, codepage);
}

void RecordText::AppendTo(StringTable& strings) const {
    strings.Append(form_, bytes_);
}

} // namespace excel
