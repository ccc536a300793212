#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The department list as the windows offer it.
namespace Departments {

struct Department {
    int id = 0;
    QString name; // trimmed, never empty
};

// The rows of 部门表 in the engine's order, without those whose name is blank. Empty
// when the file cannot be opened (the user has been told) or cannot be read.
std::vector<Department> Read();

QStringList Names(const std::vector<Department>& departments);

} // namespace Departments
