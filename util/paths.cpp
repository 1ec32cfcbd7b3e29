#include "util/paths.h"

#include "util/file_system.h"
#include "util/text.h"

namespace tv {

namespace {
size_t LastSeparator(std::wstring_view path) {
  size_t at = path.rfind(L'\\');
  if (at == std::wstring_view::npos) at = path.rfind(L'/');
  return at;
}
}  // namespace

std::wstring FileNameOf(std::wstring_view path) {
  const size_t at = LastSeparator(path);
  return std::wstring(at == std::wstring_view::npos ? path : path.substr(at + 1));
}

std::wstring ExtensionOf(std::wstring_view path) {
  const size_t dot = path.rfind(L'.');
  return std::wstring(dot == std::wstring_view::npos ? path : path.substr(dot));
}

std::wstring FolderOf(std::wstring_view path) {
  const size_t at = LastSeparator(path);
  return at == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, at));
}

std::wstring PathTail(std::wstring_view path, int n) {
  size_t end = path.size();
  for (int i = 0; i <= n; ++i) {
    if (end == 0) return std::wstring(path);
    const size_t at = path.rfind(L'\\', end - 1);
    if (at == std::wstring_view::npos) return std::wstring(path);
    if (i == n) return std::wstring(path.substr(at + 1));
    end = at;
  }
  return std::wstring(path);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) return folder + name;
  return folder + L"\\" + name;
}

int FindForbiddenChar(std::wstring_view name) {
  const size_t at = name.find_first_of(L"/\\:*?'<>|");
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

std::wstring MakeUniqueName(std::wstring_view path) {
  const std::wstring folder = FolderOf(path);
  const std::wstring name = FileNameOf(path);
  const size_t dot = name.rfind(L'.');
  const std::wstring extension = dot == std::wstring::npos ? std::wstring() : name.substr(dot);
  std::wstring stem = dot == std::wstring::npos ? name : name.substr(0, dot);

  // "photo (3)" continues the numbering of "photo". A cut that would leave no
  // stem at all ("a(3)") is not made: the copy would be named only by its
  // extension.
  if (stem.size() >= 3 && stem.back() == L')') {
    size_t i = stem.size() - 1;
    while (i > 0 && stem[i - 1] >= L'0' && stem[i - 1] <= L'9') --i;
    const bool hasDigits = i < stem.size() - 1;
    if (hasDigits && i >= 3 && stem[i - 1] == L'(') stem.resize(i - 2);
  }

  const wchar_t separator = path.find(L'\\') == std::wstring_view::npos && !folder.empty() ? L'/' : L'\\';
  const std::wstring prefix = folder + separator + stem;
  std::wstring candidate = prefix + extension;
  for (std::uint64_t k = 1; IsExistingFile(candidate); ++k)
    candidate = prefix + L" (" + DecimalInt(static_cast<std::int64_t>(k)) + L")" + extension;
  return candidate;
}

}  // namespace tv
