#pragma once
// Recognises the still-picture formats GDI+ decodes by their first bytes.
#include <cstddef>
#include <cstdint>

namespace tv {

// BMP, JPEG, PNG, GIF or TIFF (either byte order).
bool IsGdiplusFormat(const std::uint8_t* data, std::size_t size);

}  // namespace tv
