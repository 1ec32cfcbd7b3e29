// Process entry: GDI+ for the life of the process, one viewer window, the
// message loop.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "imaging/gdiplus_owners.h"
#include "util/win_handles.h"

namespace {

struct LocalMemoryTraits {
  using Handle = LPWSTR*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { ::LocalFree(h); }
};

std::vector<std::wstring> ArgumentsAfterProgram() {
  std::vector<std::wstring> arguments;
  int count = 0;
  const tv::UniqueResource<LocalMemoryTraits> argv(::CommandLineToArgvW(::GetCommandLineW(), &count));
  if (!argv) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(argv.get()[i]);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  tv::GdiplusSession gdiplus;
  tv::ComInit com(COINIT_APARTMENTTHREADED);
  auto form = std::make_unique<tv::MainForm>();
  if (!form->Startup(instance, showCommand, ArgumentsAfterProgram())) {
    // Without a window nothing could ever end the process: say so and leave.
    ::MessageBoxW(nullptr, L"The viewer window could not be created.", L"taverlune image viewer",
                  MB_ICONERROR);
    return 1;
  }
  MSG message;
  int exitCode = 0;
  while (true) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      exitCode = static_cast<int>(message.wParam);
      break;
    }
    if (got == -1) {
      exitCode = 1;
      break;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  form.reset();
  return exitCode;
}
