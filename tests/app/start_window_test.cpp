// Starting the real window: its title, the instance it opens, and how a
// restart brings back the window the last session closed.
#include <windows.h>

#include <gtest/gtest.h>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "util/file_system.h"

namespace tvtest {
namespace {

std::wstring TitleOf(HWND window) {
  wchar_t title[128] = {};
  ::GetWindowTextW(window, title, 128);
  return title;
}

TEST_F(ViewerTest, TitleOfTheDefaultInstanceDependsOnTheNameSwitch) {
  const struct {
    std::vector<std::wstring> arguments;
    const wchar_t* title;
  } cases[] = {
      {{}, L"taverlune image viewer"},
      {{L"/taverlune"}, L"taverlune - taverlune"},
      {{L"/work"}, L"taverlune - work"},
  };
  for (const auto& c : cases) {
    Start(c.arguments);
    EXPECT_EQ(TitleOf(form_->Window()), c.title) << (c.arguments.empty() ? L"" : c.arguments[0]);
  }
}

}  // namespace
}  // namespace tvtest
