#include "admin/AuditCommands.h"

#include "integrity/TrailCheck.h"
#include "integrity/TrailWorkbook.h"
#include "platform/ado/Connection.h"
#include "store/AuditEntry.h"
#include "store/ModuleDataBase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace AuditCommands {
namespace {
enum Exit { kWhole = 0, kBroken = 1, kNoTrail = 2, kCannotRead = 3, kUsage = 64 };

QString usage() {
    return QStringLiteral("用法：qvledger-admin audit verify DB | audit export DB OUT.xls\n");
}

// With the default password, read-only: nothing here writes to the file.
void openForReading(ado::Connection& connection, const QString& path) {
    connection.Open(ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)) +
                    QStringLiteral(";Mode=Read"));
}

QJsonObject verdictJson(const Audit::Verdict& verdict) {
    QJsonArray mismatched;
    for (const Audit::Mismatch& m : verdict.mismatched) {
        mismatched.push_back(QJsonObject{{"table", m.table}, {"id", m.id}});
    }
    return {{"ok", verdict.Whole()},
            {"entries", verdict.entries},
            {"head", verdict.hasTrail ? QJsonValue(verdict.head) : QJsonValue::Null},
            {"first_bad", verdict.firstBad ? QJsonValue(*verdict.firstBad) : QJsonValue::Null},
            {"mismatched", mismatched}};
}

QString oneLine(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

int verify(const QString& path, QTextStream& out) {
    ado::Connection connection;
    openForReading(connection, path);
    const Audit::Verdict verdict = Audit::Verify(connection);
    out << oneLine(verdictJson(verdict)) << '\n';
    if (!verdict.hasTrail) {
        return kNoTrail;
    }
    return verdict.Whole() ? kWhole : kBroken;
}

int exportTrail(const QString& path, const QString& workbook, QTextStream& out, QTextStream& err) {
    ado::Connection connection;
    openForReading(connection, path);
    std::vector<Audit::Entry> entries;
    Audit::ForEachEntry(connection, [&entries](const Audit::Entry& entry) {
        entries.push_back(entry);
        return true;
    });
    if (entries.empty()) {
        err << QStringLiteral("数据库还没有审计追踪。\n");
        return kNoTrail;
    }
    Audit::WriteTrailWorkbook(entries, entries.back().hash, workbook);
    out << oneLine({{"entries", static_cast<qint64>(entries.size())},
                    {"head", entries.back().hash},
                    {"file", workbook}})
        << '\n';
    return kWhole;
}
} // namespace

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    try {
        if (arguments.size() == 2 && arguments.at(0) == u"verify") {
            return verify(arguments.at(1), out);
        }
        if (arguments.size() == 3 && arguments.at(0) == u"export") {
            return exportTrail(arguments.at(1), arguments.at(2), out, err);
        }
    } catch (const App::Error& error) {
        err << error.Description() << '\n';
        return kCannotRead;
    }
    err << usage();
    return kUsage;
}

} // namespace AuditCommands
