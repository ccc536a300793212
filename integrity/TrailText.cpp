#include "integrity/TrailText.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace Audit {
namespace {
const QString kEmpty = QStringLiteral("（空）");

QString valueText(const QJsonValue& value) {
    if (value.isNull() || value.isUndefined()) {
        return kEmpty;
    }
    if (value.isBool()) {
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    }
    if (value.isDouble()) {
        return QString::number(value.toDouble(), 'g', 15);
    }
    return value.toString();
}

int offsetSeconds(const QString& offset) {
    const int sign = offset.startsWith(u'-') ? -1 : 1;
    return sign * (offset.mid(1, 2).toInt() * 3600 + offset.mid(4, 2).toInt() * 60);
}

// The facts' names as the reader knows them.
QString factName(const QString& key) {
    static const QHash<QString, QString> names = {{"file", QStringLiteral("文件")},
                                                  {"layout", QStringLiteral("表格类型")},
                                                  {"rows", QStringLiteral("行数")},
                                                  {"open_password", QStringLiteral("读密码")},
                                                  {"modify_password", QStringLiteral("读写密码")},
                                                  {"source", QStringLiteral("来源")},
                                                  {"added", QStringLiteral("添加")},
                                                  {"extended", QStringLiteral("补充")},
                                                  {"skipped", QStringLiteral("跳过")},
                                                  {"records", QStringLiteral("记录数")},
                                                  {"old", QStringLiteral("原值")},
                                                  {"new", QStringLiteral("新值")}};
    return names.value(key, key);
}
} // namespace

QString LocalTimeText(const Entry& entry) {
    const QDateTime utc = QDateTime::fromString(entry.time, Qt::ISODateWithMs);
    const QDateTime local = utc.toTimeZone(QTimeZone(offsetSeconds(entry.offset)));
    return local.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ")) + entry.offset;
}

QString ChangesText(const Entry& entry) {
    QStringList lines;
    for (const QJsonValue& change : QJsonDocument::fromJson(entry.changes.toUtf8()).array()) {
        const QJsonObject field = change.toObject();
        lines.push_back(field.value("f").toString() + QStringLiteral("：") +
                        valueText(field.value("o")) + QStringLiteral(" → ") +
                        valueText(field.value("n")));
    }
    return lines.join(u'\n');
}

QString DetailText(const Entry& entry) {
    const QJsonObject detail = QJsonDocument::fromJson(entry.detail.toUtf8()).object();
    QStringList facts;
    for (auto it = detail.begin(); it != detail.end(); ++it) {
        facts.push_back(factName(it.key()) + QStringLiteral("：") + valueText(it.value()));
    }
    return facts.join(QStringLiteral("；"));
}

QString WhoText(const Entry& entry) {
    const QString who = entry.user.isEmpty() ? entry.account : entry.user;
    return entry.host.isEmpty() ? who : who + u'@' + entry.host;
}

} // namespace Audit
