#include "util/file_dialogs.h"

#include <commdlg.h>
#include <shobjidl.h>

#include <algorithm>

#include "util/win_handles.h"

namespace tv {

namespace {

// Large enough for any path Windows can name; the proposed name may itself be
// a long path or an archive member name.
constexpr size_t kMinimumBuffer = 32768;
constexpr size_t kOpenBuffer = 66560;

std::wstring DialogFilter(const std::wstring& filter) {
  std::wstring out = filter;
  std::replace(out.begin(), out.end(), L'|', L'\0');
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

}  // namespace

std::vector<std::wstring> SplitOpenDialogResult(const wchar_t* buffer, size_t capacity) {
  std::vector<std::wstring> parts;
  size_t at = 0;
  while (at < capacity && buffer[at] != L'\0') {
    size_t end = at;
    while (end < capacity && buffer[end] != L'\0') ++end;
    parts.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::vector<std::wstring> paths;
  std::wstring folder = parts.front();
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();  // a drive root
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + L"\\" + parts[i]);
  return paths;
}

bool OpenFilesDialog(HWND owner, const std::wstring& filter, const std::wstring& title,
                     const std::wstring& initialFolder, bool multiple, std::vector<std::wstring>& paths) {
  const std::wstring filterText = DialogFilter(filter);
  std::wstring buffer(kOpenBuffer, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterText.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (multiple ? OFN_ALLOWMULTISELECT : 0);
  if (!::GetOpenFileNameW(&dialog)) return false;
  paths = SplitOpenDialogResult(buffer.data(), buffer.size());
  return !paths.empty();
}

bool SaveFileDialog(HWND owner, const std::wstring& filter, const std::wstring& title,
                    const std::wstring& initialFolder, const std::wstring& initialName, bool askOverwrite,
                    std::wstring& path) {
  const std::wstring filterText = DialogFilter(filter);
  std::wstring buffer(std::max(kMinimumBuffer, initialName.size() + 1), L'\0');
  std::copy(initialName.begin(), initialName.end(), buffer.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterText.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (askOverwrite ? OFN_OVERWRITEPROMPT : 0);
  if (!::GetSaveFileNameW(&dialog)) return false;
  path.assign(buffer.c_str());
  return true;
}

bool PickFolderDialog(HWND owner, const std::wstring& initialFolder, const std::wstring& title, std::wstring& folder) {
  folder.clear();
  ComInit com;
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                dialog.put_void())))
    return false;
  FILEOPENDIALOGOPTIONS options = 0;
  if (SUCCEEDED(dialog->GetOptions(&options))) dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
  if (!initialFolder.empty()) {
    ComPtr<IShellItem> start;
    if (SUCCEEDED(::SHCreateItemFromParsingName(initialFolder.c_str(), nullptr, IID_IShellItem, start.put_void())))
      dialog->SetFolder(start.get());
  }
  if (!title.empty()) dialog->SetTitle(title.c_str());
  if (FAILED(dialog->Show(owner))) return true;  // cancelled
  ComPtr<IShellItem> chosen;
  if (FAILED(dialog->GetResult(chosen.put()))) return true;
  wchar_t* name = nullptr;
  if (SUCCEEDED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &name)) && name) {
    folder = name;
    ::CoTaskMemFree(name);
  }
  return true;
}

}  // namespace tv
