#include "imaging/animation_thread.h"

#include <algorithm>

namespace tv {

AnimationThread::~AnimationThread() {
  Stop();
  // A pacer stuck for longer than the wait limit still has to be waited for:
  // it refers to objects that die with the caller.
  if (thread_.joinable()) thread_.join();
}

bool AnimationThread::Start() {
  if (!Stop()) return false;
  {
    std::lock_guard lock(mutex_);
    stopRequested_ = pauseRequested_ = pauseAcknowledged_ = false;
    running_ = true;
  }
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (...) {
    std::lock_guard lock(mutex_);
    running_ = false;
    return false;
  }
  ++started_;
  return true;
}

bool AnimationThread::WaitEnded(std::chrono::milliseconds limit) {
  if (!thread_.joinable()) return true;
  std::unique_lock lock(mutex_);
  if (!changed_.wait_for(lock, limit, [this] { return !running_; })) return false;
  lock.unlock();
  if (thread_.joinable()) thread_.join();
  return true;
}

void AnimationThread::RequestStop() {
  {
    std::lock_guard lock(mutex_);
    if (!running_) return;
    stopRequested_ = true;
    pauseRequested_ = false;
  }
  changed_.notify_all();
}

bool AnimationThread::Stop() {
  if (!thread_.joinable()) return true;
  RequestStop();
  return WaitEnded(kWaitLimit);
}

bool AnimationThread::Pause() {
  std::unique_lock lock(mutex_);
  if (!running_) return true;
  pauseRequested_ = true;
  changed_.notify_all();
  return changed_.wait_for(lock, kWaitLimit, [this] { return pauseAcknowledged_ || !running_; });
}

void AnimationThread::Resume() {
  {
    std::lock_guard lock(mutex_);
    if (!pauseRequested_) return;
    pauseRequested_ = false;
  }
  changed_.notify_all();
}

bool AnimationThread::Running() const {
  std::lock_guard lock(mutex_);
  return running_;
}

bool AnimationThread::StopRequested() const {
  std::lock_guard lock(mutex_);
  return stopRequested_;
}

bool AnimationThread::PauseRequested() const {
  std::lock_guard lock(mutex_);
  return pauseRequested_;
}

void AnimationThread::Run() {
  bool endedByItself = false;
  std::unique_lock lock(mutex_);
  while (!stopRequested_) {
    if (pauseRequested_) {
      pauseAcknowledged_ = true;
      changed_.notify_all();
      changed_.wait(lock, [this] { return stopRequested_ || !pauseRequested_; });
      pauseAcknowledged_ = false;
      changed_.notify_all();
      continue;
    }
    lock.unlock();
    const std::int64_t left = pacer_.TimeLeftMs();
    lock.lock();
    if (left < 0) {
      endedByItself = true;
      break;
    }
    if (left > 0) {
      const auto slice = std::min<std::chrono::milliseconds>(std::chrono::milliseconds(left), kSlice);
      changed_.wait_for(lock, slice, [this] { return stopRequested_ || pauseRequested_; });
      continue;
    }
    if (stopRequested_ || pauseRequested_) continue;
    lock.unlock();
    const bool more = pacer_.AdvanceFrame();
    lock.lock();
    if (!more) {
      endedByItself = true;
      break;
    }
  }
  const bool paintLast = endedByItself && !stopRequested_;
  lock.unlock();
  if (paintLast) pacer_.AnimationEnded();
  lock.lock();
  running_ = false;
  pauseAcknowledged_ = false;
  changed_.notify_all();
}

}  // namespace tv
