#pragma once
// The version a program file carries in its version resource: the numbers the
// information box shows, so they are set in one place, the resource script.
#include <optional>
#include <string>

#include "imaging/information_text.h"

namespace tv {

// The fixed file version of the program file at `path`; nothing when it has
// no version resource or cannot be read.
std::optional<ProgramVersion> ReadFileVersion(const std::wstring& path);

// The same for the running program's own file.
std::optional<ProgramVersion> OwnProgramVersion();

}  // namespace tv
