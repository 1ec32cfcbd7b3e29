#pragma once
// Hands the picture on: GDI+ bitmaps of it at full size or at the size it is
// shown, the JPEG and PNG encoders, and a screen bitmap for the clipboard.
//
// The Make* calls read the loader's bitmaps, which the animation thread
// changes: callers hold the picture lock around them. What they return owns
// its pixels, so encoding and writing run after the lock is given back.
#include <windows.h>

#include <optional>
#include <string>

#include "imaging/gdiplus_owners.h"
#include "imaging/loaded_image.h"
#include "util/win_handles.h"

namespace tv {

enum class ExportFormat { Jpeg, Png };

class PictureExport {
 public:
  // Index of the first GDI+ encoder whose MIME type is exactly `mime`, its
  // class copied out; -1 when there is none or the list cannot be read.
  static int FindEncoder(const wchar_t* mime, CLSID& classId);

  // The picture as decoded (the frame shown, unturned), upright whatever the
  // row order of the loader's bitmap. Empty when no picture is loaded.
  static UniqueGpImage MakeExportBitmap(const LoadedImage& image);
  // The shown picture (turned and scaled as on screen) stretched to
  // width x height. Empty when no picture is loaded.
  static UniqueGpImage MakeShowingSizeBitmap(const LoadedImage& image, int width, int height);
  // A device-dependent screen bitmap of the picture, as MakeExportBitmap
  // would give it; for the clipboard.
  static UniqueBitmap MakeClipboardBitmap(const LoadedImage& image);

  // Encodes to a file beside `path` and puts it in place only once complete:
  // on any failure the file at `path` is untouched and nothing is left
  // behind. `quality` (0..100) is for JPEG only.
  static bool SaveBitmap(Gdiplus::GpImage* bitmap, ExportFormat format, std::optional<int> quality,
                         const std::wstring& path);
  // Tests see what each encoder is handed: called just before encoding with
  // the encoder's class and the parameters (null when none).
  using EncodeHook = void (*)(const CLSID& encoder, const Gdiplus::EncoderParameters* parameters);
  static void SetEncodeHookForTesting(EncodeHook hook);

  // Builds the full-size or showing-size (width x height) bitmap under
  // `pictureLock`, then encodes it outside the lock. False when nothing is
  // loaded or the file could not be written.
  static bool SaveJpegFile(const LoadedImage& image, CriticalSection& pictureLock, int width, int height,
                           int quality, bool showingSize, const std::wstring& path);
  static bool SavePngFile(const LoadedImage& image, CriticalSection& pictureLock, const std::wstring& path);
  // False when nothing is loaded or the clipboard refused the bitmap.
  static bool CopyToClipboard(const LoadedImage& image, CriticalSection& pictureLock);
};

}  // namespace tv
