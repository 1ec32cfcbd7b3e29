#pragma once
// The keyboard as the settings code asks about it, read from the system.
#include "settings/start_inputs.h"

namespace tv {

StartKeys StartKeysNow();
bool EscapeKeyDown();

}  // namespace tv
