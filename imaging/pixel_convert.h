#pragma once
// Pixel loops that turn decoded rows into the source bitmap's format: 4 bytes
// a pixel in blue, green, red, alpha order, fully opaque. Transparency is
// blended onto the fill colour once, while copying, so no second pass walks
// the whole picture.
#include <cstddef>
#include <cstdint>

namespace tv {

// In place: each pixel blended over the opaque fill colour (0x00RRGGBB).
void FlattenOntoFill(void* pixels, std::size_t pixelCount, std::uint32_t fillArgb);

// `source` holds straight-alpha BGRA pixels; `target` receives them flattened.
void CopyFlattened(const void* source, void* target, std::size_t pixelCount, std::uint32_t fillArgb);

// `source` holds BGRX pixels whose fourth byte means nothing; `target`
// receives them with alpha 255.
void CopyOpaque(const void* source, void* target, std::size_t pixelCount);

// `source` holds 3-byte BGR pixels; `target` receives them with alpha 255.
void ExpandBgrOpaque(const void* source, void* target, std::size_t pixelCount);

}  // namespace tv
