#include "filelist/list_builder.h"

#include "filelist/file_entry.h"
#include "util/file_system.h"
#include "util/paths.h"
#include "util/shell_link.h"
#include "util/wildcard.h"

namespace tv {

namespace {

// With a negative direction the last entry so far is the one to show.
void StartAtLastEntry(const ImageList& out, BuildListPosition& position) {
  position.first = static_cast<int>(out.size());
  position.member = -1;
  // A folder that vanished, or a scan refused or stopped early, may have
  // added nothing: there is then no last entry to name.
  if (!out.empty()) {
    position.refind.fileName = out.back().path;
    position.refind.archiveName.clear();
  }
}

void StartAt(const std::wstring& path, BuildListPosition& position) {
  position.refind.fileName = path;
  position.refind.archiveName.clear();
}

}  // namespace

void BuildList(ImageList& out, std::vector<std::wstring>& paths, int direction, BuildListPosition& position,
               std::wstring& tflFileName, const ListBuildContext& context) {
  position.first = 0;
  position.member = -1;
  const ListSettings& settings = context.settings;
  for (size_t k = 0; k < paths.size(); ++k) {
    std::wstring& path = paths[k];
    if (ExtensionOf(path) == L".lnk") path = ResolveShortcut(ExtendedLengthPath(path));
    if (path.empty()) continue;

    if (IsExistingFolder(path)) {
      context.scanner.ScanWithProgress(path, out, settings.SearchSubFolder, settings.EnableFileMask,
                                       settings.FileMaskString);
      if (direction > 0 && k == 0 && !out.empty()) StartAt(out.front().path, position);
      if (direction < 0) StartAtLastEntry(out, position);
    } else if (ExtensionOf(path) == L".tfl") {
      const int before = static_cast<int>(out.size());
      ListFilePosition saved;  // 0 and -1 stand when the file cannot be read
      const bool read = context.listFileReader.LoadListFile(out, saved, path);
      // Only a list that was read may later be saved over under this name;
      // a file we could not read (a newer version, say) must not be.
      if (read) tflFileName = path;
      if ((direction > 0 && k == 0) || direction < 0) {
        position.first = before + saved.entryIndex;
        position.member = saved.memberIndex;
        // The names go with the position: a list read after the first path
        // must not make the display cycle look for its entry instead.
        if (read) {
          position.refind.fileName = saved.showFileName;
          position.refind.archiveName = saved.showArchiveName;
        }
      }
    } else {
      if (settings.EnableFileMask && !MatchesMask(path, settings.FileMaskString)) continue;
      if (!IsExistingFile(path)) continue;
      out.push_back(EntryForFile(path));
      if (direction > 0 && k == 0) StartAt(path, position);
      if (direction < 0) StartAtLastEntry(out, position);
    }
  }
}

}  // namespace tv
