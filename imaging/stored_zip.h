#pragma once
// The built-in reader for ZIP archives whose members are stored without
// compression: it lists the members from their local headers and points at
// their bytes inside the caller's buffer (normally the read-only file
// mapping), so members are decoded in place.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct ZipMember {
  std::wstring name;
  std::int64_t time = 0;  // seconds since 1970, from the DOS time taken as local time
  std::uint32_t size = 0;
  const std::uint8_t* data = nullptr;  // inside the parsed buffer; valid while it is
  std::uint32_t method = 0;            // always 0 (stored)
};

// Turns a raw member name into text; `utf8` is the archive's own UTF-8 flag
// (general-purpose bit 11). Names without it use the system ANSI code page,
// which only the Windows build can supply.
using ZipNameDecoder = std::wstring (*)(std::string_view raw, bool utf8);

// Native fallback: UTF-8 when flagged, otherwise each byte as its own code
// unit (ISO 8859-1).
std::wstring DecodeZipNameLatin1(std::string_view raw, bool utf8);

// Replaces `members` with the stored members of the archive and returns their
// count. Sizes and positions come from the central directory (members
// written with a data descriptor have none in their local headers); an
// archive cut short before its directory is read from its local headers.
// The first compressed member, a ZIP64 marker (0xFFFFFFFF), differing sizes,
// a bad signature, or a member running to or past the end of the buffer ends
// the listing.
std::size_t ParseStoredZip(const std::uint8_t* data, std::size_t size, std::vector<ZipMember>& members,
                           ZipNameDecoder decodeName);

// Seconds since 1970 of a DOS date and time read as local time; 0 when the
// fields do not form a time the C library can convert.
std::int64_t DosDateTimeToUnix(std::uint16_t date, std::uint16_t time);

}  // namespace tv
