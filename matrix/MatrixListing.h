#pragma once

#include "matrix/MatrixRule.h"

// The matrix as lines of tab-separated fields, for scripts: a header, then one line per
// employee and required SOP.
namespace MatrixListing {

QStringList Lines(const Matrix::Input& input, const std::vector<Matrix::Cell>& cells);

} // namespace MatrixListing
