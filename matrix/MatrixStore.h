#pragma once

#include "matrix/MatrixRule.h"

namespace ado {
class Connection;
}
namespace Audit {
class Change;
}

// The SOP master list and the training requirements in data.db, beside the records and the
// register they are read with. Throws ado::Error.
namespace MatrixStore {

// Adds the two tables to a file that has not had them yet.
void EnsureTables(ado::Connection& connection);

// Everything the matrix is computed from; a file without the two tables has no requirement.
Matrix::Input Load(ado::Connection& connection);

std::vector<Matrix::Sop> Sops(ado::Connection& connection);
std::vector<Matrix::Requirement> Requirements(ado::Connection& connection);

// Each change is one transaction with its audit trail entry; the forms that take a change
// join one already begun, which the caller commits.

// Adds the SOP (id 0) or changes the one with its id; texts trimmed. False when another
// entry already has its number, in any letter case.
bool SaveSop(ado::Connection& connection, const Matrix::Sop& sop);
bool SaveSop(ado::Connection& connection, const Matrix::Sop& sop, Audit::Change& change);
void DeleteSop(ado::Connection& connection, int id);

void SaveRequirement(ado::Connection& connection, const Matrix::Requirement& requirement);
void SaveRequirement(ado::Connection& connection, const Matrix::Requirement& requirement,
                     Audit::Change& change);
void DeleteRequirement(ado::Connection& connection, int id);

// The distinct non-empty values of a field of the register (部门 or 职务), sorted.
QStringList RegisterValues(ado::Connection& connection, const QString& field);

} // namespace MatrixStore
