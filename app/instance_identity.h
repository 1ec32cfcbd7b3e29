#pragma once
// What the instance's name decides: whether it is a named instance, the
// window title and the notification-area tip. Colours that follow from the
// background colour are here too.
#include <cstdint>
#include <string>

namespace tv {

inline constexpr wchar_t kDefaultInstanceName[] = L"taverlune";

struct InstanceIdentity {
  std::wstring name = kDefaultInstanceName;
  bool named = false;
  std::wstring windowTitle = L"taverlune image viewer";
  std::wstring trayTip = L"taverlune image viewer";
};

// A name switch naming the default instance itself still changes the title,
// but does not make the instance a named one.
InstanceIdentity IdentityForName(const std::wstring& name);

// Text and overlay colour readable on the background: 96 darker on light
// backgrounds, 96 lighter on dark ones. Colours are 0xAARRGGBB; the result
// is opaque.
std::uint32_t ContrastColour(std::uint32_t colour);

}  // namespace tv
