#pragma once
// Bounds-checked reads from untrusted bytes. Every parser of picture and
// archive files reads through this, so a crafted length can make a parse fail
// but never reach outside the data.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tv {

class ByteView {
 public:
  ByteView() = default;
  ByteView(const std::uint8_t* data, std::size_t size) : data_(data), size_(data ? size : 0) {}

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  // True when `count` bytes starting at `pos` lie inside the data; positions
  // are 64-bit so sums of 32-bit file fields cannot wrap on 32-bit builds.
  bool Has(std::uint64_t pos, std::uint64_t count) const {
    return pos <= size_ && count <= size_ - pos;
  }
  std::optional<std::uint8_t> U8(std::uint64_t pos) const {
    if (!Has(pos, 1)) return std::nullopt;
    return data_[pos];
  }
  std::optional<std::uint16_t> U16(std::uint64_t pos, bool bigEndian) const {
    if (!Has(pos, 2)) return std::nullopt;
    const std::uint8_t* p = data_ + pos;
    return bigEndian ? static_cast<std::uint16_t>((p[0] << 8) | p[1])
                     : static_cast<std::uint16_t>((p[1] << 8) | p[0]);
  }
  std::optional<std::uint32_t> U32(std::uint64_t pos, bool bigEndian) const {
    if (!Has(pos, 4)) return std::nullopt;
    const std::uint8_t* p = data_ + pos;
    const std::uint32_t b0 = p[0], b1 = p[1], b2 = p[2], b3 = p[3];
    return bigEndian ? (b0 << 24) | (b1 << 16) | (b2 << 8) | b3 : (b3 << 24) | (b2 << 16) | (b1 << 8) | b0;
  }
  // Compares raw bytes; false when they would run past the end.
  bool Matches(std::uint64_t pos, std::string_view bytes) const {
    if (!Has(pos, bytes.size())) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
      if (data_[pos + i] != static_cast<std::uint8_t>(bytes[i])) return false;
    return true;
  }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace tv
