#include "imaging/stored_zip.h"

#include <ctime>

#include "imaging/byte_view.h"
#include "util/text.h"

namespace tv {

namespace {
constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr std::uint32_t kZip64Marker = 0xFFFFFFFF;
constexpr std::uint16_t kUtf8NameFlag = 1u << 11;
constexpr std::uint64_t kLocalHeaderSize = 30;
}  // namespace

std::wstring DecodeZipNameLatin1(std::string_view raw, bool utf8) {
  if (utf8) return Utf8ToWide(raw);
  std::wstring out;
  out.reserve(raw.size());
  for (char c : raw) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return out;
}

std::int64_t DosDateTimeToUnix(std::uint16_t date, std::uint16_t time) {
  std::tm local{};
  local.tm_year = 80 + ((date >> 9) & 0x7F);
  local.tm_mon = ((date >> 5) & 0x0F) - 1;
  local.tm_mday = date & 0x1F;
  local.tm_hour = (time >> 11) & 0x1F;
  local.tm_min = (time >> 5) & 0x3F;
  local.tm_sec = (time & 0x1F) * 2;
  local.tm_isdst = -1;
  const std::time_t t = std::mktime(&local);
  return t == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(t);
}

std::size_t ParseStoredZip(const std::uint8_t* data, std::size_t size, std::vector<ZipMember>& members,
                           ZipNameDecoder decodeName) {
  members.clear();
  const ByteView bytes(data, size);
  std::uint64_t header = 0;
  while (header + kLocalHeaderSize < bytes.size()) {
    if (bytes.U32(header, false) != kLocalHeaderSignature) break;
    const std::uint16_t flags = *bytes.U16(header + 6, false);
    if (*bytes.U16(header + 8, false) != 0) break;  // compressed: left to the archive plug-ins
    const std::uint16_t dosTime = *bytes.U16(header + 10, false);
    const std::uint16_t dosDate = *bytes.U16(header + 12, false);
    const std::uint32_t packedSize = *bytes.U32(header + 18, false);
    const std::uint32_t memberSize = *bytes.U32(header + 22, false);
    if (packedSize != memberSize || memberSize == kZip64Marker) break;
    const std::uint16_t nameLength = *bytes.U16(header + 26, false);
    const std::uint16_t extraLength = *bytes.U16(header + 28, false);
    const std::uint64_t dataStart = header + kLocalHeaderSize + nameLength + extraLength;
    const std::uint64_t dataEnd = dataStart + memberSize;  // 64-bit: cannot wrap
    if (dataEnd >= bytes.size()) break;
    ZipMember member;
    const std::string_view rawName(reinterpret_cast<const char*>(data + header + kLocalHeaderSize), nameLength);
    member.name = decodeName ? decodeName(rawName, (flags & kUtf8NameFlag) != 0)
                             : DecodeZipNameLatin1(rawName, (flags & kUtf8NameFlag) != 0);
    member.time = DosDateTimeToUnix(dosDate, dosTime);
    member.size = memberSize;
    member.data = data + dataStart;
    members.push_back(std::move(member));
    header = dataEnd;
  }
  return members.size();
}

}  // namespace tv
