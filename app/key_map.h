#pragma once
// What every key does, in one table per view. A key is found by its virtual
// key code and the exact modifier mask held with it (Shift 1, Ctrl 2, Alt 4):
// Ctrl+Alt matches neither a Ctrl nor an Alt binding. Keys without a row do
// nothing. Kept free of windows so the tables can be checked natively.
#include <cstdint>

namespace tv {

enum ModifierMask : unsigned { kShift = 1, kCtrl = 2, kAlt = 4 };

enum class KeyView { Image, FileList };

enum class KeyActionKind {
  Command,               // value: menu command id, run as if chosen from the menu
  Step,                  // value: signed count
  StepWithSiblings,      // value: signed count, here and in every sibling window
  StepAllByWindowCount,  // value: sign; every window steps by the number of windows
  ShowFirst,
  ShowLast,
  ShowList,
  ShowSelected,
  Close,
  FileOperation,         // value: 0 delete, 1 recycle, 2 the third variant
  PathToClipboard,       // path of the entry on display as text
  PixelRgbToClipboard,   // RGB text of the pixel under the cursor
  Zoom,                  // value: +1 enlarge by 1.5, -1 shrink by 1.5
  Turn,                  // value: quarter turns, -1 or +1
  SortByName,
  SelectAll,
  SelectNone,
  InvertSelection,
  MoveSelection,         // value: -1 up, +1 down
  PassToListBox,
};

struct KeyAction {
  KeyActionKind kind;
  int value = 0;
};

// nullptr when the key does nothing in that view with that mask.
const KeyAction* FindKeyAction(KeyView view, unsigned virtualKey, unsigned modifiers);

}  // namespace tv
