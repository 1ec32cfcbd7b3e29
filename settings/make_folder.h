#pragma once
#include <string>

namespace tv {

// Creates one folder level; true when the folder exists afterwards.
bool MakeFolderIfMissing(const std::wstring& path);

}  // namespace tv
