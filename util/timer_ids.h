#pragma once
// Ids for window timers, from one counter for the whole process: the main
// window's timers and the forms' polling timers draw from it, so no two
// timers of the process ever share an id.
#include <cstdint>

namespace tv {

std::uintptr_t NextTimerId() noexcept;

}  // namespace tv
