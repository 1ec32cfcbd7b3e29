#include "settings/list_file.h"

#include <cstddef>
#include <limits>

#include "settings/key_lines.h"
#include "util/key_value.h"
#include "util/text.h"
#include "util/text_file.h"

namespace tv {

std::wstring BuildListFileText(const ImageList& list, const ShownPosition& position) {
  std::wstring text = L"tflFileVersion=2\n";
  AppendKeyLine(text, L"ShowIndex", DecimalInt(position.ShowIndex));
  AppendKeyLine(text, L"ShowArchive", DecimalInt(position.ShowArchive));
  AppendKeyLine(text, L"ShowFileName", position.ShowFileName);
  AppendKeyLine(text, L"ShowArchiveName", position.ShowArchiveName);
  if (!WriteListLines(text, list)) return {};
  return text;
}

bool SaveListFile(const std::wstring& path, const ImageList& list, const ShownPosition& position,
                  SettingsHost& host) {
  const std::wstring text = BuildListFileText(list, position);
  if (text.empty()) return false;
  if (!WriteTextFile(path, text)) {
    host.ShowMessage({0,
                      L"The image file list could not be saved to\n" + path +
                          L"\nThe file could not be written: the folder may be missing or read-only, "
                          L"or the disk full.",
                      L"Failed", MessageIcon::Warning});
    return false;
  }
  host.ShowMessage({kListSavedTextId, L"Image File List Saved.", L"Information", MessageIcon::Information});
  return true;
}

bool ReadListFileData(ImageList& list, ListFilePosition& position, const KeyValueMap& map,
                      const ListReadOptions& options) {
  if (GetInt(map, L"tflFileVersion", 0, 0, 0) != 2) return false;
  const int shownIndex = GetInt(map, L"ShowIndex", 0, 0, 0);
  const int shownArchive = GetInt(map, L"ShowArchive", -1, -1, std::numeric_limits<std::int32_t>::max());
  position.showFileName = GetText(map, L"ShowFileName", position.showFileName);
  position.showArchiveName = GetText(map, L"ShowArchiveName", position.showArchiveName);
  if (shownArchive < 0) {
    position.entryIndex = shownIndex;
    position.memberIndex = -1;
  } else {
    position.entryIndex = shownArchive;
    position.memberIndex = shownIndex;
  }
  ReadListLines(list, map, options);
  return true;
}

bool LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path,
                  const ListReadOptions& options) {
  KeyValueMap map;
  if (!LoadKeyValueFile(map, path)) return false;
  return ReadListFileData(list, position, map, options);
}

bool TflListFileReader::LoadListFile(ImageList& list, ListFilePosition& position, const std::wstring& path) {
  ListReadOptions options;
  options.maskEnabled = maskEnabled_;
  options.mask = mask_;
  options.cancelRequested = [this] { return host_.CancelRequested(); };
  const size_t previousSize = list.size();
  try {
    return tv::LoadListFile(list, position, path, options);
  } catch (...) {  // out of memory on a huge file: fail this file only
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(previousSize), list.end());
    return false;
  }
}

}  // namespace tv
