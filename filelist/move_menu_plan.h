#pragma once
// The destinations the move menu offers for one file, worked out without a
// window: the folder moved to last, the remembered folders, the parent, the
// sub-folders, then the item that remembers the folder and the item that
// makes a new one. Item k of the menu runs command firstId + k and moves to
// targets[k], which is a folder path or one of the markers below.
#include <string>
#include <vector>

#include "util/text_menu_item.h"

namespace tv {

inline constexpr wchar_t kAddFolderTarget[] = L"?";
inline constexpr wchar_t kParentTarget[] = L"??";
inline constexpr wchar_t kCreateFolderTarget[] = L"*";

enum class MoveTargetKind { Folder, AddToHistory, Parent, CreateFolder };
MoveTargetKind KindOfTarget(const std::wstring& target);

struct MoveMenuFacts {
  std::wstring folder;           // the folder of the file to move
  std::wstring lastMovedFolder;  // empty unless it names an existing folder
  std::vector<std::wstring> movedFolders;  // the remembered folders that exist, most recent first
  std::wstring parent;                     // empty when the folder has none
  std::vector<std::wstring> subfolders;    // full paths, in listing order
  std::wstring addFolderText;              // " (Add folder list)"
  std::wstring addFolderNoNameText;        // the same for a file without a folder
  std::wstring createFolderText;           // "Move to Create Folder"
};

using MoveMenuItem = TextMenuItem;

struct MoveMenuPlan {
  std::vector<MoveMenuItem> items;
  std::vector<std::wstring> targets;
};

// Ids run from firstId and stay below idLimit: sub-folders that would not fit
// are left out, the two last items always stay.
MoveMenuPlan PlanMoveMenu(const MoveMenuFacts& facts, int firstId, int idLimit);

// The last name of a folder ("C:" for a drive's root).
std::wstring FolderDisplayName(const std::wstring& folder);
// The folder above, in the form FolderOf gives ("C:" for the root of C:);
// empty for a drive's root and for a network share's root.
std::wstring ParentFolderOf(const std::wstring& folder);
// The folder as the file calls take it: a drive ("C:") becomes its root
// ("C:\"), which "C:" alone would not name.
std::wstring SystemFolderPath(const std::wstring& folder);

}  // namespace tv
