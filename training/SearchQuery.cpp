#include "training/SearchQuery.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Strings.h"
#include "platform/ui/MessageBox.h"

#include <QStringList>

namespace {
const QString kHead = QStringLiteral("select * from 训练表 where (");
const QString kClose = QStringLiteral(") ");
const QString kExactColumns =
    QStringLiteral("|部门|内外训|SOP编号|SOP版次|SOP名称|教育训练名称|主讲人|参加人员|");

bool allowsExactMatch(const QString& field) {
    return kExactColumns.contains(u'|' + field + u'|', Qt::CaseInsensitive);
}

// Keywords are separated by ASCII spaces only; empty pieces are skipped.
QStringList keywords(const QString& quoted) {
    QStringList words;
    for (const QString& piece : quoted.split(u' ')) {
        const QString word = Vb::Trim(piece);
        if (!word.isEmpty()) {
            words.push_back(word);
        }
    }
    return words;
}

QString fuzzyTerm(const QString& field, const QString& keyword) {
    return u' ' + field + QStringLiteral(" like '%") + keyword + QStringLiteral("%' ");
}

// Each further keyword's term goes in front: the group lists the last keyword first.
QString fuzzyGroup(const QString& field, const QStringList& words) {
    QString group;
    for (const QString& word : words) {
        group = group.isEmpty() ? fuzzyTerm(field, word)
                                : fuzzyTerm(field, word) + QStringLiteral(" and ") + group;
    }
    return group;
}

QString exactTerm(const QString& field, const QString& quoted) {
    return u' ' + field + QStringLiteral(" = '") + quoted + QStringLiteral("' ");
}

QString wrapGroup(bool first, const QString& group) {
    return (first ? QStringLiteral(" (") : QStringLiteral(" or (")) + group + kClose;
}
} // namespace

QString 生成单栏目SQL(const QString& field, const QString& quotedKeywords, bool fuzzy) {
    if (fuzzy) {
        return kHead + fuzzyGroup(field, keywords(quotedKeywords)) + kClose;
    }
    if (allowsExactMatch(field)) {
        return kHead + exactTerm(field, quotedKeywords) + kClose;
    }
    ui::Critical(QStringLiteral("该字段目前暂不支持精确查找！"));
    return kHead + QStringLiteral(" 1=2 ") + kClose;
}

QString 生成全部栏目SQL(ado::Connection& connection, const QString& quotedKeywords, bool fuzzy) {
    ado::Recordset fieldList;
    fieldList.Open(QStringLiteral("select * from  训练表 where 1=2"), connection, ado::adOpenKeyset,
                   ado::adLockReadOnly);
    const QStringList words = keywords(quotedKeywords);
    QString sql = kHead;
    bool first = true;
    for (int i = 0; i < fieldList.Fields().Count(); ++i) {
        const QString field = fieldList.Fields()[i].Name();
        if (fuzzy) {
            sql += wrapGroup(first, fuzzyGroup(field, words));
        } else if (allowsExactMatch(field)) {
            sql += wrapGroup(first, exactTerm(field, quotedKeywords));
        } else {
            continue;
        }
        first = false;
    }
    sql += kClose;
    fieldList.Close();
    return sql;
}

namespace SearchQuery {

QString Statement(ado::Connection& connection, const QString& column, const QString& quotedKeywords,
                  bool fuzzy, const std::optional<DateRange>& range) {
    QString sql = column == kAllColumns ? 生成全部栏目SQL(connection, quotedKeywords, fuzzy)
                                        : 生成单栏目SQL(column, quotedKeywords, fuzzy);
    if (range) {
        sql += QStringLiteral(" and (训练时间 between #") +
               range->from.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("# and #") +
               range->to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("#)");
    }
    return sql + QStringLiteral(" order by 训练时间 asc");
}

} // namespace SearchQuery
