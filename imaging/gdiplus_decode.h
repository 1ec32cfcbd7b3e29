#pragma once
// Decodes BMP, JPEG, PNG, GIF and TIFF with GDI+ into the top-down source
// bitmap, transparency flattened onto the fill colour. The source bitmap is
// 24-bit for a still picture GDI+ decodes to 24-bit RGB (JPEG, 24-bit BMP,
// PNG and TIFF) and 32-bit for everything else. Every call into GDI+ runs
// under the foreign-call guard, so a decoder fault fails the decode.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "imaging/gdiplus_owners.h"
#include "imaging/mapped_file.h"
#include "util/win_handles.h"

namespace tv {

// Everything one GDI+ picture holds while it is shown. Members are declared
// so that the GDI+ objects go before the memory they read.
struct GdiplusPicture {
  ComPtr<IStream> stream;       // GDI+ reads it again to select frames; empty for stills
  UniqueBitmap sourceBitmap;    // the pixels below belong to it; 32-bit whenever frameCount > 1
  void* pixels = nullptr;
  UniqueGpImage renderTarget;   // GDI+ bitmap drawing into sourceBitmap's pixels
  UniqueGpImage image;          // the decoded file; kept only for several frames
  int width = 0, height = 0;
  int exifRotation = 0;         // rotation code from the orientation property
  UINT frameCount = 1;          // frames along the time dimension

  // Frees in the safe order: GDI+ objects before the memory they use.
  void Reset() noexcept {
    image.reset();
    renderTarget.reset();
    pixels = nullptr;
    sourceBitmap.reset();
    stream.reset();
    width = height = exifRotation = 0;
    frameCount = 1;
  }
};

// `picture` must be empty (see Reset). False when the bytes do not decode to a picture of at least 1 x 1, an
// allocation fails, or GDI+ faults. GDI+ must be started. When `file` is
// given it holds the same bytes as `data`, which must stay valid until the
// call returns. Only pictures with several frames keep the GDI+ image and a
// copy of the bytes; for all others they are freed once the source bitmap is
// filled.
bool DecodeWithGdiplus(const std::uint8_t* data, std::size_t size, std::uint32_t fillArgb, GdiplusPicture& picture,
                       const MappedFile* file = nullptr);

// Draws the image's active frame over the fill colour into `pixels`
// (width x height, 32-bit top-down). When `keepTarget` is given it receives
// the GDI+ bitmap that draws into those pixels; otherwise it is freed.
bool DrawOverFill(Gdiplus::GpImage* image, void* pixels, int width, int height, std::uint32_t fillArgb,
                  UniqueGpImage* keepTarget = nullptr);

// Draws the image's active frame into a new 32-bit top-down bitmap over the
// fill colour; false when the bitmap cannot be had or drawing fails. Also
// used to render animation frames.
bool RenderToBitmap(Gdiplus::GpImage* image, int width, int height, std::uint32_t fillArgb, UniqueBitmap& bitmap,
                    void** pixels, UniqueGpImage& renderTarget);

// Raster images: copies the decoded pixels into a new top-down bitmap, with
// transparency (alpha formats and indexed ones with a transparent palette
// entry) flattened onto the fill colour. The bitmap is 32-bit, except that
// with `keepOpaque24` a picture decoded as 24-bit RGB gets a 24-bit one.
// False when the image is not a raster bitmap or GDI+ refuses, so the caller
// can draw it instead.
bool ConvertIntoBitmap(Gdiplus::GpImage* image, int width, int height, std::uint32_t fillArgb, UniqueBitmap& bitmap,
                       void** pixels, bool keepOpaque24 = false);

// Rotation code of the image's Exif orientation property; 0 without one.
int ExifOrientationFromImage(Gdiplus::GpImage* image);

// Test seam: called inside the guard after GDI+ has loaded the image.
void SetGdiplusDecodeHookForTesting(void (*hook)());

}  // namespace tv
