#include "forms/list_box_control.h"

namespace tv {
namespace {
constexpr wchar_t kOwnerProperty[] = L"taverlune.ListBoxControl";
}

bool ListBoxControl::Create(HWND parent, Subclass subclass, void* context) noexcept {
  RECT client{};
  ::GetClientRect(parent, &client);
  window_ = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, 0, 0,
                              client.right, client.bottom, parent, reinterpret_cast<HMENU>(1),
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  subclass_ = subclass;
  context_ = context;
  ::SetPropW(window_, kOwnerProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListBoxControl::Procedure)));
  return true;
}

LRESULT CALLBACK ListBoxControl::Procedure(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = static_cast<ListBoxControl*>(::GetPropW(listBox, kOwnerProperty));
  if (!self) return ::DefWindowProcW(listBox, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::RemovePropW(listBox, kOwnerProperty);
    const WNDPROC previous = self->previous_;
    ::SetWindowLongPtrW(listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    self->window_ = nullptr;
    return ::CallWindowProcW(previous, listBox, message, wParam, lParam);
  }
  if (self->subclass_) {
    bool passOn = true;
    const LRESULT result = self->subclass_(self->context_, listBox, message, wParam, lParam, passOn);
    if (!passOn) return result;
  }
  return self->CallPrevious(listBox, message, wParam, lParam);
}

LRESULT ListBoxControl::CallPrevious(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
  return previous_ ? ::CallWindowProcW(previous_, listBox, message, wParam, lParam)
                   : ::DefWindowProcW(listBox, message, wParam, lParam);
}

void ListBoxControl::Refill(const std::vector<std::wstring>& texts, const std::vector<int>& selectedItems,
                            int current) noexcept {
  if (!window_) return;
  SetRedraw(false);
  ::SendMessageW(window_, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const std::wstring& text : texts) bytes += (text.size() + 1) * sizeof(wchar_t);
  ::SendMessageW(window_, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
  for (const std::wstring& text : texts)
    ::SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SetRedraw(true);
  for (int index : selectedItems) SetSelected(index, true);
  SetCurrentIndex(current);
}

void ListBoxControl::RemoveItem(int index) noexcept {
  if (window_ && index >= 0) ::SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBoxControl::SetItemText(int index, const std::wstring& text) noexcept {
  if (!window_ || index < 0 || index >= Count()) return;
  const bool selected = IsSelected(index);
  SetRedraw(false);
  ::SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  ::SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  SetSelected(index, selected);
  SetRedraw(true);
}

int ListBoxControl::Count() const noexcept {
  if (!window_) return 0;
  const LRESULT count = ::SendMessageW(window_, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int ListBoxControl::CurrentIndex() const noexcept {
  if (!window_ || Count() == 0) return -1;
  return static_cast<int>(::SendMessageW(window_, LB_GETCARETINDEX, 0, 0));
}

void ListBoxControl::SetCurrentIndex(int index) noexcept {
  if (window_ && index >= 0 && index < Count())
    ::SendMessageW(window_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

bool ListBoxControl::IsSelected(int index) const noexcept {
  return window_ && ::SendMessageW(window_, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void ListBoxControl::SetSelected(int index, bool selected) noexcept {
  if (window_ && index >= 0 && index < Count())
    ::SendMessageW(window_, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

void ListBoxControl::SelectAll(bool selected) noexcept {
  if (window_) ::SendMessageW(window_, LB_SETSEL, selected ? TRUE : FALSE, -1);
}

std::vector<int> ListBoxControl::SelectedItems() const noexcept {
  std::vector<int> items;
  if (!window_) return items;
  const LRESULT count = ::SendMessageW(window_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return items;
  items.resize(static_cast<size_t>(count));
  const LRESULT got =
      ::SendMessageW(window_, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data()));
  items.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return items;
}

void ListBoxControl::SetRedraw(bool enabled) noexcept {
  if (!window_) return;
  ::SendMessageW(window_, WM_SETREDRAW, enabled ? TRUE : FALSE, 0);
  if (enabled) ::InvalidateRect(window_, nullptr, TRUE);
}

void ListBoxControl::Show(bool visible) noexcept {
  visible_ = visible;
  if (window_) ::ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

void ListBoxControl::Resize(int width, int height) noexcept {
  if (window_) ::SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ListBoxControl::Focus() noexcept {
  if (window_) ::SetFocus(window_);
}

}  // namespace tv
