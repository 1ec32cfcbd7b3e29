#pragma once
// The one worker thread that paces an animated picture: it sleeps until the
// next frame is due (in slices of at most 50 ms, so a stop or pause is seen
// at once), then asks its pacer to advance the frame and paint it. Window-free;
// the pacer does the drawing.
//
// Locking, and why there is no race: the thread never touches the picture
// itself. Its pacer advances and paints under the picture lock and first asks
// StopRequested()/PauseRequested(), which the window thread sets *before* it
// takes that lock to free, replace or cover the picture. So once Stop or Pause
// has returned - even after a timeout - no frame is drawn from a bitmap that
// is being freed or replaced. The window thread must never call Stop or Pause
// while holding the picture lock: the pacer may be waiting for it, and the
// waits here are bounded so that such a mistake stalls, never deadlocks.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace tv {

class AnimationPacer {
 public:
  virtual ~AnimationPacer() = default;
  // Milliseconds until the next frame is due (0: now); negative when the
  // animation has stopped running.
  virtual std::int64_t TimeLeftMs() = 0;
  // Advances to the due frame and paints it; false when the animation ended.
  virtual bool AdvanceFrame() = 0;
  // The animation ended by itself (loop count reached): the last paint.
  virtual void AnimationEnded() = 0;
};

class AnimationThread {
 public:
  static constexpr std::chrono::milliseconds kSlice{50};
  static constexpr std::chrono::milliseconds kWaitLimit{2000};

  // The pacer must outlive the thread object.
  explicit AnimationThread(AnimationPacer& pacer) : pacer_(pacer) {}
  ~AnimationThread();
  AnimationThread(const AnimationThread&) = delete;
  AnimationThread& operator=(const AnimationThread&) = delete;

  // Starts a new thread, stopping any earlier one first. False when no
  // thread could be created.
  bool Start();
  // Ends the thread; true when it ended within the wait limit.
  bool Stop();
  // The two halves of Stop: ask, then wait at most `limit` for the end.
  void RequestStop();
  bool WaitEnded(std::chrono::milliseconds limit);
  // Holds the thread between frames; true when it acknowledged in time (or
  // is not running). Resume lets it go on.
  bool Pause();
  void Resume();

  bool Running() const;
  bool StopRequested() const;
  bool PauseRequested() const;
  int StartedCount() const { return started_; }

 private:
  void Run();

  AnimationPacer& pacer_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
  bool running_ = false;
  bool stopRequested_ = false;
  bool pauseRequested_ = false;
  bool pauseAcknowledged_ = false;
  int started_ = 0;
};

}  // namespace tv
