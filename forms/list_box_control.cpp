#include "forms/list_box_control.h"

namespace tv {

bool ListBoxControl::Create(HWND parent, Subclass subclass, void* context) noexcept {
  RECT client{};
  ::GetClientRect(parent, &client);
  HWND window = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, 0, 0,
                                  client.right, client.bottom, parent, reinterpret_cast<HMENU>(1),
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (!window) return false;
  if (control_.Attach(window, subclass, context)) return true;
  ::DestroyWindow(window);
  return false;
}

void ListBoxControl::Refill(const std::vector<std::wstring>& texts, const std::vector<int>& selectedItems,
                            int current) noexcept {
  if (!Handle()) return;
  SetRedraw(false);
  ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const std::wstring& text : texts) bytes += (text.size() + 1) * sizeof(wchar_t);
  ::SendMessageW(Handle(), LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
  for (const std::wstring& text : texts)
    ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SetRedraw(true);
  for (int index : selectedItems) SetSelected(index, true);
  SetCurrentIndex(current);
}

void ListBoxControl::RemoveItem(int index) noexcept {
  if (Handle() && index >= 0) ::SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBoxControl::SetItemText(int index, const std::wstring& text) noexcept {
  if (!Handle() || index < 0 || index >= Count()) return;
  const bool selected = IsSelected(index);
  SetRedraw(false);
  ::SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  ::SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  SetSelected(index, selected);
  SetRedraw(true);
}

int ListBoxControl::Count() const noexcept {
  if (!Handle()) return 0;
  const LRESULT count = ::SendMessageW(Handle(), LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int ListBoxControl::CurrentIndex() const noexcept {
  if (!Handle() || Count() == 0) return -1;
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
}

void ListBoxControl::SetCurrentIndex(int index) noexcept {
  if (Handle() && index >= 0 && index < Count())
    ::SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

bool ListBoxControl::IsSelected(int index) const noexcept {
  return Handle() && ::SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void ListBoxControl::SetSelected(int index, bool selected) noexcept {
  if (Handle() && index >= 0 && index < Count())
    ::SendMessageW(Handle(), LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

void ListBoxControl::SelectAll(bool selected) noexcept {
  if (Handle()) ::SendMessageW(Handle(), LB_SETSEL, selected ? TRUE : FALSE, -1);
}

std::vector<int> ListBoxControl::SelectedItems() const noexcept {
  std::vector<int> items;
  if (!Handle()) return items;
  const LRESULT count = ::SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return items;
  items.resize(static_cast<size_t>(count));
  const LRESULT got =
      ::SendMessageW(Handle(), LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data()));
  items.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return items;
}

void ListBoxControl::SetRedraw(bool enabled) noexcept {
  if (!Handle()) return;
  ::SendMessageW(Handle(), WM_SETREDRAW, enabled ? TRUE : FALSE, 0);
  if (enabled) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ListBoxControl::Show(bool visible) noexcept {
  visible_ = visible;
  if (Handle()) ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void ListBoxControl::Resize(int width, int height) noexcept {
  if (Handle()) ::SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ListBoxControl::Focus() noexcept {
  if (Handle()) ::SetFocus(Handle());
}

}  // namespace tv
