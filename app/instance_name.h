#pragma once
// Whether a name from the command line may name an instance. The name becomes
// the stem of the instance's ini file ("<name>.ini" in the instances folder),
// so it must be a plain file name there: nothing that leaves the folder,
// names a device or is altered by the file system.
#include <string_view>

namespace tv {

enum class InstanceNameFault {
  None,
  Empty,
  TooLong,             // with ".ini" it passes the 255 characters of a file name
  ForbiddenCharacter,  // separators, ':', wildcards, quotes, '<', '>', '|', controls
  DoubleDot,
  ReservedDevice,      // CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, with or without extension
  TrailingDotOrSpace,  // silently dropped by the file system
};

InstanceNameFault CheckInstanceName(std::wstring_view name);

}  // namespace tv
