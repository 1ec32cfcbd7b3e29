// Windows of one instance in separate real processes of the built program.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "app/command_line.h"
#include "app/sibling_rules.h"
#include "menus/menu_ids.h"
#include "tests/app/child_viewer.h"
#include "tests/app/viewer_fixture.h"
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

TEST(DuplicateCommandLine, EveryEntryReachesTheDuplicateIntact) {
  // Regressions: a member name with a quote carried "/:uninstall" in; a
  // named instance's duplicate ran as the default instance.
  const tv::DuplicateRequest requests[] = {
      {L"C:\\my app\\t.exe", L"C:\\a.zip", L"x\" /:uninstall \"y.png", L"a"},
      {L"C:\\t.exe", L"\\\\server\\my share\\", L"dir\\\\\"q\\", L""},
  };
  for (const tv::DuplicateRequest& request : requests) {
    const std::wstring line = tv::DuplicateCommandLine(request).value_or(L"");
    int count = 0;
    const tv::UniqueResource<ArgvTraits> argv(::CommandLineToArgvW(line.c_str(), &count));
    ASSERT_TRUE(argv && count > 1) << tv::WideToUtf8(line);
    const tv::CommandLine parsed =
        tv::ParseCommandLine({argv.get() + 1, argv.get() + count}, [](auto& path) { return path; });
    EXPECT_TRUE(parsed.duplicate && !parsed.uninstall) << tv::WideToUtf8(line);
    EXPECT_EQ(parsed.paths, (std::vector<std::wstring>{request.path, request.member})) << tv::WideToUtf8(line);
    EXPECT_EQ(parsed.instanceName.value_or(L""), request.instanceName);
  }
}

// The viewers started here, duplicates too, keep their settings in the
// test's folder.
class SiblingWindowsTest : public ViewerTest {
 protected:
  std::unique_ptr<ChildViewer> StartChild(const std::wstring& instance) {
    auto child = StartViewerProcess(L"/" + instance + L" " + tv::QuoteArgument(pictures_ + L"\\c.png"));
    if (child) {
      EXPECT_TRUE(PumpUntil([&] { return child->Window() != nullptr; }, 20000));
    }
    return child;
  }
  // The wheel with the second extra button steps the child and its
  // siblings; sent, so the steps it sends us have arrived on return.
  static void StepWithSiblingsIn(const ChildViewer& child) {
    ::SendMessageTimeoutW(child.Window(), WM_MOUSEWHEEL, MAKEWPARAM(MK_XBUTTON2, static_cast<WORD>(-WHEEL_DELTA)), 0,
                          SMTO_NORMAL, 20000, nullptr);
  }

  const ScopedLocalAppData children_{folder_.Join(L"children")};
};

TEST_F(SiblingWindowsTest, OnlyWindowsOfTheSameInstanceStepTogether) {
  WriteRedGreenBlue();
  for (const wchar_t* name : {L"d.png", L"e.png", L"f.png"}) WritePicture(name, 0xFF808080);
  Start({L"/sibAb", pictures_ + L"\\a.png"}, true);
  ASSERT_EQ(Shown(), L"a.png");
  // Regression: instance "sibA" counted the windows of "sibAb" as its own.
  const auto shorterName = StartChild(L"sibA");
  auto sameName = StartChild(L"sibAb");
  ASSERT_TRUE(shorterName && sameName && shorterName->Window() && sameName->Window());
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
  EXPECT_EQ(theirs.left, ours.right);
  EXPECT_EQ(theirs.top, ours.top);
  EXPECT_EQ(theirs.right - theirs.left, ours.right - ours.left);
  EXPECT_EQ(theirs.bottom - theirs.top, ours.bottom - ours.top);

  // Three windows of the instance step as a block: each by the number of
  // windows, so together they show the entries after the ones they showed.
  {
    const auto third = StartChild(L"sibAb");
    ASSERT_TRUE(third && third->Window());
    Press(VK_DOWN, tv::kCtrl);
    EXPECT_EQ(Shown(), L"e.png");
  }

  // Regression: a named instance's duplicate came up as the default instance.
  const HWND known[] = {form_->Window(), sameName->Window()};
  Command(IDM_DUPLICATE_WINDOW);
  HWND duplicate = nullptr;
  EXPECT_TRUE(PumpUntil(
      [&] {
        do duplicate = ::FindWindowExW(nullptr, duplicate, tv::MainForm::WindowClassName(), L"taverlune - sibAb");
        while (duplicate && std::count(std::begin(known), std::end(known), duplicate) != 0);
        return duplicate != nullptr;
      },
      20000));
  DWORD duplicateId = 0;
  ::GetWindowThreadProcessId(duplicate, &duplicateId);
  const ChildViewer duplicateOwner{
      duplicateId, tv::UniqueHandle(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, duplicateId))};
  // Set-up check: the children kept their settings out of the user's folder.
  sameName.reset();
  EXPECT_TRUE(tv::IsExistingFile(children_.Folder() + L"\\taverlune\\sibAb.ini"));
}

// Regression: a sibling that stopped answering held every window that
// stepped. Here the sibling is a window of our class and title on a thread
// that never pumps; the step must come back while that thread still waits.
TEST_F(ViewerTest, HungSiblingDoesNotHoldTheStep) {
  WriteRedGreenBlue();
  Start({pictures_});
  ASSERT_EQ(Shown(), L"a.png");
  const tv::UniqueHandle created(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const tv::UniqueHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  DWORD hungWait = WAIT_FAILED;
  HWND window = nullptr;
  std::thread hung([&] {
    // No creation parameter: the window procedure leaves it to the default.
    window = ::CreateWindowExW(0, tv::MainForm::WindowClassName(), L"taverlune image viewer", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetEvent(created.get());
    hungWait = ::WaitForSingleObject(release.get(), 60000);
    if (window) ::DestroyWindow(window);
  });
  struct Release {
    HANDLE event;
    std::thread& thread;
    ~Release() {
      ::SetEvent(event);
      thread.join();
    }
  };
  {
    const Release releaseAtEnd{release.get(), hung};
    ASSERT_EQ(::WaitForSingleObject(created.get(), 20000), WAIT_OBJECT_0);
    ASSERT_NE(window, nullptr);
    Press(VK_DOWN, tv::kCtrl);  // the hung window counts: a block of two
  }
  EXPECT_EQ(hungWait, WAIT_OBJECT_0) << "the step waited for the hung window to give up";
  EXPECT_EQ(Shown(), L"c.png");
}

}  // namespace
}  // namespace tvtest
