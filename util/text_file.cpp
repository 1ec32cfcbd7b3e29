#include "util/text_file.h"

namespace tv {

std::wstring DecodeTextFileBytes(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  const size_t units = bytes.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                           (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    if (i == 0 && (unit == 0xFEFF || unit == 0xFFFE)) continue;
    if (unit == L'\r') continue;
    text.push_back(unit);
  }
  return text;
}

std::string EncodeTextFileBytes(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(2 * text.size() + 64);
  auto put = [&bytes](unsigned unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  put(0xFEFF);
  for (const wchar_t c : text) {
    if (c == L'\n') put(L'\r');
    put(static_cast<unsigned>(c) & 0xFFFF);
  }
  return bytes;
}

TextFile ReadTextFile(const std::wstring& path) {
  FileBytes file = ReadFileBytes(path);
  TextFile result;
  result.status = file.status;
  if (file.status == FileStatus::Ok) result.text = DecodeTextFileBytes(file.bytes);
  return result;
}

bool WriteTextFile(const std::wstring& path, std::wstring_view text) {
  return WriteFileReplacing(path, EncodeTextFileBytes(text));
}

bool LoadKeyValueFile(KeyValueMap& map, const std::wstring& path, FileStatus* status) {
  const TextFile file = ReadTextFile(path);
  if (status) *status = file.status;
  if (file.text.empty()) return false;
  ParseKeyValueText(map, file.text);
  return true;
}

}  // namespace tv
