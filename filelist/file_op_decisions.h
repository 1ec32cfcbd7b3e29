#pragma once
// The decisions of the file commands that need no window: the new path of a
// rename, where a move goes and whether it must ask first, the question
// before recycling, and which list entries a recycle really took. The file
// system is asked through the probe, so the rules run on any platform.
#include <functional>
#include <string>
#include <vector>

namespace tv {

struct FileProbe {
  std::function<bool(const std::wstring&)> fileExists;
  // True when both paths name one file, however spelt.
  std::function<bool(const std::wstring&, const std::wstring&)> sameFile;
};

// A file name without its extension; the extension is that of the name
// alone, so a dot in a folder name does not count.
std::wstring StemOf(const std::wstring& path);

struct RenamePlan {
  int forbiddenAt = -1;  // index in the new name of a character no file name may hold
  std::wstring newPath;  // empty when there is nothing to rename
};
// The file keeps its folder and its extension; an empty name renames nothing.
RenamePlan PlanRename(const std::wstring& file, const std::wstring& newStem);

enum class MoveStep {
  OntoItself,     // the destination is the file: nothing moves
  Move,           // to destination
  AskOverwrite,   // destination holds another file: replace it only when the user agrees
};
struct MoveDecision {
  MoveStep step = MoveStep::OntoItself;
  std::wstring destination;
};
// Moving file into folder. With numbering, a name taken in the folder is
// numbered ("name (1).ext") instead of asked about.
MoveDecision DecideMove(const std::wstring& file, const std::wstring& folder, bool numbering, const FileProbe& probe);

// The text that asks before recycling: one file by its last folder and
// name, several as "Selected image file,".
std::wstring RecycleQuestion(const std::vector<std::wstring>& paths, const std::wstring& severalHead,
                             const std::wstring& tail);

struct TakenEntry {
  int index;
  std::wstring path;
};
// The entries whose files are gone after a recycle, last index first, so
// that removing them one by one leaves the other indexes valid.
std::vector<TakenEntry> EntriesGone(std::vector<TakenEntry> taken, const std::function<bool(const std::wstring&)>& exists);

}  // namespace tv
