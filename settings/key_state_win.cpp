#include <windows.h>

#include "settings/key_state_win.h"

namespace tv {

namespace {
bool IsDown(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }
}  // namespace

StartKeys StartKeysNow() {
  StartKeys keys;
  keys.leftCtrl = IsDown(VK_LCONTROL);
  keys.leftShift = IsDown(VK_LSHIFT);
  keys.rightCtrl = IsDown(VK_RCONTROL);
  keys.rightShift = IsDown(VK_RSHIFT);
  return keys;
}

bool EscapeKeyDown() { return IsDown(VK_ESCAPE); }

}  // namespace tv
