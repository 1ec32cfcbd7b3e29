#pragma once
// The ini text of a settings record, and a record read back from key=value
// data, both following the key table of settings_keys.h. No files here.
#include <string>

#include "filelist/image_entry.h"
#include "settings/settings_record.h"
#include "util/key_value.h"

namespace tv {

// "IniFileVersion=2", then every key in table order; with LoadLastFile set,
// the list lines of fileList follow the last StockColor line.
std::wstring BuildSettingsText(const Settings& settings, const ImageList& fileList);

// True when the data is of the one version this program reads.
bool IsCurrentSettingsVersion(const KeyValueMap& map);

// Reads every key of the table with its If-missing value and clamp; the keys
// kept only with LoadLastFile are read last, and only when it is set. Does
// not look at the embedded list.
void ReadSettingsValues(Settings& settings, const KeyValueMap& map);

}  // namespace tv
