#include "admin/AuditCommands.h"

#include "integrity/TrailCheck.h"
#include "integrity/TrailWorkbook.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"
#include "platform/excel/Error.h"
#include "store/AuditEntry.h"
#include "store/ModuleDataBase.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace AuditCommands {
namespace {
enum Exit { kWhole = 0, kBroken = 1, kNoTrail = 2 };

// The default password, and nothing this tool runs may write to the file.
void openForReading(ado::Connection& connection, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw ado::Error(QStringLiteral("找不到数据库文件：") + path);
    }
    connection.Open(ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)));
    connection.Database()->Exec(QStringLiteral("PRAGMA query_only = ON"));
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

int verify(const QString& path) {
    ado::Connection connection;
    openForReading(connection, path);
    const Audit::Verdict verdict = Audit::Verify(connection);
    std::printf("%s\n",
                QJsonDocument(verdictJson(verdict)).toJson(QJsonDocument::Compact).constData());
    if (!verdict.hasTrail) {
        return kNoTrail;
    }
    return verdict.Whole() ? kWhole : kBroken;
}

int exportTrail(const QString& path, const QString& out) {
    ado::Connection connection;
    openForReading(connection, path);
    std::vector<Audit::Entry> entries;
    Audit::ForEachEntry(connection, [&entries](const Audit::Entry& entry) {
        entries.push_back(entry);
        return true;
    });
    if (entries.empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("数据库没有审计追踪。")));
        return kNoTrail;
    }
    Audit::WriteTrailWorkbook(entries, entries.back().hash, out);
    std::printf("%s\n", QJsonDocument(QJsonObject{{"entries", static_cast<qint64>(entries.size())},
                                                  {"head", entries.back().hash},
                                                  {"file", out}})
                            .toJson(QJsonDocument::Compact)
                            .constData());
    return kWhole;
}

int run(const QStringList& arguments) {
    try {
        if (arguments.size() == 2 && arguments[0] == u"verify") {
            return verify(arguments[1]);
        }
        if (arguments.size() == 3 && arguments[0] == u"export") {
            return exportTrail(arguments[1], arguments[2]);
        }
    } catch (const App::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return kCannotRun;
    }
    std::fprintf(stderr, "%s", kFamily.usage);
    return kCannotRun;
}
} // namespace

const CommandFamily kFamily = {
    "audit",
    "  qvledger-admin audit verify DB       one JSON line; exit 0 whole, 1 broken, 2 no trail\n"
    "  qvledger-admin audit export DB OUT.xls\n",
    run};

} // namespace AuditCommands
