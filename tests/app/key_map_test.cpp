#include "app/key_map.h"

#include <gtest/gtest.h>

#include "menus/menu_ids.h"

namespace tv {
namespace {

constexpr unsigned kUp = 0x26, kDown = 0x28, kPageUp = 0x21, kPageDown = 0x22, kSpace = 0x20;

struct Expect {
  KeyView view;
  unsigned key, modifiers;
  KeyActionKind kind;
  int value;
};

TEST(KeyMap, BindingsMatchTheExactModifierMask) {
  const Expect rows[] = {
      {KeyView::Image, kSpace, 0, KeyActionKind::Step, 1},
      {KeyView::Image, kSpace, kShift, KeyActionKind::Step, -1},
      {KeyView::Image, kSpace, kCtrl, KeyActionKind::Command, IDM_HIDE},
      {KeyView::Image, kPageDown, kAlt, KeyActionKind::StepWithSiblings, 10},
      {KeyView::Image, kPageUp, kCtrl | kShift | kAlt, KeyActionKind::StepWithSiblings, -10},
      {KeyView::Image, kUp, kCtrl, KeyActionKind::StepAllByWindowCount, -1},
      {KeyView::FileList, kDown, kShift, KeyActionKind::PassToListBox, 0},
      {KeyView::FileList, kUp, kCtrl | kShift, KeyActionKind::PassToListBox, 0},
      {KeyView::FileList, kUp, kAlt, KeyActionKind::MoveSelection, -1},
  };
  for (const Expect& row : rows) {
    const KeyAction* action = FindKeyAction(row.view, row.key, row.modifiers);
    ASSERT_NE(action, nullptr) << "key " << row.key << " mask " << row.modifiers;
    EXPECT_EQ(action->kind, row.kind) << "key " << row.key << " mask " << row.modifiers;
    EXPECT_EQ(action->value, row.value) << "key " << row.key << " mask " << row.modifiers;
  }
}

TEST(KeyMap, UnboundKeysAndMasksDoNothing) {
  EXPECT_EQ(FindKeyAction(KeyView::Image, kUp, kCtrl | kShift), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::Image, kSpace, kCtrl | kAlt), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::Image, 'G', 0), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::FileList, 'G', 0), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::FileList, kPageDown, 0), nullptr) << "paging is swallowed in the list";
  EXPECT_EQ(FindKeyAction(KeyView::FileList, kSpace, 0), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::FileList, kDown, kAlt | kCtrl), nullptr);
  EXPECT_EQ(FindKeyAction(KeyView::FileList, 'A', 0), nullptr);
}

}  // namespace
}  // namespace tv
