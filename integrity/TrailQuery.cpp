#include "integrity/TrailQuery.h"

#include "platform/ado/Statement.h"
#include "store/Schema.h"

#include <QDateTime>

namespace Audit {
namespace {
// Entries keep UTC: a local day's bounds become UTC texts that sort the same way.
QString utcText(const QDate& day) {
    return day.startOfDay().toUTC().toString(Qt::ISODateWithMs);
}
} // namespace

std::vector<Entry> ListEntries(ado::Connection& connection, const Filter& filter) {
    QStringList conditions = {QStringLiteral("1")};
    QVariantList values;
    if (filter.from) {
        conditions.push_back(QStringLiteral("时间 >= ?"));
        values.push_back(utcText(*filter.from));
    }
    if (filter.to) {
        conditions.push_back(QStringLiteral("时间 < ?"));
        values.push_back(utcText(filter.to->addDays(1)));
    }
    if (filter.record) {
        conditions.push_back(QStringLiteral("记录号 = ?"));
        values.push_back(*filter.record);
    }
    if (!filter.user.isEmpty()) {
        conditions.push_back(QStringLiteral("instr(账户 || '@' || 主机 || ' ' || 用户, ?) > 0"));
        values.push_back(filter.user);
    }
    if (!filter.action.isEmpty()) {
        conditions.push_back(QStringLiteral("操作 = ?"));
        values.push_back(filter.action);
    }
    if (!filter.text.isEmpty()) {
        conditions.push_back(QStringLiteral("instr(变更 || 原因 || 详情, ?) > 0"));
        values.push_back(filter.text);
    }
    std::vector<Entry> entries;
    SelectEntries(connection, conditions.join(QStringLiteral(" AND ")), values, true,
                  [&entries](const Entry& entry) {
                      entries.push_back(entry);
                      return true;
                  });
    return entries;
}

QString HeadHash(ado::Connection& connection) {
    QString head;
    SelectEntries(connection, QStringLiteral("1"), {}, true, [&head](const Entry& entry) {
        head = entry.hash;
        return false;
    });
    return head;
}

QStringList Actions(ado::Connection& connection) {
    ado::Statement statement(
        connection,
        QStringLiteral("SELECT DISTINCT 操作 FROM %1 ORDER BY 操作").arg(Schema::TrailTable()));
    QStringList actions;
    while (statement.Step()) {
        actions.push_back(statement.Text(0));
    }
    return actions;
}

} // namespace Audit
