#pragma once
// The Susie plug-in interface as a plug-in library sees it: the exported
// calls, the progress callback and the archive file-information record.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#define SUSIE_EXPORT extern "C" __declspec(dllexport)

typedef int(WINAPI* SusieProgressCallback)(int done, int total, LONG_PTR user);

#pragma pack(push, 1)
struct SusieFileInfoRecord {
  unsigned char method[8];
  std::uint32_t position;
  std::uint32_t compressedSize;
  std::int32_t fileSize;
  std::int32_t timestamp;
  char path[200];
  char fileName[200];
  std::uint32_t crc;
};
#pragma pack(pop)
static_assert(sizeof(SusieFileInfoRecord) == 428);

// Results of the calls.
enum SusieResult {
  kSusieSuccess = 0,
  kSusieAborted = 1,      // the progress callback asked to stop
  kSusieUnknownFormat = 2,
  kSusieBrokenData = 3,
  kSusieNoMemory = 4,
  kSusieReadError = 6,
  kSusieNotImplemented = -1,
};

namespace susie {

// Input and output places in the flag argument.
inline bool InputIsMemory(unsigned flag) { return (flag & 7) == 1; }
inline bool OutputIsMemory(unsigned flag) { return ((flag >> 8) & 7) == 1; }

// Copies `text` into the caller's buffer as GetPluginInfo hands texts out;
// returns the number of bytes written without the terminator.
inline int CopyInfo(const char* text, LPSTR buffer, int length) {
  if (!buffer || length <= 0) return 0;
  const int size = static_cast<int>(std::strlen(text));
  const int copied = size < length - 1 ? size : length - 1;
  std::memcpy(buffer, text, static_cast<size_t>(copied));
  buffer[copied] = '\0';
  return copied;
}

// The second argument of IsSupported is either a file handle (small value)
// or the address of at least 2 KiB of the file's first bytes.
inline bool HeaderIsBuffer(void* header) { return (reinterpret_cast<ULONG_PTR>(header) & ~ULONG_PTR{0xFFFF}) != 0; }

// A file opened for reading, closed with the owner.
class OpenedFile {
 public:
  explicit OpenedFile(LPCSTR path)
      : handle_(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr)) {}
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;
  ~OpenedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Reads exactly `size` bytes at `offset`.
  bool ReadAt(std::uint64_t offset, void* buffer, DWORD size) const {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    return ::SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) && ::ReadFile(handle_, buffer, size, &read, nullptr) &&
           read == size;
  }
  std::uint64_t Size() const {
    LARGE_INTEGER length{};
    return ::GetFileSizeEx(handle_, &length) ? static_cast<std::uint64_t>(length.QuadPart) : 0;
  }

 private:
  HANDLE handle_;
};

// A movable block that is handed to the host on success and freed otherwise.
class Block {
 public:
  explicit Block(std::size_t size) : handle_(::LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size ? size : 1)) {
    data_ = handle_ ? static_cast<unsigned char*>(::LocalLock(handle_)) : nullptr;
  }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  ~Block() {
    if (data_) ::LocalUnlock(handle_);
    if (handle_) ::LocalFree(handle_);
  }
  unsigned char* data() const { return data_; }
  HLOCAL HandOver() {
    if (data_) ::LocalUnlock(handle_);
    data_ = nullptr;
    HLOCAL handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  HLOCAL handle_;
  unsigned char* data_;
};

// The whole file; false when it cannot be read.
inline bool ReadWholeFile(LPCSTR path, std::vector<unsigned char>& bytes) {
  OpenedFile file(path);
  if (!file.ok()) return false;
  const std::uint64_t length = file.Size();
  if (length >= 0x40000000) return false;
  bytes.resize(static_cast<std::size_t>(length));
  return file.ReadAt(0, bytes.data(), static_cast<DWORD>(length));
}

}  // namespace susie
