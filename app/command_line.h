#pragma once
// The program's arguments after its own path: switches ("/:uninstall",
// "/:duplicate", "/name" for the instance) and paths.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tv {

struct CommandLine {
  std::vector<std::wstring> paths;
  // The last "/name" switch given; absent when none was.
  std::optional<std::wstring> instanceName;
  bool duplicate = false;
  bool uninstall = false;
};

// arguments excludes the program path. resolveShortcut turns a ".lnk" path
// into its target (empty text when it cannot).
CommandLine ParseCommandLine(const std::vector<std::wstring>& arguments,
                             const std::function<std::wstring(const std::wstring&)>& resolveShortcut);

}  // namespace tv
