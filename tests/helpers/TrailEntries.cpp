#include "helpers/TrailEntries.h"

#include "integrity/TrailText.h"
#include "platform/ado/Connection.h"
#include "store/ModuleDataBase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace TrailEntries {
namespace {
QString fieldsOf(const Audit::Entry& entry) {
    const QJsonArray changes = QJsonDocument::fromJson(entry.changes.toUtf8()).array();
    bool allNew = !changes.isEmpty();
    bool allGone = !changes.isEmpty();
    QStringList fields;
    for (const QJsonValue& change : changes) {
        const QJsonObject c = change.toObject();
        allNew = allNew && c["o"].isNull();
        allGone = allGone && c["n"].isNull();
        fields.push_back(c["f"].toString() + ':' + c["o"].toString() + "→" + c["n"].toString());
    }
    if (allNew) {
        return "+";
    }
    return allGone ? "-" : fields.join(';');
}
} // namespace

std::vector<Audit::Entry> All(const QString& file) {
    ado::Connection connection;
    connection.Open(ConnectionString(file.isEmpty() ? DatabasePath : file,
                                     QString::fromLatin1(kDefaultDatabasePassword)));
    std::vector<Audit::Entry> entries;
    Audit::ForEachEntry(connection, [&entries](const Audit::Entry& entry) {
        entries.push_back(entry);
        return true;
    });
    return entries;
}

QString Summary(const Audit::Entry& entry) {
    if (entry.table.isEmpty()) {
        return entry.action + ' ' + Audit::DetailText(entry);
    }
    return entry.action + ' ' + entry.table + '#' + QString::number(entry.record.value_or(0)) +
           ' ' + fieldsOf(entry);
}

QStringList SummariesAfter(qsizetype skip, const QString& file) {
    QStringList summaries;
    const std::vector<Audit::Entry> entries = All(file);
    for (size_t i = static_cast<size_t>(skip); i < entries.size(); ++i) {
        summaries.push_back(Summary(entries[i]));
    }
    return summaries;
}

} // namespace TrailEntries
