#pragma once
// The settings tests read texts the way the ini reader does.
#include <string>

#include "util/key_value.h"

namespace tvtest {

inline tv::KeyValueMap MapOf(const std::wstring& text) {
  tv::KeyValueMap map;
  tv::ParseKeyValueText(map, text);
  return map;
}

}  // namespace tvtest
