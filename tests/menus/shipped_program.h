#pragma once
// The viewer program built next to the test program, opened for its resources
// only, so that tests can check what the shipped program really carries.
#include <windows.h>

#include <string>

#include "util/win_handles.h"

namespace tvtest {

// Full path of taverlune.exe in the test program's own folder.
std::wstring ShippedProgramPath();

// The program mapped as a resource-only image; empty when it cannot be opened.
tv::UniqueModule OpenShippedProgramResources();

}  // namespace tvtest
