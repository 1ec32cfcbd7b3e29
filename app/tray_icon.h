#pragma once
// The window's icon in the notification area. The owner holds the icon's
// place there: it is removed by Remove or when the owner goes. Move-only.
#include <windows.h>

#include <string>

namespace tv {

class TrayIcon {
 public:
  TrayIcon() noexcept = default;
  TrayIcon(TrayIcon&& other) noexcept;
  TrayIcon& operator=(TrayIcon&& other) noexcept;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { Remove(); }

  // Adds the icon of `window`, or brings picture and tip up to date when it
  // is there already. The tip is cut to its first 63 characters. False when
  // the shell did not take it (no notification area).
  bool Show(HWND window, HICON picture, const std::wstring& tip);
  void Remove() noexcept;
  // A new shell has started and knows no icon: the next Show adds it again.
  void ShellRestarted() noexcept;

  bool Shown() const noexcept { return window_ != nullptr; }
  const std::wstring& Tip() const noexcept { return tip_; }

 private:
  HWND window_ = nullptr;  // set while the shell holds the icon
  HICON picture_ = nullptr;
  std::wstring tip_;
};

}  // namespace tv
