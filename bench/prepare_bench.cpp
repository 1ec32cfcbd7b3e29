// Stepping through big pictures with the next one decoded ahead: the time
// from the key to the painted picture, fast stepping against stepping
// without preparation, slide-show hits and the memory held at rest.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "bench/bench.h"
#include "bench/bench_pictures.h"
#include "imaging/gdiplus_owners.h"
#include "menus/menu_ids.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kPictures = 50, kWidth = 4000, kHeight = 3000;
using State = tv::PicturePreparer::State;

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// False when `done` did not come true within a minute.
bool PumpUntil(const std::function<bool()>& done) {
  tvbench::Stopwatch clock;
  while (!done()) {
    if (clock.Seconds() > 60) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    Pump();
  }
  return true;
}

// Bytes of committed private memory of the process: bitmaps and heaps.
double PrivateBytes() {
  double total = 0;
  MEMORY_BASIC_INFORMATION info{};
  const char* at = nullptr;
  while (::VirtualQuery(at, &info, sizeof info) == sizeof info) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += static_cast<double>(info.RegionSize);
    const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

std::unique_ptr<tv::MainForm> Open(const tvtest::TempFolder& folder, const std::wstring& appData, bool prepare) {
  tv::MainFormOptions options;
  options.appDataFolder = appData;
  options.readStartKeys = false;
  options.showMessageBoxes = false;
  options.preparePictures = prepare;
  options.offerFirstStartShortcut = false;
  auto form = std::make_unique<tv::MainForm>(options);
  if (!form->Startup(::GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE, {folder.Join(L"pictures")})) return nullptr;
  Pump();
  return form;
}

void Close(std::unique_ptr<tv::MainForm>& form) {
  ::DestroyWindow(form->Window());
  Pump();
  form.reset();
}

// From a posted key to the next picture painted (the step paints before it
// returns to the message loop).
double StepSeconds(tv::MainForm& form) {
  const std::wstring before = form.PathOnDisplay();
  tvbench::Stopwatch clock;
  ::PostMessageW(form.Window(), WM_KEYDOWN, VK_SPACE, 1);
  PumpUntil([&] { return form.PathOnDisplay() != before; });
  return clock.Seconds();
}

bool Settled(const tv::MainForm& form) { return form.PreparedState() != State::Working; }

TV_BENCH(prepared_stepping) {
  tv::GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  folder.MakeFolder(L"pictures");
  const std::wstring appData = folder.MakeFolder(L"appdata");
  const std::string jpeg = tvbench::GradientJpeg(kWidth, kHeight);
  for (int i = 0; i < kPictures; ++i) folder.WriteBytes(L"pictures\\" + std::to_wstring(100 + i) + L".jpg", jpeg);

  const double restBefore = PrivateBytes();
  auto form = Open(folder, appData, true);
  if (!form || !PumpUntil([&] { return form->PreparedState() == State::Ready; })) return;
  const double restAfter = PrivateBytes();
  tvbench::Report("prepared_rest_bytes_per_pixel", (restAfter - restBefore) / (double{kWidth} * kHeight), "bytes");

  // The user looked at each picture long enough for the next to be made.
  const int served = form->PreparedShown();
  double waited = 0;
  for (int i = 1; i < kPictures; ++i) {
    if (!PumpUntil([&] { return Settled(*form); })) return;
    waited += StepSeconds(*form);
  }
  tvbench::Report("next_picture_prepared_ms", waited * 1000 / (kPictures - 1), "ms");
  const int servedWaiting = form->PreparedShown() - served;

  // Keys as fast as the program takes them, with and without preparation.
  constexpr int kFastSteps = 25;
  double fast = 0, plain = 0;
  for (int i = 0; i < kFastSteps; ++i) fast += StepSeconds(*form);
  Close(form);
  form = Open(folder, appData, false);
  if (!form) return;
  for (int i = 0; i < kFastSteps; ++i) plain += StepSeconds(*form);
  Close(form);
  tvbench::Report("next_picture_fast_ms", fast * 1000 / kFastSteps, "ms");
  tvbench::Report("next_picture_plain_ms", plain * 1000 / kFastSteps, "ms");
  tvbench::Report("next_picture_fast_ratio", fast / plain, "ratio");

  // A slide show at its shortest interval.
  form = Open(folder, appData, true);
  if (!form) return;
  ::SendMessageW(form->Window(), WM_COMMAND, IDM_INTERVAL_1S, 0);
  ::SendMessageW(form->Window(), WM_COMMAND, IDM_SLIDE_SHOW, 0);
  constexpr int kSlides = 8;
  const int slideServed = form->PreparedShown();
  for (int i = 0; i < kSlides; ++i) {
    const std::wstring before = form->PathOnDisplay();
    if (!PumpUntil([&] { return form->PathOnDisplay() != before; })) return;
  }
  tvbench::Report("slideshow_prepared_hits", double(form->PreparedShown() - slideServed) / kSlides, "share");
  tvbench::Report("waited_steps_prepared_hits", double(servedWaiting) / (kPictures - 1), "share");
  Close(form);
}

}  // namespace
