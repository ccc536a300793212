#pragma once

// The one rule by which text compares without letter case, in every script, as the Access
// engine compares: LIKE, text "=", the indexes and the windows' own name comparisons.
namespace ado {

// Unicode's simple case folding of one code point; ASCII without a table look-up.
char32_t FoldCase(char32_t c);

} // namespace ado
