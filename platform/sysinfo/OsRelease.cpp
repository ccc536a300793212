#include "platform/sysinfo/OsRelease.h"

#include <QFile>
#include <QList>

namespace sysinfo {
namespace {
// A value in shell quoting: quotes removed, a backslash outside '...' escapes the next character.
QString unquote(const QString& raw) {
    QString value;
    QChar quote;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (quote.isNull() && (c == u'"' || c == u'\'')) {
            quote = c;
        } else if (!quote.isNull() && c == quote) {
            quote = QChar();
        } else if (c == u'\\' && quote != u'\'' && i + 1 < raw.size()) {
            value += raw.at(++i);
        } else {
            value += c;
        }
    }
    return value;
}
} // namespace

QHash<QString, QString> ParseOsRelease(const QByteArray& text) {
    QHash<QString, QString> fields;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'#') || equals <= 0) {
            continue;
        }
        fields.insert(line.left(equals).trimmed(), unquote(line.mid(equals + 1).trimmed()));
    }
    return fields;
}

QHash<QString, QString> ReadOsRelease() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            return ParseOsRelease(file.readAll());
        }
    }
    return {};
}

} // namespace sysinfo
