#include "forms/progress_form.h"

#include "forms/form_ids.h"
#include "util/timer_ids.h"

namespace tv {
namespace {
constexpr UINT kPollMilliseconds = 50;
}

ProgressForm::~ProgressForm() { StopTimer(); }

bool ProgressForm::Run(HMODULE module, HWND owner, ProgressWork& work) {
  work_ = &work;
  working_ = false;
  started_ = false;
  shownStatus_.clear();
  const INT_PTR result = RunDialog(module, L"IDD_PROGRESSFORM", owner);
  StopTimer();
  if (working_) {
    // The dialog went away under a running worker (its owner was destroyed):
    // the caller must not wait long for it.
    work.RequestStop();
  }
  work_ = nullptr;
  return result != -1 && started_;
}

void ProgressForm::StopTimer() noexcept {
  if (timer_ && timerOwner_) ::KillTimer(timerOwner_, timer_);
  timerOwner_ = nullptr;
}

void ProgressForm::StartWork(HWND dialog) {
  startPending_ = false;
  shownStatus_ = work_->StatusText();
  ::SetWindowTextW(status_, shownStatus_.c_str());
  if (!work_->Start()) {
    ::EndDialog(dialog, IDCANCEL);
    return;
  }
  working_ = started_ = true;
  if (!timer_) timer_ = NextTimerId();
  timerOwner_ = dialog;
  ::SetTimer(dialog, timer_, kPollMilliseconds, nullptr);
}

void ProgressForm::Poll(HWND dialog) {
  if (!working_) return;  // a tick left over from a worker already finished
  if (work_->HasEnded()) {
    StopTimer();
    work_->Finish();
    working_ = false;
    ::EndDialog(dialog, IDOK);
    return;
  }
  std::wstring status = work_->StatusText();
  if (status != shownStatus_) {
    shownStatus_ = std::move(status);
    ::SetWindowTextW(status_, shownStatus_.c_str());
    ::UpdateWindow(dialog);
  }
}

INT_PTR ProgressForm::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM, bool& handled) {
  handled = true;
  switch (message) {
    case WM_INITDIALOG:
      status_ = ::GetDlgItem(dialog, IDC_PROGRESS_STATUS);
      startPending_ = true;
      return TRUE;
    case WM_SHOWWINDOW:
      if (wParam && startPending_ && work_) StartWork(dialog);
      handled = false;
      return FALSE;
    case WM_TIMER:
      if (wParam == timer_) Poll(dialog);
      return TRUE;
    case WM_CLOSE:
    case WM_COMMAND:
      if (message == WM_COMMAND && LOWORD(wParam) != IDCANCEL) break;
      // Esc or the close box: a running scan is asked to stop and the form
      // closes on the next tick after the worker has ended; without a
      // worker it closes at once.
      if (working_)
        work_->RequestStop();
      else
        ::EndDialog(dialog, IDCANCEL);
      return TRUE;
    case WM_DESTROY:
      StopTimer();
      break;
    default:
      break;
  }
  handled = false;
  return FALSE;
}

}  // namespace tv
