#pragma once
// The six orders of the "Sort File List" menu, on a plain vector of entries.
#include <cstdint>
#include <random>
#include <string_view>

#include "filelist/image_entry.h"

namespace tv {

enum class SortMode : int { Name = 0, Extension = 1, Time = 2, Size = 3, Randomize = 4, Reverse = 5 };

// Code unit by code unit as unsigned 16-bit numbers; a prefix comes first.
// No case folding and no numeric runs: "B" < "a", "img10" < "img9".
int CompareCodeUnits(std::wstring_view a, std::wstring_view b);

// Modes 0-3 sort by their key (equal keys in no defined order), 4 shuffles
// with a generator seeded from the system's random source, 5 reverses; any
// other mode leaves the entries as they are.
void OrderEntries(ImageList& entries, int mode);

// For i = 1 .. n-1 swaps entry i with a uniformly chosen j in [0, i].
void ShuffleEntries(ImageList& entries, std::mt19937& generator);

}  // namespace tv
