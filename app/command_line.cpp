#include "app/command_line.h"

namespace tv {

CommandLine ParseCommandLine(const std::vector<std::wstring>& arguments,
                             const std::function<std::wstring(const std::wstring&)>& resolveShortcut) {
  CommandLine result;
  for (const auto& argument : arguments) {
    if (!argument.empty() && argument.front() == L'/') {
      if (argument == L"/:uninstall") result.uninstall = true;
      else if (argument == L"/:duplicate") result.duplicate = true;
      else result.instanceName = argument.substr(1);  // a later switch overrides
      continue;
    }
    // Exactly ".lnk" and more than one character before it.
    const bool isShortcut = argument.size() > 5 && argument.compare(argument.size() - 4, 4, L".lnk") == 0;
    result.paths.push_back(isShortcut ? resolveShortcut(argument) : argument);
  }
  return result;
}

}  // namespace tv
