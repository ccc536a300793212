#include "refdata/Departments.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Strings.h"
#include "store/ModuleDataBase.h"

namespace Departments {

std::vector<Department> Read() {
    std::vector<Department> departments;
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return departments;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 部门表"), connection, ado::adOpenKeyset,
                ado::adLockReadOnly);
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString name = Vb::Trim(rs.Fields()[QStringLiteral("部门名称")].Text());
            if (!name.isEmpty()) {
                departments.push_back({rs.Fields()[QStringLiteral("id")].Value().toInt(), name});
            }
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
    return departments;
}

QStringList Names(const std::vector<Department>& departments) {
    QStringList names;
    for (const Department& department : departments) {
        names.push_back(department.name);
    }
    return names;
}

} // namespace Departments
