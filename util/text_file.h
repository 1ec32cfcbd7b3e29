#pragma once
// The text files of the program (ini files, file-list files): UTF-16
// little-endian with a byte-order mark and CR LF line ends on disk, LF only
// in memory.
#include <string>
#include <string_view>

#include "util/file_system.h"
#include "util/key_value.h"

namespace tv {

struct TextFile {
  // Missing, Unreadable (exists but could not be read now) and Ok; an Ok file
  // may still hold empty text.
  FileStatus status = FileStatus::Missing;
  std::wstring text;
};

// Byte level: an odd last byte is ignored, a leading U+FEFF or U+FFFE is
// skipped and every CR is dropped.
std::wstring DecodeTextFileBytes(std::string_view bytes);
std::string EncodeTextFileBytes(std::wstring_view text);

TextFile ReadTextFile(const std::wstring& path);
// Replaces the file only after the complete new text was written; false when
// it could not be, and then the previous file is untouched.
bool WriteTextFile(const std::wstring& path, std::wstring_view text);

// False when the file reads as empty text (missing, unreadable or empty);
// status, when given, tells those apart.
bool LoadKeyValueFile(KeyValueMap& map, const std::wstring& path, FileStatus* status = nullptr);

}  // namespace tv
