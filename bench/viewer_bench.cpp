// How much the window adds on top of the loader when stepping through big
// pictures, and how long the program takes to show its first picture.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "bench/bench.h"
#include "bench/bench_pictures.h"
#include "tests/imaging/picture_files.h"
#include "tests/support/temp_folder.h"
#include "util/file_system.h"

namespace {

constexpr int kPictures = 50, kWidth = 4000, kHeight = 3000;

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

std::vector<std::wstring> WritePictures(const tvtest::TempFolder& folder) {
  const std::string jpeg = tvbench::GradientJpeg(kWidth, kHeight);
  std::vector<std::wstring> paths;
  for (int i = 0; i < kPictures; ++i) {
    wchar_t name[32];
    ::swprintf(name, 32, L"pictures\\%03d.jpg", i);
    paths.push_back(folder.WriteBytes(name, jpeg));
  }
  return paths;
}

TV_BENCH(next_picture_overhead) {
  tv::GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  const std::wstring pictures = folder.MakeFolder(L"pictures");
  const std::vector<std::wstring> paths = WritePictures(folder);

  tv::MainFormOptions options;
  options.appDataFolder = folder.MakeFolder(L"appdata");
  options.readStartKeys = false;
  options.showMessageBoxes = false;
  // A first start would otherwise wait in the shortcut offer for a user.
  options.offerFirstStartShortcut = false;
  auto form = std::make_unique<tv::MainForm>(options);
  if (!form->Startup(::GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE, {pictures})) return;
  Pump();
  const tv::PixelBox fitted = form->View().PictureRect();

  // From a posted key to the next picture painted, and the loader alone
  // decoding and fitting the same file to the same box, taken in turns so
  // both see the same machine load.
  tv::LoadedImage loader;
  double viewerSeconds = 0, loaderSeconds = 0;
  for (int i = 1; i < kPictures; ++i) {
    const std::wstring before = form->PathOnDisplay();
    tvbench::Stopwatch viewer;
    ::PostMessageW(form->Window(), WM_KEYDOWN, VK_SPACE, 1);
    while (form->PathOnDisplay() == before) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      Pump();
    }
    viewerSeconds += viewer.Seconds();

    tv::ImageEntry entry;
    entry.path = paths[static_cast<size_t>(i)];
    tvbench::Stopwatch alone;
    if (!loader.LoadFile(entry)) return;
    loader.SetTargetSize(fitted.width, fitted.height);
    loader.Transform();
    loaderSeconds += alone.Seconds();
  }
  ::DestroyWindow(form->Window());
  Pump();
  form.reset();
  tvbench::Report("next_picture_ms", viewerSeconds * 1000 / (kPictures - 1), "ms");
  tvbench::Report("loader_only_ms", loaderSeconds * 1000 / (kPictures - 1), "ms");
  tvbench::Report("next_picture_overhead_ratio", viewerSeconds / loaderSeconds, "ratio");
}

// Process start until the started program answers a message, which it does
// only after its first picture has been painted.
TV_BENCH(startup) {
  tv::GdiplusSession gdiplus;
  tvtest::TempFolder folder;
  folder.MakeFolder(L"pictures");
  const std::string png = tvtest::EncodeWithGdiplus(
      1600, 1200, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>((x * y) & 0xFFFFFF); },
      L"image/png");
  folder.WriteBytes(L"pictures\\first.png", png);
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring program = self;
  program = program.substr(0, program.find_last_of(L'\\') + 1) + L"taverlune.exe";
  std::wstring commandLine = L"\"" + program + L"\" /benchmark \"" + folder.Join(L"pictures") + L"\"";

  const int runs = 3;
  double best = 1e9;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    tvbench::Stopwatch clock;
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
      return;
    HWND window = nullptr;
    DWORD_PTR answer = 0;
    while (clock.Seconds() < 30) {
      window = ::FindWindowW(L"TAVERLUNE", nullptr);
      if (window && ::IsWindowVisible(window) &&
          ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
        break;
      ::Sleep(1);
    }
    best = std::min(best, clock.Seconds());
    if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    tv::UniqueHandle ownedProcess(process.hProcess), ownedThread(process.hThread);
  }
  tvbench::Report("startup_ms", best * 1000, "ms");
}

}  // namespace
