#pragma once
// The picture size a file's header declares, read before any decoder sees the
// bytes, so that a picture whose decode cannot fit in memory is refused at
// once instead of letting a decoder try for minutes. Window-free and
// bounds-checked: the bytes are untrusted.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tv {

struct DeclaredSize {
  std::uint32_t width = 0, height = 0;
};

// JPEG (the first SOFn), PNG (IHDR), GIF (the logical screen and every image
// descriptor, whichever reaches furthest), BMP (info or core header; a
// negative height counts by its magnitude) and TIFF (the first IFD, either
// byte order). Nothing when the format is not one of these or its header is
// cut short or malformed; sides are never 0.
std::optional<DeclaredSize> ReadDeclaredSize(const std::uint8_t* data, std::size_t size);

// True when a decode needing `bytesPerPixel` for each of width x height
// pixels fits in `availableBytes`.
bool DecodeFitsIn(DeclaredSize size, std::uint32_t bytesPerPixel, std::uint64_t availableBytes);

}  // namespace tv
