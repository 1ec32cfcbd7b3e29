#include "app/tray_icon.h"

#include <shellapi.h>

#include <utility>

#include "util/window_messages.h"

namespace tv {
namespace {

constexpr size_t kMostTipCharacters = 63;

// The first characters of a tip, never half a surrogate pair.
std::wstring CutTip(const std::wstring& tip) {
  if (tip.size() <= kMostTipCharacters) return tip;
  size_t length = kMostTipCharacters;
  if (IS_HIGH_SURROGATE(tip[length - 1])) --length;
  return tip.substr(0, length);
}

}  // namespace

TrayIcon::TrayIcon(TrayIcon&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)),
      picture_(std::exchange(other.picture_, nullptr)),
      tip_(std::move(other.tip_)) {}

TrayIcon& TrayIcon::operator=(TrayIcon&& other) noexcept {
  if (this != &other) {
    Remove();
    window_ = std::exchange(other.window_, nullptr);
    picture_ = std::exchange(other.picture_, nullptr);
    tip_ = std::move(other.tip_);
  }
  return *this;
}

bool TrayIcon::Show(HWND window, HICON picture, const std::wstring& tip) {
  const std::wstring cut = CutTip(tip);
  if (window_ == window && picture_ == picture && tip_ == cut) return true;
  if (window_ && window_ != window) Remove();
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayMessage;
  record.hIcon = picture;
  cut.copy(record.szTip, cut.size());
  // A shell started anew since the icon was added may have forgotten it: add again.
  const bool done = (window_ && ::Shell_NotifyIconW(NIM_MODIFY, &record)) || ::Shell_NotifyIconW(NIM_ADD, &record);
  if (!done) return false;
  window_ = window;
  picture_ = picture;
  tip_ = cut;
  return true;
}

void TrayIcon::Remove() noexcept {
  if (!window_) return;
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  ::Shell_NotifyIconW(NIM_DELETE, &record);
  window_ = nullptr;
  picture_ = nullptr;
  tip_.clear();
}

void TrayIcon::ShellRestarted() noexcept {
  window_ = nullptr;
  picture_ = nullptr;
  tip_.clear();
}

}  // namespace tv
