#include "support/Registry.h"

#include "support/SystemInfo.h"

#include <array>
#include <utility>

namespace {
// The reads go through a buffer of 255 bytes, the last one for the NUL.
constexpr qsizetype kLongestString = 254;

bool useView64(const QString& view) {
    if (!view.isEmpty()) {
        return view == u"64";
    }
    if (SystemBits.isEmpty()) {
        SystemBits = GetSystemBitness();
    }
    return SystemBits == u"64";
}

QString beforeFirstNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}
} // namespace

sysinfo::RegRoot RegRootKey(const QString& rootName) {
    using sysinfo::RegRoot;
    static const std::array<std::pair<const char*, RegRoot>, 7> roots{{
        {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
        {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
        {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
        {"HKEY_USERS", RegRoot::Users},
        {"HKEY_PERFORMANCE_DATA", RegRoot::PerformanceData},
        {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
        {"HKEY_DYN_DATA", RegRoot::DynData},
    }};
    const QString name = rootName.trimmed();
    for (const auto& [text, root] : roots) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            return root;
        }
    }
    return RegRoot::None;
}

sysinfo::RegRoot RegSplitPath(QString& path) {
    if (!path.startsWith(u"HKEY_", Qt::CaseInsensitive) || path.endsWith(u'\\')) {
        return sysinfo::RegRoot::None;
    }
    const qsizetype backslash = path.indexOf(u'\\');
    if (backslash < 0) {
        const sysinfo::RegRoot root = RegRootKey(path);
        path.clear();
        return root;
    }
    const sysinfo::RegRoot root = RegRootKey(path.left(backslash));
    path = path.mid(backslash + 1);
    return root;
}

QString RegReadString(const QString& path, const QString& valueName, const QString& view) {
    const bool view64 = useView64(view);
    QString key = path;
    const sysinfo::RegRoot root = RegSplitPath(key);
    if (root == sysinfo::RegRoot::None) {
        return RegError();
    }
    const std::optional<QString> value =
        sysinfo::Current().ReadString(root, key, valueName, view64);
    if (!value || value->toLocal8Bit().size() > kLongestString) {
        return RegError();
    }
    return beforeFirstNul(*value).trimmed();
}

QString RegReadDword(const QString& path, const QString& valueName, const QString& view) {
    const bool view64 = useView64(view);
    QString key = path;
    const sysinfo::RegRoot root = RegSplitPath(key);
    if (root == sysinfo::RegRoot::None) {
        return RegError();
    }
    const std::optional<quint32> value = sysinfo::Current().ReadDword(root, key, valueName, view64);
    return value ? QString::number(*value) : RegError();
}
