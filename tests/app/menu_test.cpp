// The popup menu and the history a user reaches through it: real window,
// real menus, real ini file.
#include <windows.h>
#include <colordlg.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "util/window_messages.h"
#include "util/file_system.h"
#include "util/text_file.h"

namespace tvtest {
namespace {

struct ItemFacts {
  UINT id = 0;
  std::wstring text;
  UINT state = 0;
  bool separator = false;
};

std::vector<ItemFacts> ItemsOf(HMENU menu) {
  std::vector<ItemFacts> items;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 255;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    items.push_back({info.wID, text, info.fState, (info.fType & MFT_SEPARATOR) != 0});
  }
  return items;
}

HMENU HistorySubMenu(HMENU popup) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU | MIIM_STATE;
  return ::GetMenuItemInfoW(popup, IDM_HISTORY, FALSE, &info) ? info.hSubMenu : nullptr;
}

UINT ItemState(HMENU menu, UINT id) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  return ::GetMenuItemInfoW(menu, id, FALSE, &info) ? info.fState : 0xFFFFFFFFu;
}

// Every item of a menu and its sub-menus by id.
void CollectItems(HMENU menu, std::map<UINT, ItemFacts>& items) {
  for (const ItemFacts& item : ItemsOf(menu)) {
    if (!item.separator) items[item.id] = item;
  }
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
    if (HMENU sub = ::GetSubMenu(menu, i)) CollectItems(sub, items);
}

// What the popup menu held while it was open on the screen.
struct OpenMenu {
  bool seen = false;
  int menuOpen = 0;
  std::map<UINT, ItemFacts> items;

  std::set<UINT> Checked() const {
    std::set<UINT> ids;
    for (const auto& [id, item] : items)
      if (item.state & MFS_CHECKED) ids.insert(id);
    return ids;
  }
};

OpenMenu* watched = nullptr;
const tv::MainForm* watchedForm = nullptr;
std::function<void()> whileMenuOpen;

// Runs in the menu's own modal loop: the menu is up, read it and close it.
LRESULT CALLBACK WatchMenuLoop(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU && watched && !watched->seen) {
    watched->seen = true;
    watched->menuOpen = watchedForm->MenuOpen();
    CollectItems(watchedForm->PopupMenu(), watched->items);
    if (whileMenuOpen) whileMenuOpen();
    ::EndMenu();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  ::EndMenu();
}

class MenuTest : public ViewerTest {
 protected:
  // Opens the popup menu as the menu key does and reads it while it is open;
  // `whileOpen` runs inside the menu's loop.
  OpenMenu OpenPopupMenu(std::function<void()> whileOpen = {}) {
    OpenMenu open;
    watched = &open;
    whileMenuOpen = std::move(whileOpen);
    watchedForm = form_.get();
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &WatchMenuLoop, nullptr, ::GetCurrentThreadId());
    EXPECT_NE(hook, nullptr);
    // Only a safety net, should the menu never report idle.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, &CloseStuckMenu);
    ::SendMessageW(form_->Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form_->Window()), MAKELPARAM(-1, -1));
    ::KillTimer(nullptr, timer);
    if (hook) ::UnhookWindowsHookEx(hook);
    watched = nullptr;
    whileMenuOpen = nullptr;
    EXPECT_TRUE(open.seen) << "the popup menu never opened";
    EXPECT_EQ(form_->MenuOpen(), 0);
    return open;
  }

  // Appends key=value lines to the instance's ini file (a later line wins).
  void AddIniLines(const std::wstring& lines) {
    tv::TextFile ini = tv::ReadTextFile(IniPath());
    ASSERT_EQ(ini.status, tv::FileStatus::Ok);
    ASSERT_TRUE(tv::WriteTextFile(IniPath(), ini.text + lines));
  }
};

const std::set<UINT> kFreshChecks = {IDM_POSITION_NONE,    IDM_ROTATE_NONE,        IDM_TRANSPARENCY_100,
                                     IDM_HIDE_TASK_BUTTON, IDM_SEARCH_SUB_FOLDERS, IDM_AUTO_LOAD_FILE_FOLDER,
                                     IDM_INTERVAL_5S,      IDM_WHEEL_DEFAULT,      IDM_BORDER_WIDTH_0,
                                     IDM_FONT_SIZE_9,      IDM_TRAY_ICON_GREEN,    IDM_CURSOR_SIZE_NORMAL};

TEST_F(MenuTest, PopupMenuOfAFreshStartInEnglish) {
  Start({});
  const OpenMenu open = OpenPopupMenu();
  EXPECT_EQ(open.menuOpen, 1);
  EXPECT_EQ(open.Checked(), kFreshChecks);
  ASSERT_TRUE(open.items.contains(IDM_HIDE));
  EXPECT_EQ(open.items.at(IDM_HIDE).text, L"Hide(&V)\tCtrl + Space");
  EXPECT_EQ(open.items.at(IDM_ALWAYS_ON_TOP).text, L"Always on Top(&T)\tT");
  const std::wstring rgb = open.items.at(IDM_COPY_RGB_VALUE).text;
  EXPECT_EQ(rgb.find(L"Copy string '"), 0u) << rgb;
  EXPECT_EQ(rgb.size(), std::wstring(L"Copy string '").size() + 6 + std::wstring(L"' to clipboard(&P)\tShift + P").size()) << rgb;
  EXPECT_NE(rgb.find(L"' to clipboard(&P)\tShift + P"), std::wstring::npos) << rgb;
  EXPECT_TRUE(open.items.at(IDM_HISTORY).state & MFS_GRAYED);
  EXPECT_TRUE(open.items.at(IDM_CLOSE_ARCHIVE).state & MFS_GRAYED);
  EXPECT_TRUE(open.items.at(IDM_DELETE_INSTANCE).state & MFS_GRAYED);
}

TEST_F(MenuTest, PopupMenuInJapaneseWithEveryOptionSetInTheIniFile) {
  WriteRedGreenBlue();
  Start({});
  CloseWindow();
  AddIniLines(
      L"AlwaysTop=true\nLocked=true\nFixRotate=true\nHideTaskButton=false\nSearchSubFolder=false\n"
      L"LoadLastFile=true\nEnableFileMask=true\nAutoLoadFileFolder=false\nKeepPreviousPosition=true\n"
      L"FrameWidth=10\nAlphaBlendValue=128\nSSInterval=30000\nFontSize=13\nTrayIconColor=3\n"
      L"WheelSensitivity=720\nUseCursorSize=1\nPositionMode=2\nSlideShow=true\nHistory0=" + pictures_ + L"\\a.png\n"
      L"FitToScreen=true\nUseWholeScreen=true\nFixDiagonalLength=true\nFixSizeRatio=true\nFullScreen=true\n");
  uiLanguage_ = tv::UiLanguage::Japanese;
  Start({});
  const OpenMenu open = OpenPopupMenu();
  const std::set<UINT> expected = {IDM_ALWAYS_ON_TOP, IDM_LOCK, IDM_FIX_ROTATION, IDM_KEEP_PREVIOUS_FILES,
                                   IDM_ENABLE_FILE_MASK, IDM_KEEP_PREVIOUS_POSITION, IDM_BORDER_WIDTH_10,
                                   IDM_TRANSPARENCY_50, IDM_INTERVAL_30S, IDM_FONT_SIZE_13, IDM_TRAY_ICON_YELLOW,
                                   IDM_WHEEL_MIDDLE, IDM_CURSOR_SIZE_LARGE, IDM_POSITION_LEFT_TOP, IDM_ROTATE_NONE,
                                   IDM_SLIDE_SHOW, IDM_USE_WHOLE_SCREEN, IDM_FIX_SIZE_RATIO, IDM_FULL_SCREEN};
  // Of two modes that exclude each other and were both stored on, the later one is kept.
  EXPECT_EQ(open.Checked(), expected);
  EXPECT_EQ(open.items.at(IDM_HIDE).text, L"隠す(&V)\tCtrl + Space");
  EXPECT_EQ(open.items.at(IDM_ALWAYS_ON_TOP).text, L"常に手前に表示(&T)\tT");
  EXPECT_EQ(open.items.at(IDM_COPY_RGB_VALUE).text.find(L"文字列 '"), 0u);
  EXPECT_FALSE(open.items.at(IDM_HISTORY).state & MFS_GRAYED);
  ASSERT_TRUE(open.items.contains(IDM_HISTORY_FIRST + 1));
  EXPECT_EQ(open.items.at(IDM_HISTORY_FIRST).text, L"pictures\\a.png");
  EXPECT_EQ(open.items.at(IDM_HISTORY_FIRST + 1).text, L"履歴をクリア(&C)");
}

// Every option command: the setting changes, the menu shows it, the ini file
// keeps it and a restart shows the same menu.
TEST_F(MenuTest, OptionCommandsRoundTripThroughTheIniFile) {
  const struct {
    int command;
    const wchar_t* line;
  } commands[] = {
      {IDM_ALWAYS_ON_TOP, L"AlwaysTop=true"},          {IDM_LOCK, L"Locked=true"},
      {IDM_FIX_ROTATION, L"FixRotate=true"},           {IDM_HIDE_TASK_BUTTON, L"HideTaskButton=false"},
      {IDM_SEARCH_SUB_FOLDERS, L"SearchSubFolder=false"}, {IDM_KEEP_PREVIOUS_FILES, L"LoadLastFile=true"},
      {IDM_ENABLE_FILE_MASK, L"EnableFileMask=true"},  {IDM_AUTO_LOAD_FILE_FOLDER, L"AutoLoadFileFolder=false"},
      {IDM_KEEP_PREVIOUS_POSITION, L"KeepPreviousPosition=true"}, {IDM_BORDER_WIDTH_30, L"FrameWidth=30"},
      {IDM_TRANSPARENCY_50, L"AlphaBlendValue=128"},   {IDM_INTERVAL_1H, L"SSInterval=3600000"},
      {IDM_FONT_SIZE_13, L"FontSize=13"},              {IDM_TRAY_ICON_YELLOW, L"TrayIconColor=3"},
      {IDM_WHEEL_LOW, L"WheelSensitivity=1440"},       {IDM_SLIDE_SHOW, L"SlideShow=true"},
      {IDM_CURSOR_SIZE_EXTRA_LARGE, L"UseCursorSize=2"},
  };
  const std::set<UINT> expected = {IDM_ALWAYS_ON_TOP, IDM_LOCK, IDM_FIX_ROTATION, IDM_KEEP_PREVIOUS_FILES,
                                   IDM_ENABLE_FILE_MASK, IDM_KEEP_PREVIOUS_POSITION, IDM_BORDER_WIDTH_30,
                                   IDM_TRANSPARENCY_50, IDM_INTERVAL_1H, IDM_FONT_SIZE_13, IDM_TRAY_ICON_YELLOW,
                                   IDM_WHEEL_LOW, IDM_CURSOR_SIZE_EXTRA_LARGE, IDM_POSITION_NONE, IDM_ROTATE_NONE,
                                   IDM_SLIDE_SHOW};
  Start({});
  for (const auto& c : commands) Command(c.command);
  EXPECT_EQ(OpenPopupMenu().Checked(), expected);
  CloseWindow();
  const std::wstring ini = tv::ReadTextFile(IniPath()).text;
  for (const auto& c : commands) EXPECT_NE(ini.find(std::wstring(L"\n") + c.line + L"\n"), std::wstring::npos) << c.line;
  Start({});
  EXPECT_EQ(OpenPopupMenu().Checked(), expected);
  EXPECT_EQ(form_->CurrentSettings().AlphaBlendValue, 128);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(form_->Window(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_EQ(::GetWindowLongPtrW(form_->Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

// Choosing an entry moves it to the front before it is opened; the path
// opened must be the one chosen, not the one that moved into its place.
TEST_F(MenuTest, HistoryItemOpensTheEntryChosenNotTheOneMovedIntoItsPlace) {
  WriteRedGreenBlue();
  const std::wstring a = pictures_ + L"\\a.png", b = pictures_ + L"\\b.png", c = pictures_ + L"\\c.png";
  Start({a, b, c});
  ASSERT_EQ(form_->CurrentSettings().History, (std::vector<std::wstring>{c, b, a}));
  EXPECT_FALSE(ItemState(form_->PopupMenu(), IDM_HISTORY) & MFS_GRAYED);
  const std::vector<ItemFacts> items = ItemsOf(HistorySubMenu(form_->PopupMenu()));
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].id, static_cast<UINT>(IDM_HISTORY_FIRST));
  EXPECT_EQ(items[0].text, L"pictures\\c.png");
  EXPECT_EQ(items[2].id, static_cast<UINT>(IDM_HISTORY_FIRST + 2));
  EXPECT_TRUE(items[3].separator);
  EXPECT_EQ(items[4].id, static_cast<UINT>(IDM_HISTORY_FIRST + 3));
  EXPECT_EQ(items[4].text, L"Clear History(&C)");

  Command(IDM_HISTORY_FIRST + 2);
  EXPECT_EQ(Shown(), L"a.png");
  EXPECT_EQ(form_->CurrentSettings().History, (std::vector<std::wstring>{a, c, b}));
  EXPECT_EQ(ItemsOf(HistorySubMenu(form_->PopupMenu()))[0].text, L"pictures\\a.png");
  // The change is saved at once, not only at close.
  const std::wstring ini = tv::ReadTextFile(IniPath()).text;
  EXPECT_NE(ini.find(L"History0=" + a + L"\n"), std::wstring::npos);
  EXPECT_NE(ini.find(L"History2=" + b + L"\n"), std::wstring::npos);
}

TEST_F(MenuTest, HistoryItemOfAPathGoneOpensNothingAndChangesNothing) {
  WriteRedGreenBlue();
  const std::wstring a = pictures_ + L"\\a.png", b = pictures_ + L"\\b.png";
  Start({b, a});
  ASSERT_TRUE(::DeleteFileW(b.c_str()));
  const std::wstring shown = Shown();
  ASSERT_FALSE(shown.empty());
  const std::string iniBefore = ReadAllBytes(IniPath());
  ASSERT_FALSE(iniBefore.empty());
  Command(IDM_HISTORY_FIRST + 1);
  EXPECT_EQ(Shown(), shown);
  EXPECT_EQ(form_->List().FileList().size(), 2u);
  EXPECT_EQ(form_->CurrentSettings().History, (std::vector<std::wstring>{a, b}));
  EXPECT_EQ(ReadAllBytes(IniPath()), iniBefore);
}

TEST_F(MenuTest, ClearHistoryEmptiesBothListsAndGreysTheItem) {
  WriteRedGreenBlue();
  Start({});
  CloseWindow();
  ASSERT_TRUE(tv::WriteTextFile(IniPath(), tv::ReadTextFile(IniPath()).text + L"MovedFolder0=" + pictures_ + L"\n"));
  Start({pictures_ + L"\\a.png"});
  ASSERT_EQ(form_->CurrentSettings().History.size(), 1u);
  ASSERT_EQ(form_->CurrentSettings().MovedFolder.size(), 1u);
  Command(IDM_HISTORY_FIRST + 1);
  EXPECT_TRUE(form_->CurrentSettings().History.empty());
  EXPECT_TRUE(form_->CurrentSettings().MovedFolder.empty());
  EXPECT_TRUE(ItemState(form_->PopupMenu(), IDM_HISTORY) & MFS_GRAYED);
  EXPECT_EQ(HistorySubMenu(form_->PopupMenu()), nullptr);
}

// The chooser opens on the stored colour; OK keeps the colour set in it, in
// the setting and the ini file; Cancel keeps the old one.
TEST_F(MenuTest, ColourChooserStoresTheColourSetAndCancelKeepsTheOld) {
  Start({});
  const auto setRed = [](UINT shown, UINT red, WPARAM button) {
    return [=] {
      const HWND box = ::FindWindowW(L"#32770", nullptr);
      EXPECT_EQ(::GetDlgItemInt(box, COLOR_RED, nullptr, FALSE), shown);
      ::SetDlgItemInt(box, COLOR_RED, red, FALSE);
      ::PostMessageW(box, WM_COMMAND, button, 0);
    };
  };
  WhileDialogOpen([this] { Command(IDM_BORDER_COLOR); }, setRed(255, 1, IDCANCEL));  // white
  EXPECT_EQ(form_->CurrentSettings().FrameColor, 0xFFFFFFFFu);
  WhileDialogOpen([this] { Command(IDM_BACKGROUND_COLOR); }, setRed(0, 255, IDOK));  // black
  EXPECT_EQ(form_->CurrentSettings().FullFillColor, 0xFFFF0000u);
  CloseWindow();
  EXPECT_NE(tv::ReadTextFile(IniPath()).text.find(L"\nFullFillColor=255\n"), std::wstring::npos);
  Start({});
  EXPECT_EQ(form_->CurrentSettings().FullFillColor, 0xFFFF0000u);
}

// While the file list is shown the menu makes its cursor entry current; an
// empty list has no cursor, and no entry may become current.
TEST_F(MenuTest, PopupMenuTakesTheListCursorButNothingFromAnEmptyList) {
  WriteRedGreenBlue();
  Start({pictures_});
  Press(VK_RETURN);
  Press(VK_DOWN, 0, ::GetDlgItem(form_->Window(), 1));
  OpenPopupMenu();
  EXPECT_EQ(Shown(), L"b.png");
  Start({});
  if (!form_->ShowingList()) Press(VK_RETURN);  // the list may come back from the last run
  ASSERT_TRUE(form_->ShowingList());
  OpenPopupMenu();
  EXPECT_EQ(form_->List().ShowIndex(), -1);
  EXPECT_EQ(Shown(), L"");
}

// ---------------------------------------------------------------- tray icon

// Whether the shell holds the window's icon: only a held icon can be changed.
bool ShellHoldsIcon(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = tv::kTrayIconId;
  return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

void TrayClick(HWND window, UINT mouseMessage) { ::SendMessageW(window, tv::kTrayMessage, tv::kTrayIconId, mouseMessage); }

TEST_F(MenuTest, TrayIconNamesTheInstanceShowsTheColourChosenAndGoesAtClose) {
  const std::wstring name(60, L'n');
  Start({L"/" + name});
  const HWND window = form_->Window();
  EXPECT_TRUE(ShellHoldsIcon(window));
  EXPECT_EQ(form_->Tray().Tip(), (L"taverlune - " + name).substr(0, 63));
  Command(IDM_TRAY_ICON_BLACK);
  EXPECT_EQ(form_->TrayColourShown(), 5);
  // Regression: an icon the shell forgot (Explorer restarted) never came back.
  NOTIFYICONDATAW forget{};
  forget.cbSize = sizeof forget;
  forget.hWnd = window;
  forget.uID = tv::kTrayIconId;
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &forget));
  ASSERT_FALSE(ShellHoldsIcon(window));
  ::SendMessageW(window, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(ShellHoldsIcon(window));
  CloseWindow();
  EXPECT_FALSE(ShellHoldsIcon(window));
  Start({L"/" + name});
  EXPECT_EQ(form_->TrayColourShown(), 5);
  Start({});
  EXPECT_EQ(form_->Tray().Tip(), L"taverlune image viewer");
}

// Left: hide, show; right: the popup menu; middle: close and save, even when
// locked. While a dialog or menu of the window is open a click would hide or
// close the window under it, or open a second menu: it is ignored.
TEST_F(MenuTest, TrayClicksRouteButWaitWhileADialogOrMenuIsOpen) {
  Start({});
  const HWND window = form_->Window();
  const auto clickAll = [window] {
    for (UINT click : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}) TrayClick(window, click);
  };
  WhileDialogOpen([this] { Command(IDM_BACKGROUND_COLOR); }, clickAll);
  OpenPopupMenu(clickAll);
  Pump();
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_EQ(form_->MenusOpened(), 0);
  TrayClick(window, WM_LBUTTONUP);
  EXPECT_FALSE(::IsWindowVisible(window));
  TrayClick(window, WM_LBUTTONUP);
  EXPECT_TRUE(::IsWindowVisible(window));
  TrayClick(window, WM_RBUTTONUP);
  EXPECT_EQ(form_->MenusOpened(), 1);
  Command(IDM_LOCK);
  ASSERT_TRUE(::DeleteFileW(IniPath().c_str()));
  TrayClick(window, WM_MBUTTONUP);
  EXPECT_TRUE(PumpUntil([this] { return !form_->Window(); }));
  EXPECT_TRUE(tv::IsExistingFile(IniPath()));
}

}  // namespace
}  // namespace tvtest
