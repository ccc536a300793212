#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Training rows for tests, written the way the editor writes them.
namespace TestDb {

struct Training {
    QString department = QStringLiteral("质量部");
    bool newEmployees = false;
    bool regulations = false;
    bool sop = true;
    bool technique = false;
    QString internal = QStringLiteral("内训");
    QDate day = QDate(2014, 3, 5);
    QString sopNumber = QStringLiteral("SOP-QA-001");
    QString revision = QStringLiteral("02");
    QString sopName = QStringLiteral("偏差处理管理规程");
    QString course = QStringLiteral("GMP基础知识培训");
    QString lecturer = QStringLiteral("张华");
    QString participants = QStringLiteral("张三、李四");
};

// Returns the new row's id. An empty file means DatabasePath.
int AddTraining(const Training& row, const QString& file = {});

// One default row for each course, in DatabasePath.
void AddCourses(const QStringList& courses);

} // namespace TestDb
