#pragma once
#include <string_view>

namespace tv {

// "*" matches any run of code units (path separators too), "?" exactly one;
// everything else must be equal, case included. Linear space, no recursion.
bool MatchWildcard(std::wstring_view text, std::wstring_view pattern);

// The mask is ";"-separated patterns with blanks around them; the whole text
// (callers pass full paths) must match one of them. An empty mask matches
// only an empty text.
bool MatchesMask(std::wstring_view text, std::wstring_view mask);

}  // namespace tv
