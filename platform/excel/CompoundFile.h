#pragma once

#include <QByteArray>
#include <QString>

namespace excel {

// A compound file (version 3, 512-byte sectors) holding one stream under the root
// storage is `head`, the stream, then `tail`. A stream shorter than 4096 bytes goes into
// the mini stream, as the format requires; its 64-byte mini sectors lie in order, so the
// stream's bytes stay in one piece either way.
struct CompoundFileParts {
    QByteArray head;
    QByteArray tail;
};

CompoundFileParts CompoundFileAround(const QString& streamName, qsizetype streamSize);

} // namespace excel
