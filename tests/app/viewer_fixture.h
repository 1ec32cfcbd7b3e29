#pragma once
// Runs a real viewer window in the test process on a temporary folder of
// pictures the test writes, and drives it with window messages.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "imaging/gdiplus_owners.h"
#include "tests/support/temp_folder.h"

namespace tvtest {

// The screen's colour at (x, y) as opaque ARGB.
std::uint32_t ScreenPixel(int x, int y);

class ViewerTest : public ::testing::Test {
 protected:
  ViewerTest();
  ~ViewerTest() override;

  // A flat-coloured PNG of the given size; returns its path.
  std::wstring WritePicture(const std::wstring& name, std::uint32_t argb, int width = 64, int height = 48);
  // a.png red, b.png green, c.png blue.
  void WriteRedGreenBlue();
  // Starts a window (closing any earlier one) with these arguments.
  void Start(const std::vector<std::wstring>& arguments, bool showMessageBoxes = false);
  // Presses a key (with modifiers held) on the window or the list box.
  void Press(UINT virtualKey, unsigned modifiers = 0, HWND target = nullptr);
  void Command(int id);
  // Dispatches waiting messages for about `milliseconds`.
  void Pump(int milliseconds = 0);
  // Dispatches messages until `done` holds or `milliseconds` have passed;
  // returns whether it holds.
  bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);
  // Presses `key`, which opens a message box; runs `whileOpen` inside the
  // box's own message loop, then dismisses the box.
  void WhileDialogOpen(UINT key, std::function<void()> whileOpen);
  // The same for a dialog that `open` brings up.
  void WhileDialogOpen(const std::function<void()>& open, std::function<void()> whileOpen);
  // Sends the close message and pumps until the window is gone.
  void CloseWindow();
  std::wstring Shown() const;  // path on display, relative to the folder
  std::wstring IniPath() const;

  tv::GdiplusSession gdiplus_;
  TempFolder folder_;
  std::wstring pictures_;  // folder the pictures are written to
  std::wstring appData_;
  std::unique_ptr<tv::MainForm> form_;
  std::optional<tv::UiLanguage> uiLanguage_;  // for the next Start; unset: the user's
  bool offerFirstStartShortcut_ = false;      // for the next Start
};

}  // namespace tvtest
