#pragma once
// The plug-in part of the loader: the plug-ins found in the plug-in folders,
// in the order they are asked, and the three that matter at any moment (the
// one chosen by the last detection, the one whose picture is shown, the one
// whose archive is open). Every call into a plug-in runs under the
// foreign-call guard, and everything a plug-in hands back is checked before
// it is used, so a faulty plug-in fails only its own call.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/plugin_format.h"
#include "imaging/plugin_record.h"
#include "util/win_handles.h"

namespace tv {

// A memory block a plug-in handed over, locked for reading while owned.
class LockedBlock {
 public:
  LockedBlock() = default;
  LockedBlock(LockedBlock&& other) noexcept;
  LockedBlock& operator=(LockedBlock&& other) noexcept;
  ~LockedBlock() { Reset(); }
  // Takes ownership of `handle`; false when it cannot be locked.
  bool Take(HLOCAL handle) noexcept;
  void Reset() noexcept;
  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  UniqueLocal handle_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

// A plug-in picture as the plug-in handed it back, checked against its
// blocks. Plain 24-bit rows are drawn from the plug-in's own memory for as
// long as the picture is shown; other layouts are converted once.
class PluginBits {
 public:
  int width() const { return layout_.width; }
  int height() const { return layout_.height; }
  bool empty() const { return !bits_.data(); }
  // Writes the picture as width() x height() opaque 32-bit pixels, top row
  // first, into `target`.
  void CopyInto(void* target) const;
  // True when GDI reads the rows exactly as CopyInto does, so StretchTo
  // needs no converted copy.
  bool DrawableAsIs() const;
  // Stretches the whole picture into the w x h rectangle at the origin of
  // `dc` in the DC's stretch mode; only for DrawableAsIs pictures.
  bool StretchTo(HDC dc, int w, int h) const;

 private:
  friend class PluginHost;
  LockedBlock header_, bits_;
  PluginBitmapLayout layout_;
};

// A plug-in picture on display: either its own blocks, drawn as they are, or
// a conversion into the loader's 32-bit top-down bitmap.
struct PluginPicture {
  PluginBits asIs;
  UniqueBitmap bitmap;
  void* pixels = nullptr;
  int width = 0, height = 0;
};

class PluginHost {
 public:
  // Answers a progress report; non-zero asks the plug-in to stop.
  using ProgressFunction = int (*)(void* context, int done, int total);

  PluginHost() = default;
  ~PluginHost() { UnloadPlugins(); }
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Replaces the plug-ins by those of the folders; an empty list keeps them.
  // False when the list was empty.
  bool LoadPlugins(const std::vector<std::wstring>& folders);
  // Frees every plug-in and forgets the chosen, shown and archive plug-in.
  void UnloadPlugins();
  const std::vector<std::unique_ptr<PluginRecord>>& Plugins() const { return plugins_; }

  void SetProgress(ProgressFunction function, void* context) {
    progress_ = function;
    progressContext_ = context;
  }

  // Asks each plug-in in order whether it handles the file; the first image
  // plug-in, or archive plug-in while no archive is open, becomes the
  // chosen one. Null when none accepted.
  const PluginRecord* FindPlugin(std::wstring_view path, const std::uint8_t* data, std::size_t size,
                                 bool archiveOpen);
  void ResetChosen() { chosen_ = nullptr; }
  const PluginRecord* Chosen() const { return chosen_; }
  const PluginRecord* Shown() const { return shown_; }
  const PluginRecord* Archive() const { return archive_; }
  void ChosenIsShown() { shown_ = chosen_; }
  void ChosenIsArchive() { archive_ = chosen_; }
  // The extension last offered to the plug-ins, in the ANSI code page.
  const std::string& Extension() const { return extension_; }

  // The chosen plug-in's picture of the bytes; false when it fails, faults or
  // hands back anything inconsistent.
  bool GetPicture(const std::uint8_t* data, std::size_t size, PluginBits& picture);
  // The chosen plug-in's listing of the archive in the bytes.
  bool GetArchiveInfo(const std::uint8_t* data, std::size_t size, std::vector<SusieFileInfo>& records);
  // One member of the open archive, extracted by its plug-in into memory.
  bool GetFile(const std::wstring& archivePath, const SusieFileInfo& record, LockedBlock& member);
  // The configuration dialog of the shown picture's plug-in; false when
  // there is none to show.
  bool ShowConfiguration(HWND owner);

 private:
  static int WINAPI ReportProgress(int done, int total, LONG_PTR user) noexcept;

  std::vector<std::unique_ptr<PluginRecord>> plugins_;
  const PluginRecord* chosen_ = nullptr;
  const PluginRecord* shown_ = nullptr;
  const PluginRecord* archive_ = nullptr;
  std::string extension_;
  ProgressFunction progress_ = nullptr;
  void* progressContext_ = nullptr;
};

}  // namespace tv
