#pragma once
// Every file under a folder with its bytes: taken before and after an
// operation that failed or was cancelled, equal snapshots show that it left
// the user's files as they were.
#include <map>
#include <string>

namespace tvtest {

using FolderSnapshot = std::map<std::wstring, std::string>;  // path below the folder -> bytes

FolderSnapshot SnapshotOf(const std::wstring& folder);

}  // namespace tvtest
