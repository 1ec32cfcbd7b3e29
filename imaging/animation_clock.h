#pragma once
// The timing of an animated picture, free of any decoder: which frame is due,
// how long it stays, how many loops have run and how many frames were dropped
// to keep the real speed when painting falls behind. Times are milliseconds of
// one monotonic clock, held in 64 bits so a wrap of the 32-bit system clock
// cannot make a frame due for ever.
#include <cstdint>
#include <functional>
#include <vector>

namespace tv {

inline constexpr std::uint32_t kDefaultFrameDelayMs = 100;
// Frames together may take this many bits before they are decoded one by one
// instead of all at once (12,500,000 bytes at 32 bits a pixel).
inline constexpr std::uint64_t kPreRenderLimitBits = 100000000;
// Each pre-rendered frame is a GDI bitmap; a process has 10,000 GDI objects.
inline constexpr std::uint32_t kPreRenderMaxFrames = 1000;

// A frame shown for 0 ms (or a timestamp that runs backwards) is shown for
// the default delay instead; short delays are kept as they are.
std::uint32_t FrameDelayMs(std::int64_t milliseconds);
// GIF delays come in hundredths of a second.
std::uint32_t GifFrameDelayMs(std::uint32_t hundredths);

// True when all frames fit the limits above (computed without overflow).
bool ShouldPreRender(std::uint32_t width, std::uint32_t height, std::uint32_t frames,
                     std::uint64_t limitBits = kPreRenderLimitBits, std::uint32_t maxFrames = kPreRenderMaxFrames);

// One decoded frame of a forward-only decoder: its end time on the
// animation's time line, or ok false when it could not be decoded.
struct StreamedFrame {
  bool ok = false;
  std::int64_t timestamp = 0;
};
// Decodes the next frame; fromStart rewinds to frame 0 first.
using DecodeNextFrame = std::function<StreamedFrame(bool fromStart)>;

class FrameClock {
 public:
  // Frames with known delays (pre-rendered, or a GIF re-rendered per frame).
  // An empty list gives one frame of the default delay.
  void Start(std::vector<std::uint32_t> delaysMs, std::uint32_t loopCount, std::int64_t now);
  // Frames decoded forward only: frame 0 has been decoded and ended at
  // firstTimestamp.
  void StartStreamed(std::uint32_t frameCount, std::uint32_t loopCount, std::int64_t firstTimestamp,
                     std::int64_t now);

  // Advances to the frame that is due at `now`, skipping frames that are
  // already over. False once the loop count is used up; the last frame then
  // stays current.
  bool Step(std::int64_t now);
  // The same for a forward-only decoder, which `next` drives. A frame that
  // fails to decode ends the loop there (the frame count shrinks to what
  // decoded); false when even frame 0 fails or the loop count is used up.
  bool StepStreamed(std::int64_t now, const DecodeNextFrame& next);

  // Milliseconds until the next frame is due, never negative.
  std::int64_t TimeLeft(std::int64_t now) const;
  // A pause of `milliseconds` (a modal dialog) is not time the animation
  // fell behind: both clocks move forward by it.
  void ShiftClocks(std::int64_t milliseconds);
  bool Finished() const { return loopCount_ > 0 && loopsDone_ >= loopCount_; }

  std::uint32_t frameCount() const { return frameCount_; }
  std::uint32_t loopCount() const { return loopCount_; }
  std::uint32_t loopsDone() const { return loopsDone_; }
  std::uint32_t currentFrame() const { return current_; }
  std::int64_t remaining() const { return remaining_; }
  std::uint32_t skippedThisLoop() const { return skippedThisLoop_; }
  std::uint32_t skippedLastLoop() const { return skippedLastLoop_; }
  const std::vector<std::uint32_t>& delays() const { return delays_; }

 private:
  // Moves to the next frame, counting loops; false when the loop count was
  // reached at the end of a loop (current stays on the last frame).
  bool NextFrame();
  std::int64_t TakeLateness(std::int64_t now);

  std::vector<std::uint32_t> delays_;
  std::uint32_t frameCount_ = 0;
  std::uint32_t loopCount_ = 0;  // 0: endless
  std::uint32_t loopsDone_ = 0;
  std::uint32_t current_ = 0;
  std::int64_t remaining_ = 0;
  std::uint32_t skippedThisLoop_ = 0;
  std::uint32_t skippedLastLoop_ = 0;
  std::int64_t lastStep_ = 0;
  std::int64_t frameStart_ = 0;
  std::int64_t lastTimestamp_ = 0;  // streamed only
};

}  // namespace tv
