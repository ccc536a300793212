#pragma once

#include <QByteArray>
#include <QString>

namespace excel {

// A compound file (version 3, 512-byte sectors) holding one stream under the root
// storage is `head`, the stream, then `tail`. The stream must be at least 4096 bytes
// long, so that it lives in regular sectors and the file needs no mini stream.
struct CompoundFileParts {
    QByteArray head;
    QByteArray tail;
};

CompoundFileParts CompoundFileAround(const QString& streamName, qsizetype streamSize);

} // namespace excel
