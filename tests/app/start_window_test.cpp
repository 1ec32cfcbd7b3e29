// Starting the real window: its title, the instance it opens, and how a
// restart brings back the window the last session closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "util/file_system.h"
#include "util/text_file.h"

namespace tvtest {
namespace {

tv::Rect WindowRectOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

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

TEST_F(ViewerTest, TitleAndIniFileOfTheInstanceFollowTheNameSwitch) {
  const struct {
    std::vector<std::wstring> arguments;
    const wchar_t *title, *ini;
  } cases[] = {
      {{}, L"taverlune image viewer", L"taverlune.ini"},
      {{L"/taverlune"}, L"taverlune - taverlune", L"taverlune.ini"},
      {{L"/work"}, L"taverlune - work", L"work.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    for (const wchar_t* name : {L"taverlune.ini", L"work.ini"}) ::DeleteFileW((appData_ + L"\\taverlune\\" + name).c_str());
    Start(c.arguments);
    EXPECT_EQ(TitleOf(form_->Window()), c.title);
    CloseWindow();
    EXPECT_EQ(FilesIn(appData_ + L"\\taverlune"), std::set<std::wstring>{c.ini});
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

// A restart put the remembered picture at (0, 0), 200 x 200 pixels.
TEST_F(ViewerTest, RestartBringsThePictureBackWhereAndAsLargeAsItWas) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Command(IDM_KEEP_PREVIOUS_POSITION);
  Press(VK_SPACE);
  ASSERT_EQ(Shown(), L"b.png");
  // Zoomed to 1.5 and centred on (400, 300), as a sibling window would ask.
  ::SendMessageW(form_->Window(), WM_USER + 1, 400, 300);
  ::SendMessageW(form_->Window(), WM_USER + 3, 96, 0);
  Pump();
  const tv::PixelBox picture = form_->View().PictureRect();
  ASSERT_EQ(picture, (tv::PixelBox{352, 264, 96, 72}));
  const tv::Rect window = WindowRectOf(form_->Window());
  CloseWindow();

  Start({});
  EXPECT_EQ(Shown(), L"b.png");
  EXPECT_EQ(form_->View().PictureRect(), picture);
  EXPECT_EQ(WindowRectOf(form_->Window()), window);

  // Without the kept position the picture keeps its size but comes up
  // centred on the mouse cursor.
  Command(IDM_KEEP_PREVIOUS_POSITION);
  CloseWindow();
  Start({});
  POINT cursor{};
  ::GetCursorPos(&cursor);
  EXPECT_EQ(form_->View().PictureRect(), (tv::PixelBox{cursor.x - 48, cursor.y - 36, 96, 72}));
}

TEST_F(ViewerTest, FullScreenSessionComesBackFullScreen) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Command(IDM_FULL_SCREEN);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(form_->Window(), MONITOR_DEFAULTTONEAREST), &monitor);
  const tv::Rect screen{monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right,
                       monitor.rcMonitor.bottom};
  ASSERT_EQ(WindowRectOf(form_->Window()), screen);
  CloseWindow();
  Start({});
  EXPECT_TRUE(form_->CurrentSettings().FullScreen);
  EXPECT_EQ(Shown(), L"a.png");
  EXPECT_EQ(WindowRectOf(form_->Window()), screen);
}

TEST_F(ViewerTest, ListViewAtStartSelectsTheRememberedEntry) {
  WriteRedGreenBlue();
  Start({pictures_});
  Command(IDM_KEEP_PREVIOUS_FILES);
  Press(VK_SPACE);
  ASSERT_EQ(Shown(), L"b.png");
  Press(VK_RETURN);
  ASSERT_TRUE(form_->ShowingList());
  CloseWindow();
  Start({});
  ASSERT_TRUE(form_->ShowingList());
  const HWND listBox = ::GetDlgItem(form_->Window(), 1);
  EXPECT_TRUE(::IsWindowVisible(listBox));
  EXPECT_EQ(::SendMessageW(listBox, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageW(listBox, LB_GETSELCOUNT, 0, 0), 1);
  EXPECT_GT(::SendMessageW(listBox, LB_GETSEL, 1, 0), 0) << "b.png is not selected";
}

// Nothing on display at start: a fixed diagonal sizes the empty window, and
// a zoom ratio without a picture to measure it against is forgotten.
TEST_F(ViewerTest, EmptyStartTakesTheFixedDiagonalAndForgetsTheZoom) {
  const struct {
    const char* name;
    std::vector<std::pair<std::wstring, std::wstring>> keys;
    int side;
    double sizeRatio;
  } rows[] = {
      {"plain", {{L"SizeRatio", L"2.500000"}}, 200, 1.0},
      {"fixed diagonal", {{L"FixDiagonalLength", L"true"}, {L"DiagonalLength", L"424"}}, 300, 1.0},
      {"fixed ratio", {{L"FixSizeRatio", L"true"}, {L"SizeRatio", L"1.500000"}}, 300, 1.5},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (form_) CloseWindow();  // it saves its settings as it goes
    ::DeleteFileW(IniPath().c_str());
    Start({});
    CloseWindow();
    std::wstring ini = tv::ReadTextFile(IniPath()).text;
    for (const auto& [key, value] : row.keys) {
      const size_t at = ini.find(L"\n" + key + L"=");
      ASSERT_NE(at, std::wstring::npos) << "no key";
      const size_t start = at + 2 + key.size();
      ini.replace(start, ini.find_first_of(L"\r\n", start) - start, value);
    }
    ASSERT_TRUE(tv::WriteTextFile(IniPath(), ini));
    Start({});
    ASSERT_EQ(form_->List().ShowIndex(), -1);
    EXPECT_EQ(form_->View().PictureRect().width, row.side);
    EXPECT_EQ(form_->View().PictureRect().height, row.side);
    EXPECT_DOUBLE_EQ(form_->View().Options().SizeRatio, row.sizeRatio);
  }
}

}  // namespace
}  // namespace tvtest
