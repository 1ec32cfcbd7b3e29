// Drives a real LISTBOX under its subclass.
#include "forms/list_box_control.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

struct Recorder {
  std::vector<UINT> keys;
  bool swallowKeys = false;
};

LRESULT RecordKeys(void* context, HWND, UINT message, WPARAM wParam, LPARAM, bool& passOn) noexcept {
  auto* recorder = static_cast<Recorder*>(context);
  if (message == WM_KEYDOWN) {
    recorder->keys.push_back(static_cast<UINT>(wParam));
    passOn = !recorder->swallowKeys;
  }
  return 0;
}

class ListBoxControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    ASSERT_TRUE(list_.Create(parent_, &RecordKeys, &recorder_));
  }
  void TearDown() override {
    if (parent_) ::DestroyWindow(parent_);
  }
  HWND parent_ = nullptr;
  Recorder recorder_;
  ListBoxControl list_;
};

TEST_F(ListBoxControlTest, RefillReplacesItemsSelectionAndCaretDownToNone) {
  list_.Refill({L"a\\1.jpg", L"a\\2.jpg", L"a\\3.jpg"}, {0}, 0);
  list_.Refill({L"b\\1.png", L"b\\2.png", L"b\\3.png", L"b\\4.png"}, {1, 3}, 2);
  EXPECT_EQ(list_.Count(), 4);
  EXPECT_EQ(list_.SelectedItems(), (std::vector<int>{1, 3}));
  EXPECT_EQ(list_.CurrentIndex(), 2);
  wchar_t text[32] = {};
  ::SendMessageW(list_.Handle(), LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"b\\4.png");
  list_.Refill({}, {}, -1);
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_EQ(list_.CurrentIndex(), -1);
  EXPECT_TRUE(list_.SelectedItems().empty());
}

TEST_F(ListBoxControlTest, RenamedItemKeepsItsPlaceAndSelection) {
  list_.Refill({L"x", L"y", L"z"}, {1}, 1);
  list_.SetItemText(1, L"renamed");
  wchar_t text[32] = {};
  ::SendMessageW(list_.Handle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"renamed");
  EXPECT_TRUE(list_.IsSelected(1));
  list_.RemoveItem(0);
  EXPECT_EQ(list_.Count(), 2);
  list_.SetItemText(5, L"ignored");  // outside the list: no effect, no crash
  EXPECT_EQ(list_.Count(), 2);
}

TEST_F(ListBoxControlTest, OwnerSeesKeysFirstAndCanSwallowThem) {
  list_.Refill({L"1", L"2", L"3", L"4"}, {0}, 0);
  recorder_.swallowKeys = true;
  ::SendMessageW(list_.Handle(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(list_.CurrentIndex(), 0) << "a swallowed key never reaches the control";
  recorder_.swallowKeys = false;
  ::SendMessageW(list_.Handle(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(list_.CurrentIndex(), 3) << "a passed key moves the caret";
  EXPECT_EQ(recorder_.keys, (std::vector<UINT>{VK_END, VK_END}));
}

}  // namespace
}  // namespace tv
