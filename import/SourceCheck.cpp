#include "import/SourceCheck.h"

#include "platform/ado/Recordset.h"

namespace SourceCheck {
namespace {
const QString kTable = QStringLiteral("训练表");

bool namesTable(const QString& name) {
    return name.compare(kTable, Qt::CaseInsensitive) == 0;
}

bool isOrdinaryTable(const QString& type, const QString& sql) {
    return type == u"table" && !sql.trimmed().startsWith(u"CREATE VIRTUAL", Qt::CaseInsensitive);
}

QString bracketed(const QString& name) {
    return u'[' + QString(name).replace(u']', QStringLiteral("]]")) + u']';
}
} // namespace

QString SchemaRefusal(ado::Connection& source) {
    ado::Recordset schema;
    schema.Open(QStringLiteral("select type, name, tbl_name, sql from sqlite_master"), source);
    for (; !schema.Eof(); schema.MoveNext()) {
        const ado::FieldList& f = schema.Fields();
        const QString type = f[QStringLiteral("type")].Text();
        const QString sql = f[QStringLiteral("sql")].Text();
        if (namesTable(f[QStringLiteral("name")].Text()) && !isOrdinaryTable(type, sql)) {
            return QStringLiteral("所选文件的训练表不是普通的数据表，不能导入。");
        }
        const bool triggerOnIt =
            type == u"trigger" && namesTable(f[QStringLiteral("tbl_name")].Text());
        const bool viewOfIt = type == u"view" && sql.contains(kTable, Qt::CaseInsensitive);
        if (triggerOnIt || viewOfIt) {
            return QStringLiteral("所选文件中有作用于训练表的触发器或视图，不能导入。");
        }
    }
    return {};
}

QString ValueRefusal(ado::Connection& source, const QStringList& fields) {
    // octet_length() reads a value's size without reading the value itself.
    QStringList tooLong;
    for (const QString& field : fields) {
        tooLong << QStringLiteral("octet_length(%1) > %2").arg(bracketed(field)).arg(kLongestValue);
    }
    ado::Recordset found;
    found.Open(QStringLiteral("select count(*) from 训练表 where ") +
                   tooLong.join(QStringLiteral(" or ")),
               source);
    if (found.Fields()[0].Value().toLongLong() == 0) {
        return {};
    }
    return QStringLiteral("所选文件的训练表中有超过 1 MB 的内容，本程序不能保存，不能导入。");
}

} // namespace SourceCheck
