#pragma once

struct sqlite3;

// The NOCASE indexes of a file follow the program's letter-case folding. A file written
// before it, or by a tool with the engine's ASCII-only NOCASE, or under another Unicode
// version, may hold cased letters of other scripts in an order the folding disagrees
// with: such indexes are rebuilt once, and the file remembers the folding they follow.
namespace ado::detail {

// Rebuilds the NOCASE indexes unless the file says they follow the current folding. Never
// waits for another program and never fails: a read-only, locked or full file is left as
// it is and tried again at the next opening.
void RefreshIndexOrder(sqlite3* db);

// Records that the NOCASE indexes follow the current folding, for a file just made.
// Returns the engine's result code.
int MarkIndexOrder(sqlite3* db);

} // namespace ado::detail
