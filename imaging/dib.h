#pragma once
// 32-bit top-down device-independent bitmaps, the working format of every
// picture bitmap: 4 bytes a pixel in blue, green, red, alpha order, rows
// width * 4 bytes apart.
#include <windows.h>

#include <cstdint>
#include <thread>

#include "util/win_handles.h"

namespace tv {

// The largest pixel buffer the loader asks for; larger pictures fail their
// load instead of exhausting memory. GDI cannot address more in one DIB.
constexpr std::uint64_t kMaxBitmapBytes = 0x7FFFFFFF;

// True when width x height pixels of 4 bytes stay within kMaxBitmapBytes.
bool FitsBitmapLimit(std::int64_t width, std::int64_t height);

// Empty (and *bits null) when a side is not positive, the size is over the
// limit, or GDI cannot allocate it.
UniqueBitmap CreateTopDownDib(int width, int height, void** bits);

// A new bitmap whose pages a helper thread touches meanwhile: the first write
// into tens of megabytes of fresh memory costs more than filling them, and
// need not wait for the caller. The thread is joined by Take and on
// destruction.
class WarmBitmap {
 public:
  WarmBitmap() = default;
  ~WarmBitmap() { Join(); }
  WarmBitmap(const WarmBitmap&) = delete;
  WarmBitmap& operator=(const WarmBitmap&) = delete;
  // Does nothing when the bitmap or the thread cannot be had.
  void Start(int width, int height);
  // The bitmap, once touched, when it has this size; empty otherwise.
  UniqueBitmap Take(int width, int height, void** bits);

 private:
  void Join() noexcept;

  UniqueBitmap bitmap_;  // outlives the thread that writes into it
  void* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  std::thread toucher_;
};

}  // namespace tv
