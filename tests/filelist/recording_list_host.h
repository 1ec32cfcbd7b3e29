#pragma once
// A FileListHost that records what the list model asked of the window and
// plays a loader whose archives and member loads the test scripts.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "filelist/file_list_host.h"
#include "filelist/image_file_list.h"

namespace tvtest {

class RecordingListHost : public tv::FileListHost {
 public:
  std::map<std::wstring, std::vector<std::wstring>> archives;  // archive path -> member names
  std::set<std::wstring> brokenMembers;                         // members whose load fails
  bool listViewShown = false;
  std::vector<std::string> calls;
  std::vector<int> loadedMembers;
  int listings = 0;
  // The list box as the user left it; while model is set, PullSelection
  // copies it into the model as the window does.
  tv::ImageFileList* model = nullptr;
  std::vector<int> boxSelected;
  int boxCursor = -1;

  void StopAnimationAndRelease() override { calls.push_back("release"); }
  bool ListArchiveMembers(const tv::ImageEntry& archive, tv::ImageList& members) override {
    ++listings;
    auto found = archives.find(archive.path);
    if (found == archives.end()) return false;
    for (const auto& name : found->second) members.push_back({name, 7, 1, -1, {}});
    return true;
  }
  bool LoadMember(const tv::ImageEntry& archive, int memberIndex) override {
    loadedMembers.push_back(memberIndex);
    return !brokenMembers.count(archive.members[static_cast<size_t>(memberIndex)].path);
  }
  void RecordShownEntry() override { calls.push_back("record"); }
  void ResetArchiveState() override { calls.push_back("reset-archive"); }
  void ReshowCurrent() override { calls.push_back("reshow"); }
  void ShowEmptyList() override { calls.push_back("show-empty"); }
  void EnableCloseArchive(bool enabled) override { calls.push_back(enabled ? "menu-on" : "menu-off"); }
  bool IsListViewShown() const override { return listViewShown; }
  void PullSelection() override {
    if (!model) return;
    model->ClearSelection();
    for (int i : boxSelected) model->SetSelected(i, true);
    model->SetListCursor(boxCursor);
  }
  void RefillListView() override { calls.push_back("refill"); }
  void SelectListItem(int index) override { calls.push_back("select " + std::to_string(index)); }
  void RemoveListItem(int index) override { calls.push_back("remove-item " + std::to_string(index)); }
  void SetListRedraw(bool) override {}

  bool Called(const std::string& what) const { return std::count(calls.begin(), calls.end(), what) > 0; }
};

}  // namespace tvtest
