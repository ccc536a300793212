#include "matrix/MatrixStore.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"

namespace MatrixStore {
namespace {
const char kTables[] = R"sql(
CREATE TABLE IF NOT EXISTS SOP文件表 (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    SOP编号 TEXT(255) COLLATE NOCASE NOT NULL UNIQUE,
    SOP名称 TEXT(255) COLLATE NOCASE,
    现行版次 TEXT(255) COLLATE NOCASE,
    生效日期 DATETIME,
    复训周期 INTEGER
);
CREATE TABLE IF NOT EXISTS 培训要求表 (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    部门 TEXT(255) COLLATE NOCASE,
    职务 TEXT(255) COLLATE NOCASE,
    SOP编号 TEXT(255) COLLATE NOCASE
);
)sql";

bool hasTables(ado::Connection& connection) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select count(*) from sqlite_master where type='table' and name in "
                           "('SOP文件表', '培训要求表')"),
            connection);
    return rs.Fields()[0].Value().toInt() == 2;
}

QString text(const ado::FieldList& f, const char* name) {
    return f[QString::fromUtf8(name)].Text();
}

QDate date(const ado::FieldList& f, const char* name) {
    return f[QString::fromUtf8(name)].Value().toDate();
}

std::vector<Matrix::Employee> employees(ado::Connection& connection) {
    std::vector<Matrix::Employee> list;
    ado::Recordset rs;
    for (rs.Open(QStringLiteral("select 姓名, 部门, 职务 from 员工表 order by id"), connection);
         !rs.Eof(); rs.MoveNext()) {
        const ado::FieldList& f = rs.Fields();
        list.push_back({text(f, "姓名"), text(f, "部门"), text(f, "职务")});
    }
    return list;
}

std::vector<Matrix::TrainingRecord> records(ado::Connection& connection) {
    std::vector<Matrix::TrainingRecord> list;
    ado::Recordset rs;
    for (rs.Open(QStringLiteral("select id, SOP编号, SOP版次, 训练时间, 参加人员, 教育训练名称, "
                                "主讲人 from 训练表 order by id"),
                 connection);
         !rs.Eof(); rs.MoveNext()) {
        const ado::FieldList& f = rs.Fields();
        list.push_back({f[0].Value().toInt(), text(f, "SOP编号"), text(f, "SOP版次"),
                        date(f, "训练时间"), text(f, "参加人员"), text(f, "教育训练名称"),
                        text(f, "主讲人")});
    }
    return list;
}

const QString kSops = QStringLiteral("SOP文件表");
const QString kRequirements = QStringLiteral("培训要求表");

// The row to change, watched for the trail; a new one when there is none.
bool openRow(ado::Recordset& rs, ado::Connection& connection, const QString& table, int id,
             Audit::Change& change) {
    rs.Open(QStringLiteral("select * from %1 where id=%2").arg(table).arg(id), connection,
            ado::adOpenKeyset, ado::adLockOptimistic);
    if (id == 0 || rs.Eof()) {
        rs.AddNew();
        return true;
    }
    change.Watch(table, id);
    return false;
}

void deleteRow(ado::Connection& connection, const QString& table, int id, const QString& action) {
    Audit::Change change(connection, action);
    change.Watch(table, id);
    connection.Execute(QStringLiteral("delete from %1 where id=%2").arg(table).arg(id));
    change.Commit();
}
} // namespace

void EnsureTables(ado::Connection& connection) {
    if (!hasTables(connection)) {
        connection.Execute(QString::fromUtf8(kTables));
    }
}

std::vector<Matrix::Sop> Sops(ado::Connection& connection) {
    std::vector<Matrix::Sop> list;
    if (!hasTables(connection)) {
        return list;
    }
    ado::Recordset rs;
    for (rs.Open(QStringLiteral("select * from SOP文件表 order by SOP编号"), connection); !rs.Eof();
         rs.MoveNext()) {
        const ado::FieldList& f = rs.Fields();
        const QVariant months = f[QStringLiteral("复训周期")].Value();
        list.push_back({f[QStringLiteral("id")].Value().toInt(), text(f, "SOP编号"),
                        text(f, "SOP名称"), text(f, "现行版次"), date(f, "生效日期"),
                        months.isNull() ? std::nullopt : std::optional<int>(months.toInt())});
    }
    return list;
}

std::vector<Matrix::Requirement> Requirements(ado::Connection& connection) {
    std::vector<Matrix::Requirement> list;
    if (!hasTables(connection)) {
        return list;
    }
    ado::Recordset rs;
    for (rs.Open(QStringLiteral("select * from 培训要求表 order by id"), connection); !rs.Eof();
         rs.MoveNext()) {
        const ado::FieldList& f = rs.Fields();
        list.push_back({f[QStringLiteral("id")].Value().toInt(), text(f, "部门"), text(f, "职务"),
                        text(f, "SOP编号")});
    }
    return list;
}

Matrix::Input Load(ado::Connection& connection) {
    return {employees(connection), Sops(connection), Requirements(connection), records(connection)};
}

bool SaveSop(ado::Connection& connection, const Matrix::Sop& sop) {
    EnsureTables(connection);
    Audit::Change change(connection, sop.id == 0 ? QStringLiteral("添加SOP文件")
                                                 : QStringLiteral("修改SOP文件"));
    if (!SaveSop(connection, sop, change)) {
        return false;
    }
    change.Commit();
    return true;
}

bool SaveSop(ado::Connection& connection, const Matrix::Sop& sop, Audit::Change& change) {
    ado::Recordset twin;
    twin.Open(QStringLiteral("select id from SOP文件表 where SOP编号='%1' and id<>%2")
                  .arg(SqlQuote(sop.number.trimmed()))
                  .arg(sop.id),
              connection);
    if (!twin.Eof()) {
        return false;
    }
    ado::Recordset rs;
    const bool added = openRow(rs, connection, kSops, sop.id, change);
    ado::FieldList& f = rs.Fields();
    f[QStringLiteral("SOP编号")].SetValue(sop.number.trimmed());
    f[QStringLiteral("SOP名称")].SetValue(sop.name.trimmed());
    f[QStringLiteral("现行版次")].SetValue(sop.revision.trimmed());
    f[QStringLiteral("生效日期")].SetValue(sop.effective.isValid() ? QVariant(sop.effective)
                                                                   : QVariant());
    f[QStringLiteral("复训周期")].SetValue(sop.refresherMonths ? QVariant(*sop.refresherMonths)
                                                               : QVariant());
    rs.Update();
    if (added) {
        change.Inserted(kSops);
    }
    return true;
}

void DeleteSop(ado::Connection& connection, int id) {
    deleteRow(connection, kSops, id, QStringLiteral("删除SOP文件"));
}

void SaveRequirement(ado::Connection& connection, const Matrix::Requirement& requirement) {
    EnsureTables(connection);
    Audit::Change change(connection, requirement.id == 0 ? QStringLiteral("添加培训要求")
                                                         : QStringLiteral("修改培训要求"));
    SaveRequirement(connection, requirement, change);
    change.Commit();
}

void SaveRequirement(ado::Connection& connection, const Matrix::Requirement& requirement,
                     Audit::Change& change) {
    ado::Recordset rs;
    const bool added = openRow(rs, connection, kRequirements, requirement.id, change);
    ado::FieldList& f = rs.Fields();
    f[QStringLiteral("部门")].SetValue(requirement.department.trimmed());
    f[QStringLiteral("职务")].SetValue(requirement.position.trimmed());
    f[QStringLiteral("SOP编号")].SetValue(requirement.sopNumber.trimmed());
    rs.Update();
    if (added) {
        change.Inserted(kRequirements);
    }
}

void DeleteRequirement(ado::Connection& connection, int id) {
    deleteRow(connection, kRequirements, id, QStringLiteral("删除培训要求"));
}

QStringList RegisterValues(ado::Connection& connection, const QString& field) {
    QStringList values;
    ado::Recordset rs;
    for (rs.Open(QStringLiteral("select distinct %1 as v from 员工表 where trim(%1)<>'' "
                                "order by %1")
                     .arg(field),
                 connection);
         !rs.Eof(); rs.MoveNext()) {
        values << rs.Fields()[0].Text().trimmed();
    }
    values.removeDuplicates();
    return values;
}

} // namespace MatrixStore
