#pragma once

#include <QString>

// Turns statement text written in the Access dialect into SQLite text. Only the text
// outside string literals and bracketed names is rewritten:
//   delete * from t      -> delete from t
//   #2015-3-5#           -> '2015-03-05'   (also yyyy/m/d and m/d/yyyy)
//   True, Yes / False, No -> 1 / 0
//   "text"               -> 'text'
// LIKE and text comparison keep their Access meaning through the connection's own
// LIKE function and the columns' collation, so they need no rewriting here.
// Throws ado::Error on a malformed date literal.
namespace ado {

QString RewriteAccessSql(const QString& sql);

} // namespace ado
