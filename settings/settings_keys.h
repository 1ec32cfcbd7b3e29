#pragma once
// The one table of ini keys: for each key, in the order the file lists them,
// the field it fills, its initial value, the value used when an existing file
// lacks it, and the range it is clamped to on reading. Reading, writing and
// the initial values are all driven from this table.
#include <cstdint>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "settings/settings_record.h"

namespace tv {

// Both bounds inclusive; lower == upper means no clamping.
struct IntRange {
  std::int64_t lower = 0;
  std::int64_t upper = 0;
};

struct IntKey {
  int Settings::*field;
  int initial;
  std::optional<int> ifMissing;  // nullopt: the current value stays
  IntRange clamp{};
};

struct BoolKey {
  bool Settings::*field;
  bool initial;
  std::optional<bool> ifMissing;
};

struct DoubleKey {
  double Settings::*field;
  double initial;
  double lower, upper;
};

struct TextKey {
  std::wstring Settings::*field;
  const wchar_t* initial;
};

// Stored as a colour reference clamped to 0 .. 0xFFFFFF, held as opaque ARGB.
struct ColourKey {
  Argb Settings::*field;
  Argb initial;
  std::optional<ColourRef> ifMissing;
};

// Key0, Key1, ... up to the first missing or empty value, and at most
// *maximum entries when a maximum field is named.
struct TextListKey {
  std::vector<std::wstring> Settings::*field;
  int Settings::*maximum;  // may be null: no upper bound
};

// Key0 .. Key15, raw colour references, 0 when missing.
struct ColourRefArrayKey {
  std::array<ColourRef, 16> Settings::*field;
};

using KeyRule = std::variant<IntKey, BoolKey, DoubleKey, TextKey, ColourKey, TextListKey, ColourRefArrayKey>;

enum class KeyPresence {
  Always,
  OnlyWithLoadLastFile,  // written, and read after the rest, only with LoadLastFile set
  OmittedWhenInitial,    // written only when it differs from the initial value
};

struct SettingKey {
  const wchar_t* name;
  KeyRule rule;
  KeyPresence presence = KeyPresence::Always;
};

std::span<const SettingKey> SettingKeys();

// Every field back to its initial value.
void ResetToInitial(Settings& settings);

}  // namespace tv
