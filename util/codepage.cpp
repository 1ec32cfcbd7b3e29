#include "util/codepage.h"

#include <windows.h>

namespace tv {

std::string WideToNarrow(std::wstring_view text, unsigned codePage, unsigned long flags) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string out(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

std::wstring NarrowToWide(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring out(static_cast<size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), needed);
  return out;
}

std::wstring NarrowToWide(std::string_view text) { return NarrowToWide(text, CP_ACP); }

}  // namespace tv
