#pragma once
// The file-list view's control: a child "LISTBOX" with extended selection,
// subclassed so the owner sees its keys and mouse first. The owner keeps the
// list model; this wrapper only pushes texts and selections into the control
// and reads them back.
//
// Call order: Create (from the owner's WM_CREATE), then the rest; the control
// is destroyed with its parent window.
#include <windows.h>

#include <string>
#include <vector>

#include "forms/control_wrapper.h"

namespace tv {

class ListBoxControl {
 public:
  // Called for every message the control receives, before its own procedure.
  // Set `passOn` false to swallow the message; the result is then returned.
  using Subclass = ControlWrapper::Hook;

  ListBoxControl() = default;
  ListBoxControl(const ListBoxControl&) = delete;
  ListBoxControl& operator=(const ListBoxControl&) = delete;

  // Creates the hidden child (control id 1) filling the parent's client area.
  bool Create(HWND parent, Subclass subclass, void* context) noexcept;
  HWND Handle() const noexcept { return control_.Handle(); }

  // Replaces every item, redrawing once at the end. selectedItems are indices
  // to mark selected; current is the caret item (-1 for none).
  void Refill(const std::vector<std::wstring>& texts, const std::vector<int>& selectedItems, int current) noexcept;
  void RemoveItem(int index) noexcept;
  void SetItemText(int index, const std::wstring& text) noexcept;
  int Count() const noexcept;

  int CurrentIndex() const noexcept;  // caret item, -1 when empty
  void SetCurrentIndex(int index) noexcept;
  bool IsSelected(int index) const noexcept;
  void SetSelected(int index, bool selected) noexcept;
  void SelectAll(bool selected) noexcept;
  std::vector<int> SelectedItems() const noexcept;

  void SetRedraw(bool enabled) noexcept;
  void Show(bool visible) noexcept;
  bool Visible() const noexcept { return visible_; }
  void Resize(int width, int height) noexcept;
  void Focus() noexcept;

  // The control's own window procedure, for messages the owner passes on.
  LRESULT CallPrevious(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
    return control_.CallPrevious(listBox, message, wParam, lParam);
  }

 private:
  ControlWrapper control_;  // forgets the control when it is destroyed
  bool visible_ = false;
};

}  // namespace tv
