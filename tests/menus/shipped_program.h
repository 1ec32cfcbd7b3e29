#pragma once
// The viewer program built next to the test program, opened for its resources
// only, so that tests can check what the shipped program really carries.
#include <windows.h>

#include <string>
#include <string_view>

#include "util/win_handles.h"

namespace tvtest {

// Full path of `name` in the test program's own folder, where the build puts
// the viewer program and the plug-in folders.
std::wstring BesideTestProgram(std::wstring_view name);
inline std::wstring ShippedProgramPath() { return BesideTestProgram(L"taverlune.exe"); }

// The program mapped as a resource-only image; empty when it cannot be opened.
tv::UniqueModule OpenShippedProgramResources();

}  // namespace tvtest
