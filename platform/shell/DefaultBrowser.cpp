#include "platform/shell/DefaultBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Shell {
namespace {
// Browsers whose command line takes --new-window before the address.
const QStringList& newWindowBrowsers() {
    static const QStringList names = {
        QStringLiteral("firefox"),        QStringLiteral("firefox-esr"),
        QStringLiteral("chromium"),       QStringLiteral("chromium-browser"),
        QStringLiteral("google-chrome"),  QStringLiteral("google-chrome-stable"),
        QStringLiteral("microsoft-edge"), QStringLiteral("microsoft-edge-stable"),
        QStringLiteral("brave-browser"),  QStringLiteral("vivaldi"),
        QStringLiteral("vivaldi-stable"), QStringLiteral("opera")};
    return names;
}

// The value of the key in the first group of that name of a desktop-entry style file.
QString valueIn(const QByteArray& file, QByteArrayView group, QByteArrayView key) {
    bool inGroup = false;
    for (const QByteArray& rawLine : file.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            if (inGroup) {
                return {};
            }
            inGroup = line.mid(1, line.size() - 2) == group;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inGroup && equals > 0 && line.left(equals).trimmed() == key) {
            return QString::fromUtf8(line.mid(equals + 1).trimmed());
        }
    }
    return {};
}

// The words of an Exec line: blanks separate them, double quotes group them, and a
// backslash inside quotes escapes the next character.
QStringList execWords(const QString& exec) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted && c == u'\\' && i + 1 < exec.size()) {
            word += exec.at(++i);
        } else if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

QStringList DefaultHttpHandlers(const QList<QByteArray>& mimeappsFiles) {
    QStringList handlers;
    for (const QByteArray& file : mimeappsFiles) {
        const QString listed = valueIn(file, "Default Applications", "x-scheme-handler/http");
        for (const QString& entry : listed.split(u';', Qt::SkipEmptyParts)) {
            if (!handlers.contains(entry.trimmed())) {
                handlers.push_back(entry.trimmed());
            }
        }
    }
    return handlers;
}

QByteArray DefaultBrowserDesktopEntry() {
    QList<QByteArray> files;
    const QStringList paths = QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                                        QStringLiteral("mimeapps.list")) +
                              QStandardPaths::locateAll(QStandardPaths::ApplicationsLocation,
                                                        QStringLiteral("mimeapps.list"));
    for (const QString& path : paths) {
        files.push_back(readFile(path));
    }
    for (const QString& entry : DefaultHttpHandlers(files)) {
        const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
        if (!path.isEmpty()) {
            return readFile(path);
        }
    }
    return {};
}

std::optional<QStringList> NewWindowCommand(const QByteArray& desktopEntry, const QString& url) {
    const QStringList words = execWords(valueIn(desktopEntry, "Desktop Entry", "Exec"));
    if (words.isEmpty() || !newWindowBrowsers().contains(QFileInfo(words.first()).fileName())) {
        return std::nullopt;
    }
    // After "--" an address that begins with "-" cannot be read as an option.
    return QStringList{words.first(), QStringLiteral("--new-window"), QStringLiteral("--"), url};
}

} // namespace Shell
