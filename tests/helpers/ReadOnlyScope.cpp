#include "helpers/ReadOnlyScope.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <unistd.h>

namespace {
bool chattr(const QString& flag, const QString& path) {
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

// Whether a write into the path is refused now.
bool refusesWrites(const QString& path) {
    if (QFileInfo(path).isDir()) {
        QFile probe(path + QStringLiteral("/.probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            return false;
        }
        return true;
    }
    return !QFile(path).open(QIODevice::ReadWrite);
}
} // namespace

ReadOnlyScope::ReadOnlyScope(QString path) : path_(std::move(path)) {
    if (geteuid() == 0) {
        immutable_ = chattr(QStringLiteral("+i"), path_);
    } else {
        QFile::setPermissions(path_,
                              QFile::permissions(path_) & ~(QFile::WriteOwner | QFile::WriteUser |
                                                            QFile::WriteGroup | QFile::WriteOther));
    }
    works_ = refusesWrites(path_);
}

ReadOnlyScope::~ReadOnlyScope() {
    if (immutable_) {
        chattr(QStringLiteral("-i"), path_);
    } else {
        QFile::setPermissions(path_, QFile::permissions(path_) | QFile::WriteOwner);
    }
}
