// Windows of one instance in separate real processes of the built program.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/command_line.h"
#include "app/sibling_rules.h"
#include "menus/menu_ids.h"
#include "tests/app/viewer_fixture.h"
#include "tests/menus/shipped_program.h"
#include "util/file_system.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace tvtest {
namespace {

struct ArgvTraits {
  using Handle = LPWSTR*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::LocalFree(h); }
};

// The arguments after the program path, split as the started program will.
std::vector<std::wstring> SplitLikeTheChild(const std::wstring& commandLine) {
  int count = 0;
  const tv::UniqueResource<ArgvTraits> argv(::CommandLineToArgvW(commandLine.c_str(), &count));
  std::vector<std::wstring> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.emplace_back(argv.get()[i]);
  return arguments;
}

HWND ViewerWindowOf(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM context) noexcept -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        wchar_t className[32] = {};
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner != s.processId || !::GetClassNameW(window, className, 32) ||
            std::wstring_view(className) != tv::MainForm::WindowClassName())
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A viewer process, closed (or ended) with the test whatever happened.
class ChildViewer {
 public:
  explicit ChildViewer(const std::wstring& commandLine) {
    std::wstring writable = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(ShippedProgramPath().c_str(), writable.data(), nullptr, nullptr, FALSE,
                          0, nullptr, nullptr, &startup, &started))
      return;
    process_ = tv::UniqueHandle(started.hProcess);
    tv::UniqueHandle thread(started.hThread);
    processId_ = started.dwProcessId;
  }
  explicit ChildViewer(DWORD processId)
      : process_(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId)), processId_(processId) {}
  ChildViewer(const ChildViewer&) = delete;
  ChildViewer& operator=(const ChildViewer&) = delete;
  ~ChildViewer() {
    if (!process_) return;
    if (const HWND window = ViewerWindowOf(processId_)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) ::TerminateProcess(process_.get(), 1);
  }
  bool Started() const { return static_cast<bool>(process_); }
  HWND Window() const { return ViewerWindowOf(processId_); }

 private:
  tv::UniqueHandle process_;
  DWORD processId_ = 0;
};

// Viewers this test starts, and the duplicates they start, keep their
// settings in the test's folder rather than the user's.
class SiblingWindowsTest : public ViewerTest {
 protected:
  SiblingWindowsTest() {
    for (const wchar_t* name : {L"LOCALAPPDATA", L"APPDATA"}) {
      wchar_t value[MAX_PATH] = {};
      saved_.push_back(::GetEnvironmentVariableW(name, value, MAX_PATH) ? value : L"");
      ::SetEnvironmentVariableW(name, appData_.c_str());
    }
  }
  ~SiblingWindowsTest() override {
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", saved_[0].c_str());
    ::SetEnvironmentVariableW(L"APPDATA", saved_[1].c_str());
  }
  std::unique_ptr<ChildViewer> StartChild(const std::wstring& instance) {
    auto child = std::make_unique<ChildViewer>(
        tv::QuoteArgument(ShippedProgramPath()) + L" /" + instance + L" " + tv::QuoteArgument(pictures_ + L"\\c.png"));
    EXPECT_TRUE(child->Started());
    EXPECT_TRUE(PumpUntil([&] { return child->Window() != nullptr; }, 20000)) << tv::WideToUtf8(instance);
    return child;
  }
  // Turns the wheel with the second extra button held in the child: it
  // steps itself and its siblings. Sent, so that any step the child sends
  // us has arrived when this returns.
  static void StepWithSiblingsIn(const ChildViewer& child) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(child.Window(), WM_MOUSEWHEEL, MAKEWPARAM(MK_XBUTTON2, static_cast<WORD>(-WHEEL_DELTA)),
                          0, SMTO_NORMAL, 20000, &answer);
  }

  std::vector<std::wstring> saved_;
};

TEST(DuplicateCommandLine, EveryEntryReachesTheDuplicateIntact) {
  // Regression: a member name with a quote could carry "/:uninstall" in.
  const tv::DuplicateRequest requests[] = {
      {L"C:\\my app\\t.exe", L"C:\\a.zip", L"x\" /:uninstall \"y.png", L"a"},
      {L"C:\\t.exe", L"C:\\pic folder\\b c.png", L"", L""},
      {L"C:\\t.exe", L"\\\\server\\share\\", L"dir\\\\\"q\\", L"ab"},
  };
  for (const tv::DuplicateRequest& request : requests) {
    const std::optional<std::wstring> line = tv::DuplicateCommandLine(request);
    ASSERT_TRUE(line);
    const tv::CommandLine parsed = tv::ParseCommandLine(SplitLikeTheChild(*line), [](auto& p) { return p; });
    EXPECT_TRUE(parsed.duplicate);
    EXPECT_FALSE(parsed.uninstall) << tv::WideToUtf8(*line);
    std::vector<std::wstring> expected{request.path};
    if (!request.member.empty()) expected.push_back(request.member);
    EXPECT_EQ(parsed.paths, expected) << tv::WideToUtf8(*line);
    // Regression: a named instance's duplicate ran as the default instance.
    EXPECT_EQ(parsed.instanceName.value_or(L""), request.instanceName);
  }
}

TEST_F(SiblingWindowsTest, OnlyWindowsOfTheSameInstanceStepTogether) {
  WriteRedGreenBlue();
  Start({L"/sibAb", pictures_ + L"\\a.png"}, true);
  ASSERT_EQ(Shown(), L"a.png");
  // Regression: instance "sibA" counted the windows of "sibAb" as its own.
  const auto shorterName = StartChild(L"sibA");
  auto sameName = StartChild(L"sibAb");
  ASSERT_TRUE(shorterName->Window() && sameName->Window());

  StepWithSiblingsIn(*shorterName);
  Pump();
  EXPECT_EQ(Shown(), L"a.png");
  StepWithSiblingsIn(*sameName);
  EXPECT_TRUE(PumpUntil([&] { return Shown() == L"b.png"; }));

  // Regression: a sibling's step moved a window under its own dialog.
  WhileDialogOpen('I', [&] { StepWithSiblingsIn(*sameName); });
  Pump();
  EXPECT_EQ(Shown(), L"b.png");

  Command(IDM_LINEUP_RIGHTWARD);
  RECT ours{}, theirs{};
  ::GetWindowRect(form_->Window(), &ours);
  ::GetWindowRect(sameName->Window(), &theirs);
  // The sibling sits right beside this window, as large as it.
  EXPECT_EQ(theirs.left, ours.right);
  EXPECT_EQ(theirs.top, ours.top);
  EXPECT_EQ(theirs.right - theirs.left, ours.right - ours.left);
  EXPECT_EQ(theirs.bottom - theirs.top, ours.bottom - ours.top);

  // Regression: the duplicate of a named instance's window started as the
  // default instance; it must come up with this instance's title.
  std::vector<HWND> before{form_->Window(), sameName->Window(), shorterName->Window()};
  Command(IDM_DUPLICATE_WINDOW);
  HWND duplicate = nullptr;
  EXPECT_TRUE(PumpUntil(
      [&] {
        duplicate = ::FindWindowExW(nullptr, nullptr, tv::MainForm::WindowClassName(), L"taverlune - sibAb");
        while (duplicate && std::find(before.begin(), before.end(), duplicate) != before.end())
          duplicate = ::FindWindowExW(nullptr, duplicate, tv::MainForm::WindowClassName(), L"taverlune - sibAb");
        return duplicate != nullptr;
      },
      20000));
  DWORD duplicateId = 0;
  if (duplicate) ::GetWindowThreadProcessId(duplicate, &duplicateId);
  const ChildViewer duplicateOwner(duplicateId);
  // Set-up check: the children kept their settings out of the user's folder.
  sameName.reset();
  EXPECT_TRUE(tv::IsExistingFile(appData_ + L"\\taverlune\\sibAb.ini"));
}

}  // namespace
}  // namespace tvtest
