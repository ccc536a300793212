#pragma once

struct sqlite3;

// NOCASE as the program means it: texts compare after folding letter case in every script
// (ado::FoldCase), in the order of the folded code points. UTF-8 texts whose only cased
// letters are ASCII sort exactly as under the engine's built-in NOCASE, so an index that
// another tool built over such texts stays valid here.
namespace ado::detail {

// Negative, zero or positive. A byte that starts no valid UTF-8 sequence sorts after every
// character, by its value.
int CompareNoCase(const unsigned char* a, int aSize, const unsigned char* b, int bSize);

// Puts CompareNoCase in the place of the built-in NOCASE on this connection.
void InstallNoCase(sqlite3* db);

} // namespace ado::detail
