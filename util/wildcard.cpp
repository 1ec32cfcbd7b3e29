#include "util/wildcard.h"

#include "util/text.h"

namespace tv {

bool MatchWildcard(std::wstring_view text, std::wstring_view pattern) {
  // Greedy scan that backtracks only to the most recent "*": a later star can
  // absorb anything an earlier one could, so older stars never need revisiting.
  size_t t = 0, p = 0;
  size_t starPattern = std::wstring_view::npos, starText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      starPattern = p++;
      starText = t;
    } else if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (starPattern != std::wstring_view::npos) {
      p = starPattern + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

bool MatchesMask(std::wstring_view text, std::wstring_view mask) {
  if (mask.empty()) return text.empty();
  for (const auto& piece : SplitText(mask, L';'))
    if (MatchWildcard(text, TrimBlanks(piece))) return true;
  return false;
}

}  // namespace tv
