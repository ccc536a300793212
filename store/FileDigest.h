#pragma once

#include <QByteArray>
#include <QString>

// The SHA-256 of a file's bytes in lower-case hex; empty when the file cannot be read.
QByteArray FileSha256(const QString& path);
