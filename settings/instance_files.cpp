#include "settings/instance_files.h"

#include <cwctype>

namespace tv {
namespace {
constexpr wchar_t kDefaultName[] = L"taverlune";
constexpr wchar_t kProgramShortcut[] = L"taverlune image viewer.lnk";
}  // namespace

bool IsDefaultInstanceName(const std::wstring& name) {
  const std::wstring wanted = kDefaultName;
  if (name.size() != wanted.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (static_cast<wchar_t>(std::towlower(static_cast<wint_t>(name[i]))) != wanted[i]) return false;
  return true;
}

std::wstring DesktopShortcutName(const std::wstring& name) {
  return name == kDefaultName ? kProgramShortcut : L"taverlune image viewer - " + name + L".lnk";
}

std::wstring SendToShortcutName(const std::wstring& name) {
  return name == kDefaultName ? kProgramShortcut : L"taverlune " + name + L".lnk";
}

std::wstring DesktopShortcutArguments(const std::wstring& name) {
  return name == kDefaultName ? std::wstring() : L"\"/" + name + L"\"";
}

}  // namespace tv
