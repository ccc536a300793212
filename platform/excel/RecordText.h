#pragma once

#include "platform/excel/RecordReader.h"
#include "platform/excel/TextForm.h"

#include <QString>

namespace excel {

class StringTable;

// A text inside one record: a count of one or two bytes, then in BIFF8 a flags byte
// (UTF-16 or compressed; a run count and an extension size to pass over), then the
// characters; in BIFF5 bytes of the workbook's code page. Cut off where the record ends.
class RecordText {
public:
    RecordText(const Record& record, qsizetype at, int countBytes, bool biff8);

    QString Text(int codepage) const;
    void AppendTo(StringTable& strings) const;

private:
    TextForm form_ = TextForm::Compressed;
    QByteArrayView bytes_;
};

} // namespace excel
