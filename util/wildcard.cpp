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
  // Pieces as SplitText cuts them (a trailing empty piece does not count),
  // taken as views: this runs once per file of every folder scanned.
  size_t start = 0;
  while (start < mask.size()) {
    size_t end = mask.find(L';', start);
    if (end == std::wstring_view::npos) end = mask.size();
    std::wstring_view piece = mask.substr(start, end - start);
    while (!piece.empty() && IsBlank(piece.front())) piece.remove_prefix(1);
    while (!piece.empty() && IsBlank(piece.back())) piece.remove_suffix(1);
    if (MatchWildcard(text, piece)) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace tv
