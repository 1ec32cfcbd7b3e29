#include "util/file_system.h"

namespace tv {

std::wstring ExtendedLengthPath(std::wstring_view path) {
  constexpr size_t kShortLimit = 248;  // CreateDirectory's limit is the lowest of the file calls
  if (path.size() < kShortLimit || path.substr(0, 4) == L"\\\\?\\") return std::wstring(path);
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + std::wstring(path);
  if (path.substr(0, 2) == L"\\\\") return L"\\\\?\\UNC\\" + std::wstring(path.substr(2));
  return std::wstring(path);
}

}  // namespace tv
