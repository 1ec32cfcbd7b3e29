#include "app/instance_name.h"

#include <algorithm>
#include <array>

namespace tv {
namespace {

constexpr std::size_t kMaxFileName = 255;
constexpr std::size_t kIniExtensionLength = 4;  // ".ini"

bool Forbidden(wchar_t c) {
  return c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
}

wchar_t Upper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return Upper(x) == Upper(y);
         });
}

// The device names still mean the device with any extension after them, and
// with blanks before that extension.
bool IsReservedDevice(std::wstring_view name) {
  std::wstring_view base = name.substr(0, name.find(L'.'));
  while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
  for (std::wstring_view device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (SameIgnoringCase(base, device)) return true;
  if (base.size() != 4) return false;
  const std::wstring_view stem = base.substr(0, 3);
  if (!SameIgnoringCase(stem, L"COM") && !SameIgnoringCase(stem, L"LPT")) return false;
  // Superscript one to three count as digits here too.
  const wchar_t digit = base[3];
  return (digit >= L'0' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' || digit == L'\u00B3';
}

}  // namespace

InstanceNameFault CheckInstanceName(std::wstring_view name) {
  if (name.empty()) return InstanceNameFault::Empty;
  if (name.size() + kIniExtensionLength > kMaxFileName) return InstanceNameFault::TooLong;
  if (std::any_of(name.begin(), name.end(), Forbidden)) return InstanceNameFault::ForbiddenCharacter;
  if (name.find(L"..") != std::wstring_view::npos) return InstanceNameFault::DoubleDot;
  if (name.back() == L'.' || name.back() == L' ') return InstanceNameFault::TrailingDotOrSpace;
  if (IsReservedDevice(name)) return InstanceNameFault::ReservedDevice;
  return InstanceNameFault::None;
}

}  // namespace tv
