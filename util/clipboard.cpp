#include "util/clipboard.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <ole2.h>

#include <cstring>

#include "util/win_handles.h"

namespace tv {

namespace {

// Opens the clipboard for the owner's lifetime. Another program may hold it
// for a moment, so a few short retries are made.
class OpenClipboardScope {
 public:
  OpenClipboardScope() noexcept {
    for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
      open_ = ::OpenClipboard(nullptr) != FALSE;
      if (!open_) ::Sleep(10);
    }
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  ~OpenClipboardScope() {
    if (open_) ::CloseClipboard();
  }
  bool ok() const noexcept { return open_; }

 private:
  bool open_ = false;
};

UniqueGlobal CopyToGlobal(const void* data, size_t size) {
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (!memory) return memory;
  GlobalLock lock(memory.get());
  if (!lock.get()) return UniqueGlobal();
  std::memcpy(lock.get(), data, size);
  return memory;
}

}  // namespace

bool CopyTextToClipboard(const std::wstring& text) {
  UniqueGlobal memory = CopyToGlobal(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return false;
  ::EmptyClipboard();
  if (!::SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

bool PutBitmapOnClipboard(UniqueBitmap bitmap) {
  if (!bitmap) return false;
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return false;
  ::EmptyClipboard();
  if (!::SetClipboardData(CF_BITMAP, bitmap.get())) return false;
  bitmap.release();  // the clipboard owns it now
  return true;
}

std::wstring ReadClipboardText() {
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return {};
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  GlobalLock lock(data);
  if (!lock.get()) return {};
  const size_t units = ::GlobalSize(data) / sizeof(wchar_t);
  const auto* text = static_cast<const wchar_t*>(lock.get());
  size_t length = 0;
  while (length < units && text[length] != L'\0') ++length;
  return std::wstring(text, length);
}

bool PutFilesOnClipboard(const std::vector<std::wstring>& paths, DropEffect effect) {
  std::wstring list;
  for (const auto& path : paths) {
    list += path;
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  const size_t listBytes = list.size() * sizeof(wchar_t);
  UniqueGlobal files(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes));
  if (!files) return false;
  {
    GlobalLock lock(files.get());
    if (!lock.get()) return false;
    auto* header = static_cast<DROPFILES*>(lock.get());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(static_cast<char*>(lock.get()) + sizeof(DROPFILES), list.data(), listBytes);
  }
  const DWORD effectValue = static_cast<DWORD>(effect);
  UniqueGlobal effectBlock = CopyToGlobal(&effectValue, sizeof effectValue);
  if (!effectBlock) return false;
  const UINT effectFormat = ::RegisterClipboardFormatW(L"Preferred DropEffect");

  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return false;
  ::EmptyClipboard();
  if (!::SetClipboardData(CF_HDROP, files.get())) return false;
  files.release();
  if (!::SetClipboardData(effectFormat, effectBlock.get())) return false;
  effectBlock.release();
  return true;
}

std::vector<std::wstring> ReadClipboardFiles(DropEffect* effect) {
  std::vector<std::wstring> paths;
  if (effect) *effect = DropEffect::Copy;
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return paths;
  if (HANDLE drop = ::GetClipboardData(CF_HDROP)) {
    const UINT count = ::DragQueryFileW(static_cast<HDROP>(drop), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = ::DragQueryFileW(static_cast<HDROP>(drop), i, nullptr, 0);
      std::wstring path(length + 1, L'\0');
      ::DragQueryFileW(static_cast<HDROP>(drop), i, path.data(), length + 1);
      path.resize(length);
      paths.push_back(std::move(path));
    }
  }
  const UINT effectFormat = ::RegisterClipboardFormatW(L"Preferred DropEffect");
  if (HANDLE block = ::GetClipboardData(effectFormat); block && effect) {
    GlobalLock lock(block);
    if (lock.get() && ::GlobalSize(block) >= sizeof(DWORD)) {
      DWORD value = 0;
      std::memcpy(&value, lock.get(), sizeof value);
      if (value & DROPEFFECT_MOVE) *effect = DropEffect::Move;
    }
  }
  return paths;
}

}  // namespace tv
