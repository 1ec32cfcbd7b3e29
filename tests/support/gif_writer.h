#pragma once
// Writes GIF files for tests and sample pictures. GDI+ on Wine cannot encode
// GIFs (it writes a header and nothing else), so the project writes its own:
// palette-indexed frames, optional animation with per-frame delays and a loop
// count. The LZW stream uses literal codes only, with a clear code before the
// code width would grow: larger than a real encoder's output, but valid for
// every decoder and simple enough to trust.
#include <cstdint>
#include <string>
#include <vector>

namespace tvtest {

struct GifFrame {
  std::vector<std::uint8_t> indices;  // width*height palette indices, top row first
  int delayCentiseconds = 0;
  int transparentIndex = -1;          // -1: no transparent colour
};

struct GifPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, at most 256 entries
  std::vector<GifFrame> frames;
  int loopCount = -1;                  // -1: no looping block (still picture); 0: for ever
};

// Returns the file bytes, or an empty string when the picture is inconsistent.
std::string EncodeGif(const GifPicture& picture);

}  // namespace tvtest
