#include "imaging/plugin_host.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "filelist/folder_listing.h"
#include "imaging/dib.h"
#include "imaging/foreign_call_guard.h"
#include "util/codepage.h"

namespace tv {

namespace {

// Plug-ins read this much of a file to recognise it, whatever its size.
constexpr std::size_t kRecognitionBytes = 2048;

// The host whose plug-in is decoding on this thread, for the progress
// reports, which carry no usable context of their own.
thread_local PluginHost* reportingHost = nullptr;

class ReportingScope {
 public:
  explicit ReportingScope(PluginHost* host) : outer_(std::exchange(reportingHost, host)) {}
  ReportingScope(const ReportingScope&) = delete;
  ReportingScope& operator=(const ReportingScope&) = delete;
  ~ReportingScope() { reportingHost = outer_; }

 private:
  PluginHost* outer_;
};

template <typename Function>
void LookUp(HMODULE module, const char* name, Function& entry) {
  const FARPROC address = ::GetProcAddress(module, name);
  static_assert(sizeof entry == sizeof address);
  std::memcpy(&entry, &address, sizeof entry);
}

std::unique_ptr<PluginRecord> LoadPlugin(const std::wstring& path) {
  auto record = std::make_unique<PluginRecord>();
  record->module.reset(::LoadLibraryW(path.c_str()));
  if (!record->module) return nullptr;
  const HMODULE module = record->module.get();
  LookUp(module, "GetPluginInfo", record->GetPluginInfo);
  LookUp(module, "IsSupported", record->IsSupported);
  LookUp(module, "GetPictureInfo", record->GetPictureInfo);
  LookUp(module, "GetPicture", record->GetPicture);
  LookUp(module, "GetPreview", record->GetPreview);
  LookUp(module, "GetArchiveInfo", record->GetArchiveInfo);
  LookUp(module, "GetFileInfo", record->GetFileInfo);
  LookUp(module, "GetFile", record->GetFile);
  LookUp(module, "ConfigurationDlg", record->ConfigurationDlg);
  if (!record->GetPluginInfo) return nullptr;
  PluginRecord* plugin = record.get();
  const bool answered = RunGuarded([plugin] {
    plugin->GetPluginInfo(0, plugin->version, sizeof plugin->version);
    plugin->GetPluginInfo(1, plugin->description, sizeof plugin->description);
  });
  // Plug-ins fill the whole field without a terminator when the text is long.
  plugin->version[sizeof plugin->version - 1] = '\0';
  plugin->description[sizeof plugin->description - 1] = '\0';
  if (!answered || plugin->Kind() == PluginKind::Other) return nullptr;
  return record;
}

bool FitsPluginLength(std::size_t size) {
  return size <= static_cast<std::size_t>(std::numeric_limits<LONG_PTR>::max());
}

}  // namespace

LockedBlock::LockedBlock(LockedBlock&& other) noexcept
    : handle_(std::move(other.handle_)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

LockedBlock& LockedBlock::operator=(LockedBlock&& other) noexcept {
  if (this != &other) {
    Reset();
    handle_ = std::move(other.handle_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

bool LockedBlock::Take(HLOCAL handle) noexcept {
  Reset();
  handle_.reset(handle);
  if (!handle) return false;
  void* data = nullptr;
  SIZE_T size = 0;
  // A handle that is no handle at all must not take the viewer down.
  if (!RunGuarded([&] {
        data = ::LocalLock(handle);
        size = ::LocalSize(handle);
      }))
    return false;
  if (!data) return false;
  data_ = static_cast<const std::uint8_t*>(data);
  size_ = size;
  return true;
}

void LockedBlock::Reset() noexcept {
  if (data_) ::LocalUnlock(handle_.get());
  data_ = nullptr;
  size_ = 0;
  handle_.reset();
}

void PluginBits::CopyInto(void* target) const {
  ConvertPluginBitmap(layout_, header_.data(), bits_.data(), static_cast<std::uint32_t*>(target));
}

// Only 24-bit rows: they carry no colour table, masks or alpha byte that GDI
// might read differently from the conversion, and they are what nearly every
// plug-in hands back.
bool PluginBits::DrawableAsIs() const {
  return !empty() && layout_.bitCount == 24 && layout_.stride == DibStride(layout_.width, 24);
}

bool PluginBits::StretchTo(HDC dc, int w, int h) const {
  if (!DrawableAsIs()) return false;
  // The header is made here rather than passed on: the plug-in's may carry
  // fields GDI would honour and the checks above did not.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = layout_.width;
  info.bmiHeader.biHeight = layout_.topDown ? -layout_.height : layout_.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return ::StretchDIBits(dc, 0, 0, w, h, 0, 0, layout_.width, layout_.height, bits_.data(), &info, DIB_RGB_COLORS,
                         SRCCOPY) > 0;
}

bool PluginHost::LoadPlugins(const std::vector<std::wstring>& folders) {
  if (folders.empty()) return false;
  UnloadPlugins();
  std::vector<std::wstring> paths;
  for (const std::wstring& folder : folders) {
    std::vector<std::wstring> found = ListFolderFiles(false, folder, L"*.spi");
    paths.insert(paths.end(), found.begin(), found.end());
  }
  for (const std::wstring& path : FirstOfEachName(paths))
    if (std::unique_ptr<PluginRecord> plugin = LoadPlugin(path)) plugins_.push_back(std::move(plugin));
  return true;
}

void PluginHost::UnloadPlugins() {
  chosen_ = shown_ = archive_ = nullptr;
  plugins_.clear();
}

const PluginRecord* PluginHost::FindPlugin(std::wstring_view path, const std::uint8_t* data, std::size_t size,
                                           bool archiveOpen) {
  chosen_ = nullptr;
  extension_ = WideToNarrow(ExtensionTail(path), CP_ACP, 0);
  if (!data || plugins_.empty()) return nullptr;
  std::vector<std::uint8_t> padded;
  const std::uint8_t* header = data;
  if (size < kRecognitionBytes) {
    padded.assign(kRecognitionBytes, 0);
    std::memcpy(padded.data(), data, size);
    header = padded.data();
  }
  for (const std::unique_ptr<PluginRecord>& plugin : plugins_) {
    if (!plugin->IsSupported) continue;
    int accepted = 0;
    const PluginRecord* asked = plugin.get();
    const char* name = extension_.c_str();
    if (!RunGuarded([&] { accepted = asked->IsSupported(name, const_cast<std::uint8_t*>(header)); })) continue;
    if (!accepted) continue;
    const PluginKind kind = plugin->Kind();
    if (kind == PluginKind::Image || (kind == PluginKind::Archive && !archiveOpen)) {
      chosen_ = plugin.get();
      return chosen_;
    }
  }
  return nullptr;
}

int WINAPI PluginHost::ReportProgress(int done, int total, LONG_PTR) noexcept {
  const PluginHost* host = reportingHost;
  if (!host || !host->progress_) return 0;
  return host->progress_(host->progressContext_, done, total);
}

bool PluginHost::GetPicture(const std::uint8_t* data, std::size_t size, PluginBits& picture) {
  const PluginRecord* plugin = chosen_;
  if (!plugin || !plugin->GetPicture || !data || !FitsPluginLength(size)) return false;
  HLOCAL header = nullptr, bits = nullptr;
  int result = -1;
  bool survived = false;
  {
    ReportingScope scope(this);
    survived = RunGuarded([&] {
      result = plugin->GetPicture(reinterpret_cast<LPCSTR>(data), static_cast<LONG_PTR>(size), kSusieInputMemory,
                                  &header, &bits, &PluginHost::ReportProgress, 0);
    });
  }
  // After a fault the handles may be anything: they are left alone.
  if (!survived) return false;
  LockedBlock headerBlock, bitsBlock;
  const bool headerLocked = headerBlock.Take(header);
  const bool bitsLocked = bitsBlock.Take(bits);
  if (result != 0 || !headerLocked || !bitsLocked) return false;
  PluginBitmapLayout layout;
  if (!ReadPluginBitmapLayout(headerBlock.data(), headerBlock.size(), bitsBlock.size(), layout)) return false;
  picture.header_ = std::move(headerBlock);
  picture.bits_ = std::move(bitsBlock);
  picture.layout_ = layout;
  return true;
}

bool PluginHost::GetArchiveInfo(const std::uint8_t* data, std::size_t size, std::vector<SusieFileInfo>& records) {
  const PluginRecord* plugin = chosen_;
  if (!plugin || !plugin->GetArchiveInfo || !data || !FitsPluginLength(size)) return false;
  HLOCAL info = nullptr;
  int result = -1;
  if (!RunGuarded([&] {
        result = plugin->GetArchiveInfo(reinterpret_cast<LPCSTR>(data), static_cast<LONG_PTR>(size),
                                        kSusieInputMemory, &info);
      }))
    return false;
  LockedBlock block;
  const bool locked = block.Take(info);
  if (result != 0 || !locked) return false;
  records = ReadFileInfoRecords(block.data(), block.size());
  return true;
}

bool PluginHost::GetFile(const std::wstring& archivePath, const SusieFileInfo& record, LockedBlock& member) {
  const PluginRecord* plugin = archive_;
  if (!plugin || !plugin->GetFile) return false;
  const std::string source = WideToNarrow(archivePath, CP_ACP, 0);
  HLOCAL memory = nullptr;
  int result = -1;
  if (!RunGuarded([&] {
        result = plugin->GetFile(source.c_str(), static_cast<LONG_PTR>(record.position),
                                 reinterpret_cast<LPSTR>(&memory), kSusieFileToMemory, nullptr, 0);
      }))
    return false;
  LockedBlock block;
  const bool locked = block.Take(memory);
  if (result != 0 || !locked) return false;
  member = std::move(block);
  return true;
}

bool PluginHost::ShowConfiguration(HWND owner) {
  const PluginRecord* plugin = shown_;
  if (!plugin || !plugin->ConfigurationDlg) return false;
  RunGuarded([&] { plugin->ConfigurationDlg(owner, 1); });
  return true;
}

}  // namespace tv
