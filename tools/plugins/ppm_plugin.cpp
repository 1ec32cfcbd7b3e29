// An image plug-in for netpbm pictures: PPM (P3, P6) and PGM (P2, P5), any
// maximum value up to 65535. Hands the picture back as a bottom-up DIB:
// 24 bits for colour, 8 bits with a grey colour table for grey.
#include <cctype>
#include <cstdint>
#include <vector>

#include "tools/plugins/susie_interface.h"

namespace {

struct Netpbm {
  char kind = 0;  // '2', '3', '5' or '6'
  std::uint32_t width = 0, height = 0, maximum = 0;
  std::size_t pixelsAt = 0;  // offset of the first sample
};

class Reader {
 public:
  Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  // Skips white space and comments, then reads a decimal number.
  bool Number(std::uint32_t& value) {
    for (;;) {
      while (at_ < size_ && std::isspace(data_[at_])) ++at_;
      if (at_ < size_ && data_[at_] == '#') {
        while (at_ < size_ && data_[at_] != '\n' && data_[at_] != '\r') ++at_;
        continue;
      }
      break;
    }
    if (at_ >= size_ || !std::isdigit(data_[at_])) return false;
    std::uint64_t number = 0;
    while (at_ < size_ && std::isdigit(data_[at_])) {
      number = number * 10 + static_cast<std::uint64_t>(data_[at_++] - '0');
      if (number > 0xFFFFFFFFu) return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
  }
  std::size_t at() const { return at_; }
  void Skip(std::size_t count) { at_ += count; }

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool IsNetpbmStart(const unsigned char* data, std::size_t size) {
  return size >= 3 && data[0] == 'P' && (data[1] == '2' || data[1] == '3' || data[1] == '5' || data[1] == '6') &&
         std::isspace(data[2]);
}

bool ReadHeader(const unsigned char* data, std::size_t size, Netpbm& picture) {
  if (!IsNetpbmStart(data, size)) return false;
  Reader reader(data, size);
  reader.Skip(2);
  picture.kind = static_cast<char>(data[1]);
  if (!reader.Number(picture.width) || !reader.Number(picture.height) || !reader.Number(picture.maximum)) return false;
  if (picture.width == 0 || picture.height == 0 || picture.maximum == 0 || picture.maximum > 65535) return false;
  if (static_cast<std::uint64_t>(picture.width) * picture.height > 0x10000000u) return false;
  picture.pixelsAt = reader.at() + 1;  // exactly one white-space byte ends the header
  return true;
}

int Decode(const unsigned char* data, std::size_t size, HLOCAL* headerHandle, HLOCAL* bitsHandle,
           SusieProgressCallback progress, LONG_PTR user) {
  Netpbm picture;
  if (!ReadHeader(data, size, picture)) return kSusieUnknownFormat;
  const bool colour = picture.kind == '3' || picture.kind == '6';
  const bool binary = picture.kind == '5' || picture.kind == '6';
  const std::uint32_t channels = colour ? 3 : 1;
  const std::size_t sampleBytes = picture.maximum > 255 ? 2 : 1;
  const std::size_t width = picture.width, height = picture.height;
  const std::size_t stride = (width * channels + 3) & ~std::size_t{3};
  const std::size_t rowSamples = width * channels;
  if (binary && (picture.pixelsAt > size || (size - picture.pixelsAt) / sampleBytes / rowSamples < height))
    return kSusieBrokenData;

  const std::size_t tableEntries = colour ? 0 : 256;
  susie::Block header(sizeof(BITMAPINFOHEADER) + tableEntries * 4);
  susie::Block bits(stride * height);
  if (!header.data() || !bits.data()) return kSusieNoMemory;
  auto* info = reinterpret_cast<BITMAPINFOHEADER*>(header.data());
  info->biSize = sizeof(BITMAPINFOHEADER);
  info->biWidth = static_cast<LONG>(width);
  info->biHeight = static_cast<LONG>(height);
  info->biPlanes = 1;
  info->biBitCount = static_cast<WORD>(channels * 8);
  info->biCompression = BI_RGB;
  info->biClrUsed = static_cast<DWORD>(tableEntries);
  auto* table = reinterpret_cast<RGBQUAD*>(header.data() + sizeof(BITMAPINFOHEADER));
  for (std::size_t i = 0; i < tableEntries; ++i) {
    const auto grey = static_cast<BYTE>(i);
    table[i] = RGBQUAD{grey, grey, grey, 0};
  }

  // Samples scale to 8 bits; a table maps the common 8-bit case directly.
  std::vector<unsigned char> scale(picture.maximum + 1);
  for (std::uint32_t v = 0; v <= picture.maximum; ++v)
    scale[v] = static_cast<unsigned char>((v * 255u + picture.maximum / 2) / picture.maximum);

  Reader text(data, size);
  text.Skip(picture.pixelsAt);
  const unsigned char* sample = data + picture.pixelsAt;
  std::vector<unsigned char> row(rowSamples);
  const std::size_t reportEvery = height / 32 + 1;
  for (std::size_t y = 0; y < height; ++y) {
    if (progress && y % reportEvery == 0 && progress(static_cast<int>(y), static_cast<int>(height), user) != 0)
      return kSusieAborted;
    if (binary && sampleBytes == 1) {
      for (std::size_t i = 0; i < rowSamples; ++i) row[i] = scale[sample[i] <= picture.maximum ? sample[i] : picture.maximum];
      sample += rowSamples;
    } else if (binary) {
      for (std::size_t i = 0; i < rowSamples; ++i, sample += 2) {
        const std::uint32_t v = static_cast<std::uint32_t>(sample[0]) << 8 | sample[1];
        row[i] = scale[v <= picture.maximum ? v : picture.maximum];
      }
    } else {
      for (std::size_t i = 0; i < rowSamples; ++i) {
        std::uint32_t v = 0;
        if (!text.Number(v)) return kSusieBrokenData;
        row[i] = scale[v <= picture.maximum ? v : picture.maximum];
      }
    }
    unsigned char* out = bits.data() + (height - 1 - y) * stride;  // bottom-up
    if (colour) {
      for (std::size_t x = 0; x < width; ++x) {
        out[x * 3] = row[x * 3 + 2];
        out[x * 3 + 1] = row[x * 3 + 1];
        out[x * 3 + 2] = row[x * 3];
      }
    } else {
      std::memcpy(out, row.data(), width);
    }
  }
  if (progress) progress(static_cast<int>(height), static_cast<int>(height), user);
  *headerHandle = header.HandOver();
  *bitsHandle = bits.HandOver();
  return kSusieSuccess;
}

}  // namespace

SUSIE_EXPORT int WINAPI GetPluginInfo(int number, LPSTR buffer, int length) {
  switch (number) {
    case 0: return susie::CopyInfo("00IN", buffer, length);
    case 1: return susie::CopyInfo("netpbm PPM/PGM reader", buffer, length);
    case 2: return susie::CopyInfo("*.ppm;*.pgm;*.pnm", buffer, length);
    case 3: return susie::CopyInfo("netpbm pictures", buffer, length);
    default: return 0;
  }
}

SUSIE_EXPORT int WINAPI IsSupported(LPCSTR, void* header) {
  unsigned char start[4] = {};
  if (susie::HeaderIsBuffer(header)) {
    std::memcpy(start, header, sizeof start);
  } else {
    DWORD read = 0;
    if (!::ReadFile(static_cast<HANDLE>(header), start, sizeof start, &read, nullptr)) return 0;
  }
  return IsNetpbmStart(start, sizeof start) ? 1 : 0;
}

SUSIE_EXPORT int WINAPI GetPicture(LPCSTR buffer, LONG_PTR length, unsigned flag, HLOCAL* header, HLOCAL* bits,
                                   SusieProgressCallback progress, LONG_PTR user) {
  if (!header || !bits) return kSusieBrokenData;
  if (susie::InputIsMemory(flag))
    return Decode(reinterpret_cast<const unsigned char*>(buffer), static_cast<std::size_t>(length), header, bits,
                  progress, user);
  std::vector<unsigned char> file;
  if (!susie::ReadWholeFile(buffer, file) || static_cast<std::size_t>(length) > file.size()) return kSusieReadError;
  return Decode(file.data() + length, file.size() - static_cast<std::size_t>(length), header, bits, progress, user);
}

SUSIE_EXPORT int WINAPI ConfigurationDlg(HWND, int) { return kSusieNotImplemented; }
