#pragma once
// The settings the list code reads. The owner of the settings keeps one of
// these up to date from the ini file; the list code only reads it.
#include <string>

#include "util/setting_defaults.h"

namespace tv {

struct ListSettings {
  bool SearchSubFolder = defaults::SearchSubFolder;  // scan subfolders when a folder is opened
  bool EnableFileMask = defaults::EnableFileMask;    // apply FileMaskString
  std::wstring FileMaskString = defaults::FileMaskString;
};

// The names the display cycle looks for after a list was opened, so the
// entry that was on display (or named by a saved list) is shown again.
struct RefindNames {
  std::wstring fileName;
  std::wstring archiveName;
};

}  // namespace tv
