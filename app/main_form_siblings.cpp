// Windows of one instance stepping, moving and sizing together, and the
// duplicate window.
#include <windows.h>

#include <iterator>

#include "app/main_form.h"
#include "app/sibling_rules.h"
#include "util/win_handles.h"
#include "util/window_messages.h"
#include "util/window_util.h"

namespace tv {
namespace {

// A sibling that does not answer within this time is passed over, so one
// hung window cannot hold the others.
constexpr UINT kSiblingAnswerMs = 1000;

void SendBounded(HWND window, UINT message, WPARAM first, LPARAM second) {
  DWORD_PTR answer = 0;
  ::SendMessageTimeoutW(window, message, first, second, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSiblingAnswerMs, &answer);
}

void SendToSibling(HWND sibling, const SiblingMessage& message) {
  SendBounded(sibling, message.message, static_cast<WPARAM>(message.first), static_cast<LPARAM>(message.second));
}

struct SiblingSearch {
  HWND self;
  std::wstring_view title;
  std::vector<HWND>* found;
  bool anyInstance = false;  // every window of our class, whatever its title
};

BOOL CALLBACK CollectIfSibling(HWND window, LPARAM context) noexcept {
  auto& search = *reinterpret_cast<SiblingSearch*>(context);
  if (window == search.self) return TRUE;
  wchar_t className[64] = {};
  const int classLength = ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
  // One character more than our title is enough to tell a longer title.
  std::wstring title(search.title.size() + 2, L'\0');
  // Never a message: a hung window of this process would hold the search.
  const int titleLength = ::InternalGetWindowText(window, title.data(), static_cast<int>(title.size()));
  if (classLength <= 0 || titleLength < 0) return TRUE;
  title.resize(static_cast<size_t>(titleLength));
  if (IsSiblingWindow({className, static_cast<size_t>(classLength)}, title, MainForm::WindowClassName(),
                      search.anyInstance ? std::wstring_view(title) : search.title)) {
    try {
      search.found->push_back(window);
    } catch (...) {
      return FALSE;
    }
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> MainForm::CollectSiblingWindows() const {
  std::vector<HWND> siblings;
  SiblingSearch search{window_, identity_.windowTitle, &siblings};
  ::EnumWindows(&CollectIfSibling, reinterpret_cast<LPARAM>(&search));
  return siblings;
}

void MainForm::TellWindowsSettingsRemoved(const std::wstring& removedPath) {
  std::vector<HWND> windows;
  SiblingSearch search{window_, identity_.windowTitle, &windows, true};
  ::EnumWindows(&CollectIfSibling, reinterpret_cast<LPARAM>(&search));
  COPYDATASTRUCT data{};
  data.dwData = kSettingsRemovedData;
  data.cbData = static_cast<DWORD>((removedPath.size() + 1) * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(removedPath.c_str());
  for (HWND window : windows)
    SendBounded(window, WM_COPYDATA, reinterpret_cast<WPARAM>(window_), reinterpret_cast<LPARAM>(&data));
}

void MainForm::StepAllWindows(int count) {
  for (HWND sibling : CollectSiblingWindows()) SendToSibling(sibling, {kStepMessage, count, 0});
}

void MainForm::StepAllByWindowCount(int sign) {
  const std::vector<HWND> siblings = CollectSiblingWindows();
  const int count = (static_cast<int>(siblings.size()) + 1) * sign;
  for (HWND sibling : siblings) SendToSibling(sibling, {kStepMessage, count, 0});
  StepEntries(count);
}

void MainForm::LineUpCommand(const CommandRow&, int index) {
  struct Direction {
    int dx;
    int dy;
  };
  // Upward, Leftward, Rightward, Downward, Same Position.
  static constexpr Direction kDirections[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}, {0, 0}};
  if (index < 0 || index >= static_cast<int>(std::size(kDirections))) return;
  const Direction direction = kDirections[index];
  const PixelBox box = view_.PictureRect();
  int k = 0;
  for (HWND sibling : CollectSiblingWindows()) {
    const LineUpOrder order = LineUpOrderFor(++k, direction.dx, direction.dy, box.width, box.height,
                                             view_.Options().CenterX, view_.Options().CenterY);
    SendToSibling(sibling, order.centre);
    SendToSibling(sibling, order.size);
  }
}

void MainForm::DuplicateWindow() {
  DuplicateRequest request;
  request.programPath = options_.programPath.empty() ? ProgramPath() : options_.programPath;
  const bool inArchive = !settings_.ShowArchiveName.empty();
  request.path = inArchive ? settings_.ShowArchiveName : settings_.ShowFileName;
  if (inArchive) request.member = settings_.ShowFileName;
  // The duplicate belongs to this instance: it reads and writes our ini.
  if (identity_.windowTitle != InstanceIdentity{}.windowTitle) request.instanceName = identity_.name;
  const std::optional<std::wstring> commandLine = DuplicateCommandLine(request);
  if (!commandLine) return;
  std::wstring writable = *commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(request.programPath.c_str(), writable.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
    return;
  // Owned only to be let go: the duplicate runs on its own.
  const UniqueHandle processHandle(process.hProcess);
  const UniqueHandle threadHandle(process.hThread);
}

}  // namespace tv
