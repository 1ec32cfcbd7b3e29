#pragma once
// What the plug-in host reads from the data plug-ins hand back: archive
// file-information records, bitmap headers and bits, version texts. Nothing
// here trusts a plug-in: every walk is bounded by the block it came in.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// One archive member as an archive plug-in describes it (little-endian,
// packed). A first method byte of 0 ends an array of them.
#pragma pack(push, 1)
struct SusieFileInfo {
  std::uint8_t method[8];
  std::uint32_t position;        // handed back to GetFile
  std::uint32_t compressedSize;  // not used
  std::int32_t fileSize;         // a member of size <= 0 is not extracted
  std::int32_t timestamp;        // seconds since 1970
  char path[200];
  char fileName[200];
  std::uint32_t crc;             // not used
};
#pragma pack(pop)
static_assert(sizeof(SusieFileInfo) == 428, "plug-ins lay file information out in 428 bytes");
static_assert(offsetof(SusieFileInfo, fileSize) == 16 && offsetof(SusieFileInfo, path) == 24 &&
              offsetof(SusieFileInfo, fileName) == 224 && offsetof(SusieFileInfo, crc) == 424);

enum class PluginKind { Other, Image, Archive };

// From the first four bytes of the version text ("00IN", "00AM").
PluginKind KindOfVersion(const char* version);

// The records before the terminating one, never reading past `blockSize`:
// an array without terminator ends with the last whole record.
std::vector<SusieFileInfo> ReadFileInfoRecords(const void* block, std::size_t blockSize);

// The text of a fixed-size field up to its NUL, or all `bound` bytes.
std::string FieldText(const char* field, std::size_t bound);

// The archive member name: path field followed by file-name field.
std::string MemberName(const SusieFileInfo& record);

// The tail from the last '.' (inclusive, across folder separators); empty
// when there is none.
std::wstring_view ExtensionTail(std::wstring_view path);

// The first path of every file name (the part after the last backslash),
// in order; later paths with a name already seen are dropped.
std::vector<std::wstring> FirstOfEachName(const std::vector<std::wstring>& paths);

// A plug-in bitmap as its header describes it, checked against the sizes of
// the two blocks it came in.
struct PluginBitmapLayout {
  int width = 0;
  int height = 0;          // rows, always positive
  bool topDown = false;    // the header's height was negative
  int bitCount = 0;        // 1, 4, 8, 16, 24 or 32
  std::size_t stride = 0;  // bytes per row in the bits block
  std::size_t colourTableOffset = 0;
  std::size_t colourCount = 0;
  std::uint32_t masks[3] = {};  // red, green, blue for 16 and 32 bits
};

// False when the header is not a usable uncompressed bitmap or either block
// is smaller than the header says.
bool ReadPluginBitmapLayout(const std::uint8_t* header, std::size_t headerSize, std::size_t bitsSize,
                            PluginBitmapLayout& layout);

// Writes layout.width x layout.height opaque 0xFFRRGGBB pixels, top row
// first, into `target`.
void ConvertPluginBitmap(const PluginBitmapLayout& layout, const std::uint8_t* header, const std::uint8_t* bits,
                         std::uint32_t* target);

}  // namespace tv
