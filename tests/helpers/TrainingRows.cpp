#include "helpers/TrainingRows.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

namespace TestDb {

int AddTraining(const Training& row, const QString& file) {
    ado::Connection connection;
    connection.Open(ConnectionString(file.isEmpty() ? DatabasePath : file,
                                     QString::fromLatin1(kDefaultDatabasePassword)));
    ado::Recordset rs;
    rs.Open("select * from 训练表 where 1=2", connection, ado::adOpenKeyset, ado::adLockOptimistic);
    rs.AddNew();
    ado::FieldList& f = rs.Fields();
    f["部门"].SetValue(row.department);
    f["新进员工"].SetValue(row.newEmployees);
    f["法规"].SetValue(row.regulations);
    f["SOP"].SetValue(row.sop);
    f["专业技术"].SetValue(row.technique);
    f["内外训"].SetValue(row.internal);
    f["训练时间"].SetValue(row.day.isValid() ? QVariant(row.day) : QVariant());
    f["SOP编号"].SetValue(row.sopNumber);
    f["SOP版次"].SetValue(row.revision);
    f["SOP名称"].SetValue(row.sopName);
    f["教育训练名称"].SetValue(row.course);
    f["主讲人"].SetValue(row.lecturer);
    f["参加人员"].SetValue(row.participants);
    rs.Update();
    return f["id"].Value().toInt();
}

void AddCourses(const QStringList& courses) {
    for (const QString& course : courses) {
        Training row;
        row.course = course;
        AddTraining(row);
    }
}

} // namespace TestDb
