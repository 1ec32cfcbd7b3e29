#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "imaging/loaded_image.h"
#include "tests/app/viewer_fixture.h"
#include "tests/menus/shipped_program.h"
#include "tools/sample_files.h"
#include "util/file_system.h"

namespace {

using tvtest::BesideTestProgram;

std::uint32_t Red(int, int, void*) { return 0xFF0000; }

void PressEscape(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_ESCAPE;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  ::SendInput(1, &input, sizeof input);
}

}  // namespace

class PluginViewerTest : public tvtest::ViewerTest {
 protected:
  // Starts once to choose the plug-in folder, so the next start loads its
  // plug-ins from the saved settings.
  void ChoosePluginFolder(const std::wstring& folder) {
    Start({});
    form_->UsePluginFolder(folder);
    ASSERT_FALSE(form_->RecordedMessages().empty());
    EXPECT_EQ(form_->RecordedMessages().back().rfind(L"Plugin folder set to \n\n" + folder, 0), 0u);
    ASSERT_EQ(form_->CurrentSettings().PluginPath.front(), folder);
    CloseWindow();
  }
};

TEST_F(PluginViewerTest, NetpbmPicturesAndTarMembersAreShown) {
  ASSERT_TRUE(tv::WriteFileReplacing(pictures_ + L"\\a.ppm", tvtest::MakeNetpbm('6', 30, 20, Red)));
  ASSERT_TRUE(tv::WriteFileReplacing(
      pictures_ + L"\\b.tar",
      tvtest::MakeTar({{"inner/c.ppm", tvtest::MakeNetpbm('5', 12, 8, Red)}, {"d.ppm", "not a picture"}})));
  ChoosePluginFolder(BesideTestProgram(L"plugins"));
  Start({pictures_ + L"\\a.ppm"});
  EXPECT_EQ(Shown(), L"a.ppm");
  EXPECT_EQ(form_->Image().ContentFlags(), tv::kContentPlugin);
  EXPECT_EQ(form_->Image().loaderName(), L"netpbm PPM/PGM reader");
  EXPECT_EQ(form_->Image().width(), 30);

  Start({pictures_ + L"\\b.tar"});
  ASSERT_TRUE(form_->List().InsideArchive());
  EXPECT_EQ(form_->Image().ContentFlags(), tv::kContentArchive | tv::kContentMember | tv::kContentPlugin);
  EXPECT_EQ(form_->Image().memberEntry().path, L"inner\\c.ppm");
  EXPECT_EQ(form_->Image().width(), 12);
  EXPECT_EQ(form_->List().ActiveList().size(), 2u);
}

TEST_F(PluginViewerTest, EscAbortsASlowDecodeWithoutClosingTheViewer) {
  ASSERT_TRUE(tv::WriteFileReplacing(pictures_ + L"\\a.ppm", tvtest::MakeNetpbm('6', 30, 20, Red)));
  ASSERT_TRUE(tv::WriteFileReplacing(pictures_ + L"\\b.slow", "slow picture bytes"));
  const std::wstring spi = folder_.MakeFolder(L"spi");
  for (const auto& [from, to] : {std::pair{BesideTestProgram(L"plugins") + L"\\ppm.spi", L"\\1.spi"},
                                 std::pair{BesideTestProgram(L"test-plugins") + L"\\test_image.spi", L"\\2.spi"}})
    ASSERT_TRUE(::CopyFileW(from.c_str(), (spi + to).c_str(), TRUE));
  ChoosePluginFolder(spi);
  Start({pictures_ + L"\\a.ppm"});
  ASSERT_EQ(Shown(), L"a.ppm");
  ::SetForegroundWindow(form_->Window());
  ASSERT_EQ(::GetForegroundWindow(), form_->Window());

  // The slow plug-in signals before each report. Esc is held from the start;
  // once the reports stop (the viewer waits for Esc to be released) it is
  // let go, and the decode must then end as aborted.
  const tv::UniqueHandle reported(::CreateEventW(nullptr, FALSE, FALSE, L"TaverluneTestSlowProgress"));
  ASSERT_TRUE(reported);
  std::atomic<int> reports{0};
  PressEscape(true);
  std::thread releaser([&] {
    if (::WaitForSingleObject(reported.get(), 10000) == WAIT_OBJECT_0) {
      ++reports;
      while (::WaitForSingleObject(reported.get(), 300) == WAIT_OBJECT_0) ++reports;
    }
    PressEscape(false);
  });
  const bool opened = form_->OpenPaths({pictures_ + L"\\b.slow"}, 0, 1);
  releaser.join();
  Pump();  // a queued Esc would close the window here
  EXPECT_TRUE(opened);
  EXPECT_GE(reports.load(), 1);
  EXPECT_LT(reports.load(), 100);  // far from the 400 reports of a whole decode
  ASSERT_NE(form_->Window(), nullptr);
  EXPECT_TRUE(::IsWindow(form_->Window()));
  for (const tv::ImageEntry& entry : form_->List().FileList()) EXPECT_EQ(entry.path.find(L"b.slow"), std::wstring::npos);
}
