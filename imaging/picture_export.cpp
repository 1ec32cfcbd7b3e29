#include "imaging/picture_export.h"

#include <cstring>
#include <vector>

#include "imaging/dib.h"
#include "util/clipboard.h"
#include "util/file_system.h"
#include "util/text.h"

namespace tv {

using namespace Gdiplus::DllExports;

namespace {

// The published GDI+ EncoderQuality parameter.
constexpr GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

PictureExport::EncodeHook encodeHook = nullptr;

// A read-only file or a folder in the way is refused before encoding: the
// replacing move would otherwise overwrite a read-only file where the file
// system allows it.
bool MayReplace(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedLengthPath(path).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool HasPicture(const LoadedImage& image) {
  return image.pictureLoaded() && (image.ContentFlags() & kContentPictures) != 0 && image.sourceBitmap();
}

BITMAPINFOHEADER TopDownHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

// Reads the source bitmap as top-down 32-bit rows. GetDIBits turns whatever
// row order and depth the bitmap has into the ones asked for, so a picture
// whose decoder stored it bottom-up or top-down, in 24 or 32 bits, comes out
// upright alike (the fourth byte is not read by anyone).
bool ReadUprightRows(HBITMAP source, int width, int height, void* rows) {
  BITMAPINFOHEADER header = TopDownHeader(width, height);
  WindowDC screen(nullptr);
  if (!screen.get()) return false;
  return ::GetDIBits(screen.get(), source, 0, static_cast<UINT>(height), rows, reinterpret_cast<BITMAPINFO*>(&header),
                     DIB_RGB_COLORS) == height;
}

bool SourceSize(HBITMAP source, int& width, int& height) {
  BITMAP description{};
  if (::GetObjectW(source, sizeof description, &description) != sizeof description) return false;
  width = description.bmWidth;
  height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
  return width > 0 && height > 0 && FitsBitmapLimit(width, height);
}

// A GDI+ bitmap with pixels of its own, without alpha (the loader has
// already flattened transparency onto the fill colour), filled top-down.
template <typename Fill>
UniqueGpImage NewRgbBitmap(int width, int height, Fill fill) {
  Gdiplus::GpBitmap* created = nullptr;
  if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppRGB, nullptr, &created) != Gdiplus::Ok)
    return UniqueGpImage();
  UniqueGpImage bitmap(created);
  const Gdiplus::GpRect area(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (GdipBitmapLockBits(created, &area, Gdiplus::ImageLockModeWrite, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
    return UniqueGpImage();
  const bool filled = data.Stride == width * 4 && fill(data.Scan0);
  GdipBitmapUnlockBits(created, &data);
  return filled ? std::move(bitmap) : UniqueGpImage();
}

std::wstring TemporaryBeside(const std::wstring& path) {
  return path + L".tmp~" + DecimalInt(static_cast<long long>(::GetCurrentProcessId()));
}

}  // namespace

void PictureExport::SetEncodeHookForTesting(EncodeHook hook) { encodeHook = hook; }

int PictureExport::FindEncoder(const wchar_t* mime, CLSID& classId) {
  UINT count = 0, size = 0;
  if (GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0 || size == 0) return -1;
  std::vector<std::uint64_t> buffer((size + 7) / 8);  // aligned for the records
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, size, encoders) != Gdiplus::Ok) return -1;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType && std::wcscmp(encoders[i].MimeType, mime) == 0) {
      classId = encoders[i].Clsid;
      return static_cast<int>(i);
    }
  }
  return -1;
}

UniqueGpImage PictureExport::MakeExportBitmap(const LoadedImage& image) {
  int width = 0, height = 0;
  if (!HasPicture(image) || !SourceSize(image.sourceBitmap(), width, height)) return UniqueGpImage();
  return NewRgbBitmap(width, height,
                      [&](void* rows) { return ReadUprightRows(image.sourceBitmap(), width, height, rows); });
}

UniqueGpImage PictureExport::MakeShowingSizeBitmap(const LoadedImage& image, int width, int height) {
  if (!HasPicture(image) || !image.scaledBitmap() || width <= 0 || height <= 0 || !FitsBitmapLimit(width, height))
    return UniqueGpImage();
  void* bits = nullptr;
  UniqueBitmap target = CreateTopDownDib(width, height, &bits);
  UniqueMemoryDC sourceDc(::CreateCompatibleDC(nullptr));
  UniqueMemoryDC targetDc(::CreateCompatibleDC(nullptr));
  if (!target || !sourceDc || !targetDc) return UniqueGpImage();
  {
    SelectedObject sourceSelected(sourceDc.get(), image.scaledBitmap());
    SelectedObject targetSelected(targetDc.get(), target.get());
    ::SetStretchBltMode(targetDc.get(), HALFTONE);
    ::SetBrushOrgEx(targetDc.get(), 0, 0, nullptr);
    if (!::StretchBlt(targetDc.get(), 0, 0, width, height, sourceDc.get(), 0, 0, image.outputWidth(),
                      image.outputHeight(), SRCCOPY))
      return UniqueGpImage();
    ::GdiFlush();
  }
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  return NewRgbBitmap(width, height, [&](void* rows) {
    std::memcpy(rows, bits, bytes);
    return true;
  });
}

UniqueBitmap PictureExport::MakeClipboardBitmap(const LoadedImage& image) {
  int width = 0, height = 0;
  if (!HasPicture(image) || !SourceSize(image.sourceBitmap(), width, height)) return UniqueBitmap();
  std::vector<std::uint32_t> rows;
  try {
    rows.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  } catch (...) {
    return UniqueBitmap();
  }
  if (!ReadUprightRows(image.sourceBitmap(), width, height, rows.data())) return UniqueBitmap();
  BITMAPINFOHEADER header = TopDownHeader(width, height);
  WindowDC screen(nullptr);
  if (!screen.get()) return UniqueBitmap();
  return UniqueBitmap(::CreateDIBitmap(screen.get(), &header, CBM_INIT, rows.data(),
                                       reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS));
}

bool PictureExport::SaveBitmap(Gdiplus::GpImage* bitmap, ExportFormat format, std::optional<int> quality,
                               const std::wstring& path) {
  if (!bitmap || path.empty() || !MayReplace(path)) return false;
  CLSID encoder{};
  if (FindEncoder(format == ExportFormat::Jpeg ? L"image/jpeg" : L"image/png", encoder) < 0) return false;
  ULONG qualityValue = quality ? static_cast<ULONG>(*quality) : 0;
  Gdiplus::EncoderParameters parameters{};
  parameters.Count = 1;
  parameters.Parameter[0].Guid = kEncoderQuality;
  parameters.Parameter[0].NumberOfValues = 1;
  parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
  parameters.Parameter[0].Value = &qualityValue;
  const bool withQuality = format == ExportFormat::Jpeg && quality.has_value();

  // The encoder writes a file of its own; the user's file is replaced in one
  // step only after the encoder finished, so a failed or partial encode
  // never costs the old file.
  const std::wstring temporary = TemporaryBeside(path);
  if (encodeHook) encodeHook(encoder, withQuality ? &parameters : nullptr);
  bool ok = GdipSaveImageToFile(bitmap, temporary.c_str(), &encoder, withQuality ? &parameters : nullptr) ==
            Gdiplus::Ok;
  ok = ok && ::MoveFileExW(ExtendedLengthPath(temporary).c_str(), ExtendedLengthPath(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) ::DeleteFileW(ExtendedLengthPath(temporary).c_str());
  return ok;
}

bool PictureExport::SaveJpegFile(const LoadedImage& image, CriticalSection& pictureLock, int width, int height,
                                 int quality, bool showingSize, const std::wstring& path) {
  UniqueGpImage bitmap;
  {
    CriticalSectionLock lock(pictureLock);
    bitmap = showingSize ? MakeShowingSizeBitmap(image, width, height) : MakeExportBitmap(image);
  }
  return bitmap && SaveBitmap(bitmap.get(), ExportFormat::Jpeg, quality, path);
}

bool PictureExport::SavePngFile(const LoadedImage& image, CriticalSection& pictureLock, const std::wstring& path) {
  UniqueGpImage bitmap;
  {
    CriticalSectionLock lock(pictureLock);
    bitmap = MakeExportBitmap(image);
  }
  return bitmap && SaveBitmap(bitmap.get(), ExportFormat::Png, std::nullopt, path);
}

bool PictureExport::CopyToClipboard(const LoadedImage& image, CriticalSection& pictureLock) {
  UniqueBitmap bitmap;
  {
    CriticalSectionLock lock(pictureLock);
    bitmap = MakeClipboardBitmap(image);
  }
  return PutBitmapOnClipboard(std::move(bitmap));
}

}  // namespace tv
