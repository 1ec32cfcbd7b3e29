// A plug-in that misbehaves on request, for the host's tests. Built several
// times: TEST_VERSION names its kind, TEST_WITHOUT_INFO leaves out
// GetPluginInfo. What it does with a file depends on the extension it is
// offered:
//   .crashsupported  IsSupported faults
//   .crashpicture    GetPicture faults       .crasharchive  GetArchiveInfo faults
//   .raw             GetPicture hands back the blocks stored in the file:
//                    "RAWB", header size, bits size (32-bit each), header,
//                    bits; a size of 0xFFFFFFFF hands back a null handle
//   .slow            GetPicture reports progress 400 times, 10 ms apart
//   .quiet           GetPicture never reports progress
//   .rawarc          GetArchiveInfo hands back the block stored in the file:
//                    "RAWA", its size (32-bit), the block; GetFile hands back the bytes
//                    at the position: a 32-bit length, then the bytes (a
//                    length of 0xFFFFFFFF faults)
#include <cstdint>
#include <string>
#include <vector>

#include "tools/plugins/susie_interface.h"

#ifndef TEST_VERSION
#define TEST_VERSION "00IN"
#endif

namespace {

int* volatile nowhere = nullptr;

__attribute__((noinline)) void Fault() { *nowhere = 1; }

std::string lastExtension;

std::uint32_t Read32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

HLOCAL Copy(const unsigned char* data, std::size_t size) {
  susie::Block block(size);
  if (!block.data()) return nullptr;
  std::memcpy(block.data(), data, size);
  return block.HandOver();
}

// A 4 x 4 picture of one colour, bottom-up, 24 bits.
int SmallPicture(HLOCAL* header, HLOCAL* bits, unsigned char blue, unsigned char green, unsigned char red) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = 4;
  info.biHeight = 4;
  info.biPlanes = 1;
  info.biBitCount = 24;
  unsigned char pixels[48];
  for (int i = 0; i < 16; ++i) pixels[i * 3] = blue, pixels[i * 3 + 1] = green, pixels[i * 3 + 2] = red;
  *header = Copy(reinterpret_cast<unsigned char*>(&info), sizeof info);
  *bits = Copy(pixels, sizeof pixels);
  return kSusieSuccess;
}

int RawBlocks(const unsigned char* data, std::size_t size, HLOCAL* header, HLOCAL* bits) {
  if (size < 12 || std::memcmp(data, "RAWB", 4) != 0) return kSusieUnknownFormat;
  const std::uint32_t headerSize = Read32(data + 4), bitsSize = Read32(data + 8);
  const std::size_t headerBytes = headerSize == 0xFFFFFFFF ? 0 : headerSize;
  const std::size_t bitsBytes = bitsSize == 0xFFFFFFFF ? 0 : bitsSize;
  if (size - 12 < headerBytes + bitsBytes) return kSusieBrokenData;
  *header = headerSize == 0xFFFFFFFF ? nullptr : Copy(data + 12, headerBytes);
  *bits = bitsSize == 0xFFFFFFFF ? nullptr : Copy(data + 12 + headerBytes, bitsBytes);
  return kSusieSuccess;
}

}  // namespace

#ifndef TEST_WITHOUT_INFO
SUSIE_EXPORT int WINAPI GetPluginInfo(int number, LPSTR buffer, int length) {
  if (number == 0) {
    // The kind followed by more than the field holds, without terminator.
    const char version[] = TEST_VERSION "Z";
    std::memcpy(buffer, version, static_cast<std::size_t>(length) < sizeof version ? length : sizeof version);
    return length;
  }
  if (number == 1) {
    // A description that fills the whole field, without terminator.
    std::memset(buffer, '.', static_cast<std::size_t>(length));
    std::memcpy(buffer, "Test plug-in " TEST_VERSION, 17);
    return length;
  }
  return 0;
}
#endif

SUSIE_EXPORT int WINAPI IsSupported(LPCSTR name, void* header) {
  lastExtension = name ? name : "(null)";
  const std::string extension = lastExtension;
  if (extension == ".crashsupported") Fault();
  // Touches every byte of the 2 KiB a plug-in may read.
  unsigned sum = 0;
  for (int i = 0; i < 2048; ++i) sum += static_cast<const unsigned char*>(header)[i];
  (void)sum;
  if (std::string(TEST_VERSION).compare(0, 4, "00AM") == 0) return extension == ".crasharchive" || extension == ".rawarc";
  return extension == ".crashpicture" || extension == ".raw" || extension == ".slow" || extension == ".quiet" ||
         extension == ".anything";
}

// The extension the last IsSupported call was given, for the tests.
SUSIE_EXPORT const char* TestLastExtension() { return lastExtension.c_str(); }

SUSIE_EXPORT int WINAPI GetPicture(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* header, HLOCAL* bits,
                                   SusieProgressCallback progress, LONG_PTR user) {
  if (!susie::InputIsMemory(flag)) return kSusieNotImplemented;
  const auto* data = reinterpret_cast<const unsigned char*>(buffer);
  const auto size = static_cast<std::size_t>(length);
  if (lastExtension == ".crashpicture") Fault();
  if (lastExtension == ".raw") return RawBlocks(data, size, header, bits);
  if (lastExtension == ".slow") {
    for (int i = 0; i < 400; ++i) {
      // Tells a waiting test that a report is coming.
      if (HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TaverluneTestSlowProgress")) {
        ::SetEvent(event);
        ::CloseHandle(event);
      }
      if (progress && progress(i, 400, user) != 0) return kSusieAborted;
      ::Sleep(10);
    }
    return SmallPicture(header, bits, 0, 0, 255);
  }
  return SmallPicture(header, bits, 255, 0, 0);
}

SUSIE_EXPORT int WINAPI GetArchiveInfo(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* info) {
  if (!susie::InputIsMemory(flag)) return kSusieNotImplemented;
  if (lastExtension == ".crasharchive") Fault();
  const auto* data = reinterpret_cast<const unsigned char*>(buffer);
  const auto size = static_cast<std::size_t>(length);
  if (size < 8 || std::memcmp(data, "RAWA", 4) != 0) return kSusieUnknownFormat;
  const std::size_t count = Read32(data + 4);
  if (count > size - 8) return kSusieBrokenData;
  *info = Copy(data + 8, count);
  return kSusieSuccess;
}

SUSIE_EXPORT int WINAPI GetFile(LPCSTR source, LONG_PTR position, LPSTR destination, unsigned flag,
                                SusieProgressCallback, LONG_PTR) {
  if (susie::InputIsMemory(flag) || !susie::OutputIsMemory(flag)) return kSusieNotImplemented;
  std::vector<unsigned char> file;
  if (!susie::ReadWholeFile(source, file) || position < 0 || file.size() < static_cast<std::size_t>(position) + 4)
    return kSusieReadError;
  const std::uint32_t count = Read32(file.data() + position);
  if (count == 0xFFFFFFFF) Fault();
  if (file.size() - static_cast<std::size_t>(position) - 4 < count) return kSusieBrokenData;
  *reinterpret_cast<HLOCAL*>(destination) = Copy(file.data() + position + 4, count);
  return kSusieSuccess;
}

SUSIE_EXPORT int WINAPI ConfigurationDlg(HWND parent, int) {
  // Leaves a visible trace the tests can look for.
  ::SetPropW(parent, L"TestPluginDialog", reinterpret_cast<HANDLE>(1));
  return 0;
}
