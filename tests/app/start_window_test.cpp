// Starting the real window: its title, the instance it opens, and how a
// restart brings back the window the last session closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "util/file_system.h"

namespace tvtest {
namespace {

std::set<std::wstring> FilesIn(const std::wstring& folder) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  const tv::UniqueFind owner(find);
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.insert(name);
  } while (::FindNextFileW(find, &found));
  return names;
}

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

// Names from the command line went straight into the ini file's path.
TEST_F(ViewerTest, InstanceNameThatIsNoFileNameStartsTheDefaultInstance) {
  for (const std::wstring name : {L"..\\..\\x", L"", L"a:b", L"NUL"}) {
    SCOPED_TRACE(testing::Message() << name);
    Start({L"/" + name});
    EXPECT_EQ(TitleOf(form_->Window()), L"taverlune image viewer");
    ASSERT_EQ(form_->RecordedMessages().size(), 1u);
    EXPECT_EQ(form_->RecordedMessages()[0].rfind(L"\"" + name + L"\" cannot name an instance", 0), 0u)
        << form_->RecordedMessages()[0];
    CloseWindow();
    EXPECT_EQ(FilesIn(appData_ + L"\\taverlune"), std::set<std::wstring>{L"taverlune.ini"});
    EXPECT_EQ(FilesIn(folder_.path()), (std::set<std::wstring>{L"appdata", L"pictures"}));
  }
}

}  // namespace
}  // namespace tvtest
