#include "filelist/file_op_decisions.h"

#include <algorithm>

#include "filelist/move_menu_plan.h"
#include "util/paths.h"

namespace tv {
namespace {

std::wstring ExtensionOfName(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

}  // namespace

std::wstring StemOf(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  return name.substr(0, name.size() - ExtensionOfName(path).size());
}

RenamePlan PlanRename(const std::wstring& file, const std::wstring& newStem) {
  RenamePlan plan;
  plan.forbiddenAt = FindForbiddenChar(newStem);
  if (plan.forbiddenAt >= 0 || newStem.empty()) return plan;
  plan.newPath = JoinPath(FolderOf(file), newStem + ExtensionOfName(file));
  return plan;
}

MoveDecision DecideMove(const std::wstring& file, const std::wstring& folder, bool numbering, const FileProbe& probe) {
  MoveDecision decision{MoveStep::Move, JoinPath(folder, FileNameOf(file))};
  if (decision.destination == file || probe.sameFile(file, decision.destination)) {
    decision.step = MoveStep::OntoItself;
  } else if (probe.fileExists(decision.destination)) {
    if (numbering) decision.destination = MakeUniqueName(decision.destination);
    else decision.step = MoveStep::AskOverwrite;
  }
  return decision;
}

std::wstring RecycleQuestion(const std::vector<std::wstring>& paths, const std::wstring& severalHead,
                             const std::wstring& tail) {
  if (paths.size() == 1) return PathTail(paths.front(), 1) + L"\n" + tail;
  return severalHead + tail;
}

std::vector<TakenEntry> EntriesGone(std::vector<TakenEntry> taken,
                                    const std::function<bool(const std::wstring&)>& exists) {
  std::erase_if(taken, [&](const TakenEntry& entry) { return exists(entry.path); });
  std::sort(taken.begin(), taken.end(), [](const TakenEntry& a, const TakenEntry& b) { return a.index > b.index; });
  return taken;
}

}  // namespace tv
