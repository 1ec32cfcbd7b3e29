// The picture as decoded, before scaling and turning: a bitmap of the loader's
// own, or a plug-in's rows drawn where they lie.
#include "imaging/dib.h"
#include "imaging/loaded_image.h"

namespace tv {

HBITMAP LoadedImage::sourceBitmap() const {
  if (contentFlags_ & kContentGdiplus)
    return currentFrame_ < gifFrames_.size() ? gifFrames_[currentFrame_].get() : gdiplus_.sourceBitmap.get();
  if (contentFlags_ & kContentPlugin) return pluginPicture_.bitmap.get();
  if ((contentFlags_ & kContentWebp) && currentFrame_ < webp_.bitmaps.size()) return webp_.bitmaps[currentFrame_].get();
  return nullptr;
}

const PluginBits* LoadedImage::PluginRowsAsIs() const {
  if (!(contentFlags_ & kContentPlugin) || pluginPicture_.asIs.empty()) return nullptr;
  return &pluginPicture_.asIs;
}

bool LoadedImage::SourceSize(int& width, int& height) const {
  if (const PluginBits* rows = PluginRowsAsIs()) {
    width = rows->width();
    height = rows->height();
    return true;
  }
  BITMAP description{};
  const HBITMAP source = sourceBitmap();
  if (!source || ::GetObjectW(source, sizeof description, &description) != sizeof description) return false;
  width = description.bmWidth;
  height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
  return width > 0 && height > 0 && FitsBitmapLimit(width, height);
}

bool LoadedImage::ReadSourceRows(void* rows) const {
  int width = 0, height = 0;
  if (!SourceSize(width, height)) return false;
  if (const PluginBits* plugin = PluginRowsAsIs()) {
    plugin->CopyInto(rows);
    return true;
  }
  // GetDIBits turns whatever depth and row order the bitmap has into the one
  // asked for.
  BITMAPINFOHEADER header = TopDownHeader(width, height);
  WindowDC screen(nullptr);
  return screen.get() && ::GetDIBits(screen.get(), sourceBitmap(), 0, static_cast<UINT>(height), rows,
                                     reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) == height;
}

}  // namespace tv
