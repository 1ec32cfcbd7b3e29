#include "util/shell_link.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "util/file_system.h"
#include "util/win_handles.h"

namespace tv {
namespace {

// The shortcut file read into a shell link object; empty when it cannot be.
// The caller holds COM initialised for as long as it uses the result.
ComPtr<IShellLinkW> LoadLink(const std::wstring& linkPath) {
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
    return {};
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return {};
  if (FAILED(file->Load(linkPath.c_str(), STGM_READ))) return {};
  return link;
}

}  // namespace

std::wstring ResolveShortcut(const std::wstring& linkPath) {
  ComInit com;
  const ComPtr<IShellLinkW> link = LoadLink(linkPath);
  if (!link) return {};
  // No window, so no question can block a folder scan; the high word is the
  // search time-out in ms. Nothing is written back into the user's link file.
  const DWORD kResolveFlags = SLR_ANY_MATCH | SLR_NO_UI | SLR_NOUPDATE | (1000u << 16);
  if (FAILED(link->Resolve(nullptr, kResolveFlags))) return {};
  std::vector<wchar_t> buffer(32768, L'\0');
  if (FAILED(link->GetPath(buffer.data(), static_cast<int>(buffer.size()), nullptr, SLGP_UNCPRIORITY))) return {};
  std::wstring path(buffer.data());
  // Some shell implementations keep only an ANSI copy of the path, losing
  // characters outside the code page; the item list still names the target.
  if (!IsExistingFile(path) && !IsExistingFolder(path)) {
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(link->GetIDList(&items)) && items) {
      if (::SHGetPathFromIDListEx(items, buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT))
        path = buffer.data();
      ::CoTaskMemFree(items);
    }
  }
  return path;
}

std::wstring ShortcutArguments(const std::wstring& linkPath) {
  ComInit com;
  const ComPtr<IShellLinkW> link = LoadLink(linkPath);
  if (!link) return {};
  std::vector<wchar_t> buffer(32768, L'\0');
  if (FAILED(link->GetArguments(buffer.data(), static_cast<int>(buffer.size())))) return {};
  return buffer.data();
}

bool CreateShortcut(const std::wstring& targetPath, const std::wstring& linkPath, const std::wstring& arguments) {
  ComInit com;
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
    return false;
  if (FAILED(link->SetPath(targetPath.c_str()))) return false;
  if (!arguments.empty() && FAILED(link->SetArguments(arguments.c_str()))) return false;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return false;
  return SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

}  // namespace tv
