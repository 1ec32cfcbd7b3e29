// An archive plug-in for uncompressed POSIX (ustar) tar archives: lists the
// regular files and extracts one into memory. A member's position is the
// offset of its 512-byte header in the archive.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/plugins/susie_interface.h"

namespace {

constexpr std::size_t kBlock = 512;

// An octal field, NUL or space terminated; false when malformed.
bool Octal(const unsigned char* field, std::size_t width, std::uint64_t& value) {
  value = 0;
  std::size_t i = 0;
  while (i < width && field[i] == ' ') ++i;
  bool digits = false;
  for (; i < width && field[i] >= '0' && field[i] <= '7'; ++i) {
    value = value * 8 + static_cast<std::uint64_t>(field[i] - '0');
    digits = true;
    if (value > 0xFFFFFFFFFull) return false;
  }
  return digits && (i == width || field[i] == ' ' || field[i] == '\0');
}

std::string Text(const unsigned char* field, std::size_t width) {
  std::size_t n = 0;
  while (n < width && field[n]) ++n;
  return std::string(reinterpret_cast<const char*>(field), n);
}

bool ChecksumMatches(const unsigned char* header) {
  std::uint64_t stored = 0;
  if (!Octal(header + 148, 8, stored)) return false;
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < kBlock; ++i) sum += (i >= 148 && i < 156) ? ' ' : header[i];
  return sum == stored;
}

bool IsUstarHeader(const unsigned char* header) {
  return std::memcmp(header + 257, "ustar", 5) == 0 && ChecksumMatches(header);
}

struct Member {
  std::string name;  // with '/' separators
  std::uint64_t size = 0;
  std::uint64_t time = 0;
  bool regular = false;
};

bool ReadMember(const unsigned char* header, Member& member) {
  if (!IsUstarHeader(header) || !Octal(header + 124, 12, member.size) || !Octal(header + 136, 12, member.time))
    return false;
  const std::string prefix = Text(header + 345, 155);
  const std::string name = Text(header + 0, 100);
  member.name = prefix.empty() ? name : prefix + "/" + name;
  member.regular = header[156] == '0' || header[156] == '\0';
  return true;
}

SusieFileInfoRecord RecordOf(const Member& member, std::uint64_t position) {
  SusieFileInfoRecord record{};
  std::memcpy(record.method, "tar", 3);
  record.position = static_cast<std::uint32_t>(position);
  record.compressedSize = static_cast<std::uint32_t>(member.size);
  record.fileSize = static_cast<std::int32_t>(member.size);
  record.timestamp = static_cast<std::int32_t>(member.time);
  std::string windowsName = member.name;
  for (char& c : windowsName)
    if (c == '/') c = '\\';
  const std::size_t slash = windowsName.rfind('\\');
  const std::string folder = slash == std::string::npos ? std::string() : windowsName.substr(0, slash + 1);
  const std::string file = slash == std::string::npos ? windowsName : windowsName.substr(slash + 1);
  std::memcpy(record.path, folder.data(), folder.size() < 199 ? folder.size() : 199);
  std::memcpy(record.fileName, file.data(), file.size() < 199 ? file.size() : 199);
  return record;
}

int List(const unsigned char* data, std::size_t size, HLOCAL* info) {
  std::vector<SusieFileInfoRecord> records;
  std::size_t at = 0;
  while (size >= kBlock && at <= size - kBlock) {
    const unsigned char* header = data + at;
    if (header[0] == 0) break;  // the end-of-archive blocks
    Member member;
    if (!ReadMember(header, member)) return records.empty() ? kSusieUnknownFormat : kSusieBrokenData;
    const std::uint64_t blocks = (member.size + kBlock - 1) / kBlock;
    if (member.size > size - at - kBlock || at > 0xFFFFFFFFu || member.size > 0x7FFFFFFF) return kSusieBrokenData;
    if (member.regular) records.push_back(RecordOf(member, at));
    at += kBlock + static_cast<std::size_t>(blocks) * kBlock;
  }
  susie::Block block((records.size() + 1) * sizeof(SusieFileInfoRecord));  // zero-filled: ends with a terminator
  if (!block.data()) return kSusieNoMemory;
  if (!records.empty()) std::memcpy(block.data(), records.data(), records.size() * sizeof(SusieFileInfoRecord));
  *info = block.HandOver();
  return kSusieSuccess;
}

}  // namespace

SUSIE_EXPORT int WINAPI GetPluginInfo(int number, LPSTR buffer, int length) {
  switch (number) {
    case 0: return susie::CopyInfo("00AM", buffer, length);
    case 1: return susie::CopyInfo("POSIX tar archive reader (uncompressed)", buffer, length);
    case 2: return susie::CopyInfo("*.tar", buffer, length);
    case 3: return susie::CopyInfo("tar archives", buffer, length);
    default: return 0;
  }
}

SUSIE_EXPORT int WINAPI IsSupported(LPCSTR, void* header) {
  unsigned char first[kBlock] = {};
  if (susie::HeaderIsBuffer(header)) {
    std::memcpy(first, header, kBlock);
  } else {
    DWORD read = 0;
    if (!::ReadFile(static_cast<HANDLE>(header), first, kBlock, &read, nullptr) || read != kBlock) return 0;
  }
  return IsUstarHeader(first) ? 1 : 0;
}

SUSIE_EXPORT int WINAPI GetArchiveInfo(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* info) {
  if (!info) return kSusieBrokenData;
  if (susie::InputIsMemory(flag))
    return List(reinterpret_cast<const unsigned char*>(buffer), static_cast<std::size_t>(length), info);
  std::vector<unsigned char> file;
  if (!susie::ReadWholeFile(buffer, file) || static_cast<std::size_t>(length) > file.size()) return kSusieReadError;
  return List(file.data() + length, file.size() - static_cast<std::size_t>(length), info);
}

SUSIE_EXPORT int WINAPI GetFile(LPCSTR source, LONG_PTR position, LPSTR destination, unsigned flag,
                                SusieProgressCallback, LONG_PTR) {
  // Only archives on disk extracted into memory are offered.
  if (susie::InputIsMemory(flag) || !susie::OutputIsMemory(flag) || !destination || position < 0)
    return kSusieNotImplemented;
  susie::OpenedFile file(source);
  if (!file.ok()) return kSusieReadError;
  unsigned char header[kBlock];
  Member member;
  if (!file.ReadAt(static_cast<std::uint64_t>(position), header, kBlock) || !ReadMember(header, member) ||
      member.size > 0x7FFFFFFF)
    return kSusieBrokenData;
  susie::Block block(static_cast<std::size_t>(member.size));
  if (!block.data()) return kSusieNoMemory;
  if (member.size && !file.ReadAt(static_cast<std::uint64_t>(position) + kBlock, block.data(), static_cast<DWORD>(member.size)))
    return kSusieReadError;
  *reinterpret_cast<HLOCAL*>(destination) = block.HandOver();
  return kSusieSuccess;
}
