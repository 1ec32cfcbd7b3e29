#include "imaging/gdiplus_decode.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "imaging/byte_stream.h"
#include "imaging/dib.h"
#include "imaging/exif.h"
#include "imaging/foreign_call_guard.h"
#include "imaging/pixel_convert.h"

namespace tv {

using namespace Gdiplus::DllExports;

namespace {

void (*decodeHook)() = nullptr;

constexpr PROPID kOrientationProperty = 0x0112;

}  // namespace

void SetGdiplusDecodeHookForTesting(void (*hook)()) { decodeHook = hook; }

int ExifOrientationFromImage(Gdiplus::GpImage* image) {
  UINT size = 0;
  if (GdipGetPropertyItemSize(image, kOrientationProperty, &size) != Gdiplus::Ok || size < sizeof(Gdiplus::PropertyItem))
    return 0;
  std::vector<std::uint64_t> buffer((size + 7) / 8);  // aligned for the item header
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  if (GdipGetPropertyItem(image, kOrientationProperty, size, item) != Gdiplus::Ok || !item->value || item->length < 1)
    return 0;
  return RotationFromExifOrientation(*static_cast<const std::uint8_t*>(item->value));
}

bool DrawOverFill(Gdiplus::GpImage* image, void* pixels, int width, int height, std::uint32_t fillArgb,
                  UniqueGpImage* keepTarget) {
  Gdiplus::GpBitmap* target = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
  Gdiplus::Status drawn = Gdiplus::GenericError;
  const bool survived = RunGuarded([&] {
    if (GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB, static_cast<BYTE*>(pixels),
                                  &target) != Gdiplus::Ok)
      return;
    if (GdipGetImageGraphicsContext(target, &graphics) != Gdiplus::Ok) return;
    GdipSetCompositingQuality(graphics, Gdiplus::CompositingQualityHighSpeed);
    GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
    GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
    if (GdipGraphicsClear(graphics, fillArgb | 0xFF000000u) != Gdiplus::Ok) return;
    drawn = GdipDrawImageRectI(graphics, image, 0, 0, width, height);
  });
  UniqueGpGraphics graphicsOwner(graphics);
  UniqueGpImage targetOwner(target);
  graphicsOwner.reset();
  const bool ok = survived && drawn == Gdiplus::Ok;
  if (ok && keepTarget) *keepTarget = std::move(targetOwner);
  return ok;
}

bool RenderToBitmap(Gdiplus::GpImage* image, int width, int height, std::uint32_t fillArgb, UniqueBitmap& bitmap,
                    void** pixels, UniqueGpImage& renderTarget) {
  void* bits = nullptr;
  UniqueBitmap dib = CreateTopDownDib(width, height, &bits);
  if (!dib) return false;
  // GDI+ draws straight into the bitmap's own pixels: no second buffer and
  // no copy. Clearing with the fill colour first flattens transparency.
  UniqueGpImage target;
  if (!DrawOverFill(image, bits, width, height, fillArgb, &target)) return false;
  bitmap = std::move(dib);
  *pixels = bits;
  renderTarget = std::move(target);
  return true;
}

namespace {

// How the rows of a decoded format become source-bitmap rows without GDI+
// converting them first; null for formats GDI+ must convert.
using RowCopy = void (*)(const void* source, void* target, std::size_t pixelCount, std::uint32_t fillArgb);

RowCopy DirectRowCopy(Gdiplus::PixelFormat format) {
  switch (format) {
    case PixelFormat32bppARGB:
      return CopyFlattened;
    case PixelFormat32bppRGB:
      return [](const void* source, void* target, std::size_t count, std::uint32_t) { CopyOpaque(source, target, count); };
    case PixelFormat24bppRGB:
      return [](const void* source, void* target, std::size_t count, std::uint32_t) {
        ExpandBgrOpaque(source, target, count);
      };
    default:
      return nullptr;
  }
}

// Indexed pictures keep their transparency in the palette: Windows' GDI+
// leaves a transparent GIF 8-bit indexed with a transparent entry, and
// converts its pixels with that entry's alpha.
bool PaletteHasTransparency(Gdiplus::GpImage* image, Gdiplus::PixelFormat format) {
  if (!(format & PixelFormatIndexed)) return false;
  INT bytes = 0;
  if (GdipGetImagePaletteSize(image, &bytes) != Gdiplus::Ok || bytes < static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
    return false;
  std::vector<std::uint32_t> buffer((static_cast<std::size_t>(bytes) + 3) / 4);  // aligned for the header
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
  if (GdipGetImagePalette(image, palette, bytes) != Gdiplus::Ok) return false;
  const std::size_t room = (static_cast<std::size_t>(bytes) - offsetof(Gdiplus::ColorPalette, Entries)) / 4;
  const std::size_t count = std::min<std::size_t>(palette->Count, room);
  for (std::size_t i = 0; i < count; ++i)
    if ((palette->Entries[i] >> 24) != 0xFF) return true;
  return false;
}

}  // namespace

// Raster pictures: the decoded pixels are read once, straight into the source
// bitmap (no drawing pipeline, no temporary buffer). Common formats are read
// in place and converted, flattened, in the same pass; others are converted
// by GDI+ into the bitmap and flattened afterwards. False when the image is
// not a raster bitmap or GDI+ refuses, so the caller can draw it instead.
bool ConvertIntoBitmap(Gdiplus::GpImage* image, int width, int height, std::uint32_t fillArgb, UniqueBitmap& bitmap,
                       void** pixels, bool keepOpaque24) {
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  Gdiplus::PixelFormat format = PixelFormatUndefined;
  bool transparentPalette = false;
  if (!RunGuarded([&] {
        GdipGetImageType(image, &type);
        GdipGetImagePixelFormat(image, &format);
        transparentPalette = PaletteHasTransparency(image, format);
      }) ||
      type != Gdiplus::ImageTypeBitmap)
    return false;
  // An opaque 24-bit picture held as 32 bits would spend a quarter of its
  // memory on alpha bytes that are all 255.
  const bool opaque24 = keepOpaque24 && format == PixelFormat24bppRGB;
  const int depth = opaque24 ? 24 : 32;
  void* bits = nullptr;
  UniqueBitmap dib = CreateTopDownDib(width, height, &bits, depth);
  if (!dib) return false;
  const RowCopy rowCopy = opaque24 ? nullptr : DirectRowCopy(format);
  const std::size_t rowPixels = static_cast<std::size_t>(width);
  Gdiplus::Status status = Gdiplus::GenericError;
  const bool survived = RunGuarded([&] {
    auto* source = static_cast<Gdiplus::GpBitmap*>(image);
    Gdiplus::GpRect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (rowCopy) {
      status = GdipBitmapLockBits(source, &all, Gdiplus::ImageLockModeRead, format, &data);
      if (status != Gdiplus::Ok) return;
      auto* target = static_cast<std::uint8_t*>(bits);
      const auto* row = static_cast<const std::uint8_t*>(data.Scan0);
      for (int y = 0; y < height; ++y, row += data.Stride, target += rowPixels * 4)
        rowCopy(row, target, rowPixels, fillArgb);
      status = GdipBitmapUnlockBits(source, &data);
      return;
    }
    // GDI+ writes the rows into the bitmap itself, converting them on the
    // way where the formats differ; the DIB's padded stride is given to it.
    const Gdiplus::PixelFormat into = opaque24 ? PixelFormat24bppRGB : PixelFormat32bppARGB;
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(height);
    data.Stride = static_cast<INT>(DibStride(width, depth));
    data.PixelFormat = into;
    data.Scan0 = bits;
    status = GdipBitmapLockBits(source, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, into,
                                &data);
    if (status == Gdiplus::Ok) status = GdipBitmapUnlockBits(source, &data);
  });
  if (!survived || status != Gdiplus::Ok) return false;
  // Formats without alpha came out of GDI+ opaque already.
  if (!rowCopy && !opaque24 && ((format & (PixelFormatAlpha | PixelFormatPAlpha)) || transparentPalette))
    FlattenOntoFill(bits, rowPixels * static_cast<std::size_t>(height), fillArgb);
  bitmap = std::move(dib);
  *pixels = bits;
  return true;
}

bool DecodeWithGdiplus(const std::uint8_t* data, std::size_t size, std::uint32_t fillArgb, GdiplusPicture& picture,
                       const MappedFile* file) {
  if (!data || size == 0) return false;
  // GDI+ reads the file through a view of its own where it can: once the
  // decoder is done the view is unmapped, so the pages it touched are not
  // held while the source bitmap is filled. Lazy decoders read data instead.
  UniqueMappedView decoderView;
  if (file && file->data() == data && file->size() == size) decoderView = file->MapAnotherView();
  const auto* streamBytes = decoderView ? static_cast<const std::uint8_t*>(decoderView.get()) : data;
  ComPtr<ByteStream> stream = ByteStream::Create(streamBytes, size);
  if (!stream) return false;

  Gdiplus::GpImage* image = nullptr;
  UINT width = 0, height = 0;
  const bool survived = RunGuarded([&] {
    if (GdipLoadImageFromStream(stream.get(), &image) != Gdiplus::Ok) return;
    if (decodeHook) decodeHook();
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
  });
  UniqueGpImage imageOwner(image);
  stream->Repoint(data);
  decoderView.reset();
  // A 0 x 0 result is an undecodable file, not an empty picture.
  if (!survived || !imageOwner || width == 0 || height == 0) return false;
  if (!FitsBitmapLimit(width, height)) return false;

  GdiplusPicture result;
  result.width = static_cast<int>(width);
  result.height = static_cast<int>(height);
  RunGuarded([&] {
    result.exifRotation = ExifOrientationFromImage(imageOwner.get());
    UINT dimensions = 0;
    if (GdipImageGetFrameDimensionsCount(imageOwner.get(), &dimensions) == Gdiplus::Ok && dimensions > 0) {
      GUID dimension = Gdiplus::FrameDimensionTime;
      UINT frames = 0;
      if (GdipImageGetFrameCount(imageOwner.get(), &dimension, &frames) == Gdiplus::Ok && frames > 0)
        result.frameCount = frames;
    }
  });
  // Frames of an animation are drawn into the source bitmap later, as 32-bit
  // rows: only a still may keep its pixels 24-bit.
  if (!ConvertIntoBitmap(imageOwner.get(), result.width, result.height, fillArgb, result.sourceBitmap,
                         &result.pixels, result.frameCount == 1) &&
      !RenderToBitmap(imageOwner.get(), result.width, result.height, fillArgb, result.sourceBitmap, &result.pixels,
                      result.renderTarget))
    return false;
  if (result.frameCount > 1) {
    // Frames are decoded again from the stream later, after data is gone.
    bool copied = false;
    if (!RunGuarded([&] { copied = stream->KeepOwnCopy(); }) || !copied) return false;
    result.image = std::move(imageOwner);
    stream->QueryInterface(IID_IStream, result.stream.put_void());
  } else {
    // A still picture lives on in the source bitmap alone: GDI+'s decoded
    // pixels and the file copy would only double the memory it holds.
    result.renderTarget.reset();
    imageOwner.reset();
    stream.reset();
  }
  picture.stream = std::move(result.stream);
  picture.sourceBitmap = std::move(result.sourceBitmap);
  picture.pixels = result.pixels;
  picture.renderTarget = std::move(result.renderTarget);
  picture.image = std::move(result.image);
  picture.width = result.width;
  picture.height = result.height;
  picture.exifRotation = result.exifRotation;
  picture.frameCount = result.frameCount;
  return true;
}

}  // namespace tv
