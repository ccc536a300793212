#pragma once

#include "matrix/MatrixRule.h"

namespace ado {
class Connection;
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

// Adds the SOP (id 0) or changes the one with its id; texts trimmed. False when another
// entry already has its number, in any letter case.
bool SaveSop(ado::Connection& connection, const Matrix::Sop& sop);
void DeleteSop(ado::Connection& connection, int id);

void SaveRequirement(ado::Connection& connection, const Matrix::Requirement& requirement);
void DeleteRequirement(ado::Connection& connection, int id);

// The distinct non-empty values of a field of the register (部门 or 职务), sorted.
QStringList RegisterValues(ado::Connection& connection, const QString& field);

} // namespace MatrixStore
