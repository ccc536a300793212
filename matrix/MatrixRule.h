#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Who must be trained on which SOP, and whether each is trained on the revision in force.
namespace Matrix {

struct Employee {
    QString name;
    QString department;
    QString position;
};

struct Sop {
    int id = 0;
    QString number;
    QString name;
    QString revision; // the one in force
    QDate effective;  // since when that revision is in force
    std::optional<int> refresherMonths;
};

// An empty department or position requires the SOP of every one.
struct Requirement {
    int id = 0;
    QString department;
    QString position;
    QString sopNumber;
};

struct TrainingRecord {
    int id = 0;
    QString sopNumber;
    QString revision;
    QDate date; // invalid: the record counts for nobody
    QString participants;
    QString course;
    QString lecturer;
};

enum class Status { Untrained, NewRevisionPending, RevisionNotUpdated, RefresherOverdue, Trained };

// The status as the program shows it: 未培训, 新版待培训, 版次未更新, 复训逾期, 合格.
QString StatusText(Status status);

struct Cell {
    int employee = 0; // index into the input's employees
    QString sopNumber;
    Status status = Status::Untrained;
    QDate lastDate;           // of the latest record of the revision in force, else of any
    QString lastRevision;     // the same record's revision
    std::vector<int> records; // indexes of the counting records, latest first
};

struct Input {
    std::vector<Employee> employees;
    std::vector<Sop> sops;
    std::vector<Requirement> requirements;
    std::vector<TrainingRecord> records;
};

// Equal ignoring blanks at the ends and letter case, equal whole numbers ("02", "2"), or a
// Chinese numeral 一 to 十 and its number ("二", "2").
bool SameRevision(const QString& a, const QString& b);

// One cell per employee and SOP the employee requires, ordered by name then SOP number in
// code-point order.
std::vector<Cell> Compute(const Input& input, const QDate& today);

// Code-point order, which the command-line listing and the window share.
bool CodePointLess(const QString& a, const QString& b);

} // namespace Matrix
