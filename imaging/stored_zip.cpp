#include "imaging/stored_zip.h"

#include <ctime>
#include <optional>

#include "imaging/byte_view.h"
#include "util/text.h"

namespace tv {

namespace {
constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr std::uint32_t kZip64Marker = 0xFFFFFFFF;
constexpr std::uint16_t kUtf8NameFlag = 1u << 11;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
constexpr std::uint16_t kDataDescriptorFlag = 1u << 3;
constexpr std::uint64_t kLocalHeaderSize = 30;
constexpr std::uint64_t kCentralHeaderSize = 46;
constexpr std::uint64_t kEndRecordSize = 22;
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

namespace {

struct MemberFields {
  std::uint16_t flags = 0, dosTime = 0, dosDate = 0;
  std::uint32_t size = 0;
  std::string_view rawName;
};

// Appends the member whose data starts at `dataStart`; false (nothing added)
// when its data would run to or past the end of the buffer.
bool AddMember(const ByteView& bytes, const MemberFields& fields, std::uint64_t dataStart,
               std::vector<ZipMember>& members, ZipNameDecoder decodeName) {
  const std::uint64_t dataEnd = dataStart + fields.size;  // 64-bit: cannot wrap
  if (dataEnd >= bytes.size()) return false;
  const bool utf8 = (fields.flags & kUtf8NameFlag) != 0;
  ZipMember member;
  member.name = decodeName ? decodeName(fields.rawName, utf8) : DecodeZipNameLatin1(fields.rawName, utf8);
  member.time = DosDateTimeToUnix(fields.dosDate, fields.dosTime);
  member.size = fields.size;
  member.data = bytes.data() + dataStart;
  members.push_back(std::move(member));
  return true;
}

std::string_view RawText(const ByteView& bytes, std::uint64_t pos, std::uint16_t length) {
  return {reinterpret_cast<const char*>(bytes.data() + pos), length};
}

// The end-of-central-directory record, searched backwards over the longest
// comment the format allows.
std::optional<std::uint64_t> FindEndRecord(const ByteView& bytes) {
  if (bytes.size() < kEndRecordSize) return std::nullopt;
  const std::uint64_t last = bytes.size() - kEndRecordSize;
  const std::uint64_t first = last > 0xFFFF ? last - 0xFFFF : 0;
  for (std::uint64_t at = last + 1; at-- > first;) {
    if (bytes.U32(at, false) != kEndRecordSignature) continue;
    if (bytes.Has(at + kEndRecordSize, *bytes.U16(at + 20, false))) return at;
  }
  return std::nullopt;
}

// Lists the stored members in the order of the central directory, which alone
// knows the sizes of members written with a data descriptor. False when there
// is no readable directory.
bool ListFromCentralDirectory(const ByteView& bytes, std::vector<ZipMember>& members, ZipNameDecoder decodeName) {
  const std::optional<std::uint64_t> end = FindEndRecord(bytes);
  if (!end) return false;
  const std::uint16_t count = *bytes.U16(*end + 10, false);
  const std::uint32_t directorySize = *bytes.U32(*end + 12, false);
  const std::uint32_t directoryOffset = *bytes.U32(*end + 16, false);
  if (directoryOffset == kZip64Marker || !bytes.Has(directoryOffset, directorySize)) return false;
  std::uint64_t entry = directoryOffset;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!bytes.Has(entry, kCentralHeaderSize) || bytes.U32(entry, false) != kCentralHeaderSignature) break;
    if (*bytes.U16(entry + 10, false) != 0) break;  // compressed: left to the archive plug-ins
    MemberFields fields;
    fields.flags = *bytes.U16(entry + 8, false);
    fields.dosTime = *bytes.U16(entry + 12, false);
    fields.dosDate = *bytes.U16(entry + 14, false);
    const std::uint32_t packedSize = *bytes.U32(entry + 20, false);
    fields.size = *bytes.U32(entry + 24, false);
    const std::uint16_t nameLength = *bytes.U16(entry + 28, false);
    const std::uint16_t extraLength = *bytes.U16(entry + 30, false);
    const std::uint16_t commentLength = *bytes.U16(entry + 32, false);
    const std::uint32_t localHeader = *bytes.U32(entry + 42, false);
    if (packedSize != fields.size || fields.size == kZip64Marker || localHeader == kZip64Marker) break;
    if (!bytes.Has(entry + kCentralHeaderSize, nameLength)) break;
    fields.rawName = RawText(bytes, entry + kCentralHeaderSize, nameLength);
    // The local header's own name and extra lengths place the data; its
    // extra field may differ from the directory's.
    if (!bytes.Has(localHeader, kLocalHeaderSize) || bytes.U32(localHeader, false) != kLocalHeaderSignature) break;
    // Without a data descriptor the local header must agree with the directory.
    if (!(*bytes.U16(localHeader + 6, false) & kDataDescriptorFlag) &&
        (bytes.U32(localHeader + 18, false) != fields.size || bytes.U32(localHeader + 22, false) != fields.size))
      break;
    const std::uint64_t dataStart =
        localHeader + kLocalHeaderSize + *bytes.U16(localHeader + 26, false) + *bytes.U16(localHeader + 28, false);
    if (!AddMember(bytes, fields, dataStart, members, decodeName)) break;
    entry += kCentralHeaderSize + nameLength + extraLength + commentLength;
  }
  return true;
}

// For archives cut short before their directory: members in file order, as
// far as their local headers tell their sizes.
void ListFromLocalHeaders(const ByteView& bytes, std::vector<ZipMember>& members, ZipNameDecoder decodeName) {
  std::uint64_t header = 0;
  while (header + kLocalHeaderSize < bytes.size()) {
    if (bytes.U32(header, false) != kLocalHeaderSignature) break;
    if (*bytes.U16(header + 8, false) != 0) break;  // compressed: left to the archive plug-ins
    MemberFields fields;
    fields.flags = *bytes.U16(header + 6, false);
    fields.dosTime = *bytes.U16(header + 10, false);
    fields.dosDate = *bytes.U16(header + 12, false);
    const std::uint32_t packedSize = *bytes.U32(header + 18, false);
    fields.size = *bytes.U32(header + 22, false);
    if (packedSize != fields.size || fields.size == kZip64Marker) break;
    // Sizes written after the data are unknown here.
    if ((fields.flags & kDataDescriptorFlag) && fields.size == 0) break;
    const std::uint16_t nameLength = *bytes.U16(header + 26, false);
    const std::uint16_t extraLength = *bytes.U16(header + 28, false);
    if (!bytes.Has(header + kLocalHeaderSize, nameLength)) break;
    fields.rawName = RawText(bytes, header + kLocalHeaderSize, nameLength);
    const std::uint64_t dataStart = header + kLocalHeaderSize + nameLength + extraLength;
    if (!AddMember(bytes, fields, dataStart, members, decodeName)) break;
    header = dataStart + fields.size;
  }
}

}  // namespace

std::size_t ParseStoredZip(const std::uint8_t* data, std::size_t size, std::vector<ZipMember>& members,
                           ZipNameDecoder decodeName) {
  members.clear();
  const ByteView bytes(data, size);
  // Only a file that starts like an archive is searched for a directory.
  if (bytes.U32(0, false) != kLocalHeaderSignature) return 0;
  if (!ListFromCentralDirectory(bytes, members, decodeName)) {
    members.clear();
    ListFromLocalHeaders(bytes, members, decodeName);
  }
  return members.size();
}

}  // namespace tv
