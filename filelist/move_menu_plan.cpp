#include "filelist/move_menu_plan.h"

#include "util/paths.h"

namespace tv {
namespace {

std::wstring Accelerated(const std::wstring& text, wchar_t key) { return text + L"(&" + key + L")"; }

class PlanBuilder {
 public:
  PlanBuilder(int firstId, int idLimit) : nextId_(firstId), limit_(idLimit) {}

  bool Room(int reserved) const { return nextId_ + reserved < limit_; }
  void Item(const std::wstring& target, const std::wstring& text) {
    plan_.items.push_back({nextId_++, text});
    plan_.targets.push_back(target);
  }
  void Separator() { plan_.items.push_back({}); }
  MoveMenuPlan Take() { return std::move(plan_); }

 private:
  MoveMenuPlan plan_;
  int nextId_;
  int limit_;
};

}  // namespace

MoveTargetKind KindOfTarget(const std::wstring& target) {
  if (target == kAddFolderTarget) return MoveTargetKind::AddToHistory;
  if (target == kParentTarget) return MoveTargetKind::Parent;
  if (target == kCreateFolderTarget) return MoveTargetKind::CreateFolder;
  return MoveTargetKind::Folder;
}

std::wstring FolderDisplayName(const std::wstring& folder) {
  const std::wstring name = FileNameOf(folder);
  return name.empty() ? folder : name;
}

std::wstring ParentFolderOf(const std::wstring& folder) {
  const std::wstring parent = FolderOf(folder);
  // "\\server\share" has "\\server" above it, which is no folder.
  if (parent.size() >= 2 && parent[0] == L'\\' && parent[1] == L'\\' &&
      parent.find(L'\\', 2) == std::wstring::npos)
    return {};
  return parent;
}

std::wstring SystemFolderPath(const std::wstring& folder) {
  if (folder.size() == 2 && folder[1] == L':') return folder + L"\\";
  return folder;
}

MoveMenuPlan PlanMoveMenu(const MoveMenuFacts& facts, int firstId, int idLimit) {
  constexpr int kClosingItems = 2;  // remember the folder, create a folder
  PlanBuilder plan(firstId, idLimit);
  int n = 0;
  if (!facts.lastMovedFolder.empty() && plan.Room(kClosingItems)) {
    plan.Item(facts.lastMovedFolder, Accelerated(FolderDisplayName(facts.lastMovedFolder), L'`'));
    plan.Separator();
    n = 1;
  }
  bool anyMoved = false;
  for (const std::wstring& folder : facts.movedFolders) {
    if (!plan.Room(kClosingItems)) break;
    const std::wstring name = FolderDisplayName(folder);
    plan.Item(folder, n < 11 ? Accelerated(name, static_cast<wchar_t>(L'0' + n)) : name);
    ++n;
    anyMoved = true;
  }
  if (anyMoved) plan.Separator();
  if (!facts.parent.empty() && plan.Room(kClosingItems)) {
    plan.Item(kParentTarget, FolderDisplayName(facts.parent) + L"[..](&.)");
    plan.Separator();
  }
  bool anySubfolder = false;
  for (size_t i = 0; i < facts.subfolders.size() && plan.Room(kClosingItems); ++i) {
    int key = L'0' + static_cast<int>(i) + n;
    if (key > L'9') key += 7;
    const std::wstring name = FileNameOf(facts.subfolders[i]);
    plan.Item(facts.subfolders[i], key > L'Y' ? name : Accelerated(name, static_cast<wchar_t>(key)));
    anySubfolder = true;
  }
  if (anySubfolder) plan.Separator();
  if (facts.folder.empty()) plan.Item(kAddFolderTarget, Accelerated(facts.addFolderNoNameText, L'/'));
  else plan.Item(kAddFolderTarget, Accelerated(FolderDisplayName(facts.folder) + L" " + facts.addFolderText, L'/'));
  plan.Item(kCreateFolderTarget, Accelerated(facts.createFolderText, L','));
  return plan.Take();
}

}  // namespace tv
