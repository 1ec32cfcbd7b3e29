#pragma once
// A small form that shows the status of work running on a worker thread and
// closes itself once the worker has ended. The window thread only polls the
// work (every 50 ms) and never waits on it.
#include <windows.h>

#include <string>

#include "forms/dialog_form.h"

namespace tv {

// The work the form runs; the caller wraps its job in this.
class ProgressWork {
 public:
  virtual ~ProgressWork() = default;
  // Starts the worker; false when it could not be started.
  virtual bool Start() = 0;
  virtual bool HasEnded() const = 0;
  // Called once the worker has ended: releases what the worker held.
  virtual void Finish() = 0;
  // Asks the worker to stop soon, keeping what it has done.
  virtual void RequestStop() = 0;
  // The status text to show; the worker may write it at any time.
  virtual std::wstring StatusText() const = 0;
};

class ProgressForm final : public DialogForm {
 public:
  ~ProgressForm() override;

  // Shows "IDD_PROGRESSFORM" over owner; the work starts once the form is
  // on screen, and Run returns after the worker has ended and Finish ran.
  // Esc or closing the form asks the work to stop; the form still waits for
  // the worker's end. False when the form could not be shown; the work
  // never started then.
  bool Run(HMODULE module, HWND owner, ProgressWork& work);

  // The polling timer's id (on the form's window); 0 before the first run.
  UINT_PTR TimerId() const noexcept { return timer_; }

 private:
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  void StartWork(HWND dialog);
  void Poll(HWND dialog);
  void StopTimer() noexcept;

  ProgressWork* work_ = nullptr;
  HWND status_ = nullptr;
  std::wstring shownStatus_;
  UINT_PTR timer_ = 0;
  HWND timerOwner_ = nullptr;
  bool startPending_ = false;
  bool working_ = false;
  bool started_ = false;
};

}  // namespace tv
