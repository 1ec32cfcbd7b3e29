// Saves the whole screen as a PNG: used by `make run` on machines without a
// display, where the viewer runs under a virtual one.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "imaging/dib.h"
#include "tools/gdiplus_tool.h"
#include "util/win_handles.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: screenshot <file.png>\n", stderr);
    return 2;
  }
  const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return 1;

  tv::WindowDC screen(nullptr);
  tv::UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  tv::UniqueBitmap bitmap = tv::CreateTopDownDib(width, height, &bits);
  if (!memory || !bitmap || !bits) return 1;
  {
    tv::SelectedObject selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY);
  }
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + static_cast<size_t>(width) * height);
  for (auto& p : pixels) p |= 0xFF000000u;  // the screen has no alpha
  tools::GdiplusSession gdiplus;
  return gdiplus.ok() && tools::SavePixels(argv[1], L"png", width, height, pixels) ? 0 : 1;
}
