#include "tests/menus/shipped_program.h"

#include <vector>

namespace tvtest {

std::wstring BesideTestProgram(std::wstring_view name) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return L"";
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      return path.substr(0, path.find_last_of(L"\\/") + 1) + std::wstring(name);
    }
    buffer.resize(buffer.size() * 2);
  }
}

tv::UniqueModule OpenShippedProgramResources() {
  return tv::UniqueModule(::LoadLibraryExW(ShippedProgramPath().c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

}  // namespace tvtest
