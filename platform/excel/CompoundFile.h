#pragma once

#include <QByteArray>
#include <QString>

namespace excel {

// A compound file (version 3, 512-byte sectors) holding one stream under the root
// storage. The stream must be at least 4096 bytes long, so that it lives in regular
// sectors and the file needs no mini stream.
QByteArray BuildCompoundFile(const QString& streamName, const QByteArray& stream);

} // namespace excel
