#pragma once
// One item of a menu the program builds at run time (history, move targets).
#include <string>

namespace tv {

struct TextMenuItem {
  int id = 0;  // 0: a separator
  std::wstring text;
};

}  // namespace tv
