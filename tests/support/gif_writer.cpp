#include "tests/support/gif_writer.h"

namespace tvtest {
namespace {

void PutWord(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, as GIF requires.
class CodePacker {
 public:
  void Put(unsigned code, int width) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      bytes_.push_back(static_cast<char>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) bytes_.push_back(static_cast<char>(bits_ & 0xFF));
    bits_ = 0;
    count_ = 0;
    return std::move(bytes_);
  }

 private:
  std::string bytes_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

std::string LiteralLzw(const std::vector<std::uint8_t>& indices) {
  constexpr unsigned kClear = 256, kEnd = 257;
  constexpr int kWidth = 9;
  // After a clear the decoder adds one table entry per code but the first;
  // clearing again after 253 literals keeps the next free code below 512, so
  // the code width never has to grow.
  constexpr int kLiteralsPerClear = 253;
  CodePacker packer;
  int sinceClear = kLiteralsPerClear;
  for (std::uint8_t index : indices) {
    if (sinceClear == kLiteralsPerClear) {
      packer.Put(kClear, kWidth);
      sinceClear = 0;
    }
    packer.Put(index, kWidth);
    ++sinceClear;
  }
  packer.Put(kEnd, kWidth);
  return packer.Finish();
}

void PutSubBlocks(std::string& out, const std::string& data) {
  for (size_t at = 0; at < data.size(); at += 255) {
    const size_t n = std::min<size_t>(255, data.size() - at);
    out.push_back(static_cast<char>(n));
    out.append(data, at, n);
  }
  out.push_back('\0');
}

}  // namespace

std::string EncodeGif(const GifPicture& picture) {
  const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 0xFFFF || picture.height > 0xFFFF ||
      picture.palette.empty() || picture.palette.size() > 256 || picture.frames.empty())
    return {};
  for (const GifFrame& frame : picture.frames) {
    if (frame.indices.size() != pixels) return {};
    for (std::uint8_t index : frame.indices)
      if (index >= picture.palette.size()) return {};
  }

  std::string out = "GIF89a";
  PutWord(out, picture.width);
  PutWord(out, picture.height);
  out.push_back(static_cast<char>(0xF7));  // global table of 256 entries, 8-bit colour
  out.push_back('\0');                     // background index
  out.push_back('\0');                     // no aspect ratio
  for (size_t i = 0; i < 256; ++i) {
    const std::uint32_t rgb = i < picture.palette.size() ? picture.palette[i] : 0;
    out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
    out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<char>(rgb & 0xFF));
  }
  if (picture.loopCount >= 0) {
    out += "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
    PutWord(out, picture.loopCount);
    out.push_back('\0');
  }
  for (const GifFrame& frame : picture.frames) {
    out += "\x21\xF9\x04";
    const bool transparent = frame.transparentIndex >= 0;
    out.push_back(static_cast<char>((1 << 2) | (transparent ? 1 : 0)));  // keep previous frame
    PutWord(out, frame.delayCentiseconds);
    out.push_back(static_cast<char>(transparent ? frame.transparentIndex : 0));
    out.push_back('\0');
    out.push_back(',');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, picture.width);
    PutWord(out, picture.height);
    out.push_back('\0');  // no local table, not interlaced
    out.push_back('\x08');
    PutSubBlocks(out, LiteralLzw(frame.indices));
  }
  out.push_back(';');
  return out;
}

}  // namespace tvtest
