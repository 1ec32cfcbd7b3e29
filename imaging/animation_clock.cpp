#include "imaging/animation_clock.h"

#include <algorithm>
#include <utility>

namespace tv {

std::uint32_t FrameDelayMs(std::int64_t milliseconds) {
  if (milliseconds <= 0) return kDefaultFrameDelayMs;
  return static_cast<std::uint32_t>(std::min<std::int64_t>(milliseconds, 0x7FFFFFFF));
}

std::uint32_t GifFrameDelayMs(std::uint32_t hundredths) {
  return FrameDelayMs(static_cast<std::int64_t>(hundredths) * 10);
}

bool ShouldPreRender(std::uint32_t width, std::uint32_t height, std::uint32_t frames, std::uint64_t limitBits,
                     std::uint32_t maxFrames) {
  if (frames == 0 || frames > maxFrames || width == 0 || height == 0) return false;
  // width * height fits 64 bits; the rest is compared by division so the
  // product of all four factors is never formed.
  const std::uint64_t pixels = static_cast<std::uint64_t>(width) * height;
  const std::uint64_t perFrameBits = pixels > (~0ull) / 32 ? ~0ull : pixels * 32;
  if (perFrameBits >= limitBits) return false;
  const std::uint64_t framesBelowLimit = limitBits / perFrameBits + (limitBits % perFrameBits != 0 ? 1 : 0);
  return frames < framesBelowLimit;
}

void FrameClock::Start(std::vector<std::uint32_t> delaysMs, std::uint32_t loopCount, std::int64_t now) {
  if (delaysMs.empty()) delaysMs.push_back(kDefaultFrameDelayMs);
  for (std::uint32_t& delay : delaysMs) delay = FrameDelayMs(delay);
  delays_ = std::move(delaysMs);
  frameCount_ = static_cast<std::uint32_t>(delays_.size());
  loopCount_ = loopCount;
  loopsDone_ = current_ = skippedThisLoop_ = skippedLastLoop_ = 0;
  remaining_ = delays_[0];
  lastStep_ = frameStart_ = now;
  lastTimestamp_ = 0;
}

void FrameClock::StartStreamed(std::uint32_t frameCount, std::uint32_t loopCount, std::int64_t firstTimestamp,
                               std::int64_t now) {
  delays_.clear();
  frameCount_ = std::max<std::uint32_t>(frameCount, 1);
  loopCount_ = loopCount;
  loopsDone_ = current_ = skippedThisLoop_ = skippedLastLoop_ = 0;
  remaining_ = FrameDelayMs(firstTimestamp);
  lastTimestamp_ = firstTimestamp;
  lastStep_ = frameStart_ = now;
}

bool FrameClock::NextFrame() {
  if (current_ + 1 < frameCount_) {
    ++current_;
    return true;
  }
  ++loopsDone_;
  skippedLastLoop_ = skippedThisLoop_;
  skippedThisLoop_ = 0;
  if (Finished()) return false;
  current_ = 0;
  return true;
}

std::int64_t FrameClock::TakeLateness(std::int64_t now) {
  lastStep_ = now;
  const std::int64_t elapsed = now - frameStart_;
  frameStart_ = now;
  return elapsed < remaining_ ? 0 : elapsed - remaining_;
}

bool FrameClock::Step(std::int64_t now) {
  if (Finished() || frameCount_ == 0) return false;
  if (!NextFrame()) return false;
  const std::int64_t lateness = TakeLateness(now);
  remaining_ = static_cast<std::int64_t>(delays_[current_]) - lateness;
  // Frames that are already over are skipped, never shown late one after
  // another; a lateness of many loops costs one pass of additions per loop.
  // A frame whose time ended exactly now is over too.
  while (remaining_ <= 0) {
    ++skippedThisLoop_;
    if (!NextFrame()) {
      remaining_ = 0;
      break;
    }
    remaining_ += delays_[current_];
  }
  return true;
}

bool FrameClock::StepStreamed(std::int64_t now, const DecodeNextFrame& next) {
  if (Finished() || frameCount_ == 0) return false;
  std::int64_t lateness = TakeLateness(now);
  bool decodedAny = false;
  // Each pass decodes a frame; one loop's worth is enough to catch up with
  // any lateness (a frame that was due further back is not worth decoding).
  for (std::uint32_t pass = 0; pass <= frameCount_; ++pass) {
    std::int64_t duration = 0;
    if (current_ + 1 >= frameCount_) {
      if (loopCount_ > 0 && loopsDone_ + 1 >= loopCount_) {
        // The last frame of the last loop stays on screen.
        ++loopsDone_;
        skippedLastLoop_ = skippedThisLoop_;
        skippedThisLoop_ = 0;
        if (!decodedAny) return false;
        break;
      }
      const StreamedFrame frame = next(true);
      if (!frame.ok) return false;
      skippedLastLoop_ = skippedThisLoop_;
      skippedThisLoop_ = 1;
      current_ = 0;
      ++loopsDone_;
      duration = frame.timestamp;
      lastTimestamp_ = frame.timestamp;
    } else {
      const StreamedFrame frame = next(false);
      if (!frame.ok) {
        // The frames after a corrupt one are lost: the loop ends here.
        frameCount_ = current_ + 1;
        continue;
      }
      ++current_;
      ++skippedThisLoop_;
      duration = frame.timestamp - lastTimestamp_;
      lastTimestamp_ = frame.timestamp;
    }
    decodedAny = true;
    lateness -= FrameDelayMs(duration);
    if (lateness < 0 || Finished()) break;
  }
  if (skippedThisLoop_ > 0) --skippedThisLoop_;  // the frame shown was not skipped
  remaining_ = std::max<std::int64_t>(-lateness, 0);
  return decodedAny;
}

std::int64_t FrameClock::TimeLeft(std::int64_t now) const {
  return std::max<std::int64_t>(frameStart_ + remaining_ - now, 0);
}

void FrameClock::ShiftClocks(std::int64_t milliseconds) {
  if (milliseconds <= 0) return;
  frameStart_ += milliseconds;
  lastStep_ += milliseconds;
}

}  // namespace tv
