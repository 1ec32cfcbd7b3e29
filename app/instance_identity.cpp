#include "app/instance_identity.h"

#include <algorithm>

namespace tv {

InstanceIdentity IdentityForName(const std::wstring& name) {
  InstanceIdentity identity;
  identity.name = name;
  identity.named = name != kDefaultInstanceName;
  identity.windowTitle = L"taverlune - " + name;
  identity.trayTip = identity.named ? identity.windowTitle : std::wstring(L"taverlune image viewer");
  return identity;
}

std::uint32_t ContrastColour(std::uint32_t colour) {
  const int r = static_cast<int>((colour >> 16) & 0xFF);
  const int g = static_cast<int>((colour >> 8) & 0xFF);
  const int b = static_cast<int>(colour & 0xFF);
  const bool light = std::max({b / 2, r, g * 3 / 2}) >= 128;
  auto shift = [light](int channel) {
    return static_cast<std::uint32_t>(light ? std::max(channel - 96, 0) : std::min(channel + 96, 255));
  };
  return 0xFF000000u | (shift(r) << 16) | (shift(g) << 8) | shift(b);
}

}  // namespace tv
