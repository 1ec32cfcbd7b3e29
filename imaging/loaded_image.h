#pragma once
// The one loader object: turns a file, or a member of the open archive, into
// the source bitmap of the picture on display, and keeps the display bitmap
// that the transforms fill from it.
//
// Call order: configure (lock, fill colour, rotation, mask) once; then
// LoadFile / LoadArchiveMember for each entry; after a picture load set the
// target size and call Transform before painting. All calls come from the
// thread that owns the picture lock's protocol: loads take the lock around
// every change of the picture, Transform expects the caller to hold it.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/image_entry.h"
#include "imaging/animation_clock.h"
#include "imaging/exif.h"
#include "imaging/gdiplus_decode.h"
#include "imaging/mapped_file.h"
#include "imaging/plugin_host.h"
#include "imaging/stored_zip.h"
#include "imaging/webp_decode.h"
#include "util/setting_defaults.h"
#include "util/win_handles.h"

namespace tv {

// Bits of LoadedImage::ContentFlags.
enum ContentBits : std::uint8_t {
  kContentGdiplus = 1,
  kContentPlugin = 2,
  kContentWebp = 4,
  kContentArchive = 32,
  kContentMember = 64,
  kContentClearEntries = 128,
  kContentPictures = 31,  // what every picture release names
};

enum class SourceKind { None = 0, Image = 1, Archive = 2 };
enum class DecoderKind { Plugin = 0, Gdiplus = 1, Webp = 2 };
enum class ArchiveKind { None = 0, StoredZip = 1, Plugin = 2 };

constexpr wchar_t kInternalLoaderName[] = L"Internal Loader";

// Test seam: called inside the guard at the start of each read of a loaded
// file's bytes by the loader's own readers (sniffing, archive listing, Exif,
// declared size).
void SetMappedReadHookForTesting(void (*hook)());

// Milliseconds of a monotonic clock that does not wrap; frame times use it.
std::int64_t AnimationNow();

class LoadedImage {
 public:
  LoadedImage() = default;
  ~LoadedImage();
  LoadedImage(const LoadedImage&) = delete;
  LoadedImage& operator=(const LoadedImage&) = delete;

  // --- configuration, set by the main window at creation
  void SetPictureLock(CriticalSection* lock) { pictureLock_ = lock; }
  void SetFillColor(std::uint32_t argb) { fillColor_ = argb | 0xFF000000u; }
  void SetRotation(int rotation) { rotation_ = rotation; }
  void SetFixedRotation(bool fixed) { fixedRotation_ = fixed; }
  void SetInternalLoaderMask(std::wstring mask) { internalLoaderMask_ = std::move(mask); }
  const std::wstring& InternalLoaderMask() const { return internalLoaderMask_; }
  std::uint32_t fillColor() const { return fillColor_; }
  bool fixedRotation() const { return fixedRotation_; }
  // A loader that only ever holds still pictures refuses animated ones (a
  // picture prepared ahead of time is one of these); a GIF that merely
  // declares an animation but has one frame is a still.
  void SetStillOnly(bool stillOnly) { stillOnly_ = stillOnly; }
  // Display bitmaps made exactly to size, never square (a prepared picture
  // is held beside the one on display and is seldom turned).
  void SetExactScaledBitmap() { squareAllocationLimit_ = 0; }
  // Decodes may take only this share (1/n) of the memory still available.
  void SetDecodeMemoryShare(std::uint32_t share) { memoryShare_ = share; }
  void SetProgressFunction(PluginHost::ProgressFunction function, void* context) {
    plugins_.SetProgress(function, context);
  }

  // --- plug-ins
  // Replaces the plug-ins by those of the folders (an empty list keeps them).
  void LoadPlugins(const std::vector<std::wstring>& folders);
  void UnloadPlugins() { plugins_.UnloadPlugins(); }
  const PluginHost& Plugins() const { return plugins_; }
  // Shows the configuration dialog of the plug-in that decoded the picture
  // on display; false when that picture came from elsewhere.
  bool OpenPluginDialog(HWND owner);
  // The scaled, unrotated size the view wants (never above the picture's).
  void SetTargetSize(int width, int height) {
    targetWidth_ = width;
    targetHeight_ = height;
    transformNeeded_ = true;
  }

  // --- loading
  // True when a picture was decoded or an archive opened (ContentFlags 32).
  bool LoadFile(ImageEntry& entry);
  // Loads the member of the open archive named by entry.path; on success the
  // entry's time and size are brought up to date.
  bool LoadArchiveMember(ImageEntry& entry);
  // Replaces `list` with the open archive's members; false when none is open.
  bool ListArchive(ImageList& list) const;
  // Frees what `mask` names and is held, then clears those bits.
  void Release(std::uint8_t mask);
  bool Detect(const ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool Decode(ImageEntry& entry, const std::uint8_t* data, std::size_t size);

  // Takes over the still picture `prepared` decoded and transformed, as if
  // it had been loaded here: the source and display bitmaps, size, rotation,
  // Exif and loader name. The archive and plug-in state stay as they are;
  // `member`, when given, is the archive member the picture came from.
  // `prepared` is left holding this object's former picture bitmaps. The
  // caller holds the picture lock and has released the picture on display.
  void AdoptStillPicture(LoadedImage& prepared, const ImageEntry* member);

  // --- display bitmap
  // Makes the scaled bitmap at least width x height (square when affordable).
  void EnsureScaledBitmap(int width, int height);
  // Refills the scaled bitmap from the source; true when no picture is loaded.
  bool Transform();

  // --- state read by the view, painting and the information box
  bool pictureLoaded() const { return pictureLoaded_; }
  bool transformNeeded() const { return transformNeeded_; }
  int width() const { return width_; }
  int height() const { return height_; }
  int rotatedWidth() const { return rotatedWidth_; }
  int rotatedHeight() const { return rotatedHeight_; }
  int outputWidth() const { return outputWidth_; }
  int outputHeight() const { return outputHeight_; }
  // The size last asked of SetTargetSize: unrotated, unlike the output size.
  int targetWidth() const { return targetWidth_; }
  int targetHeight() const { return targetHeight_; }
  // How often the display bitmap has been refilled: scaling and turning cost
  // a full pass over the picture, so callers should not repeat them.
  std::uint64_t transformCount() const { return transformCount_; }
  int rotation() const { return rotation_; }
  // The bitmap the display bitmap is filled from (or the animation's frame on
  // display), top-down: 24-bit for an opaque still decoded as 24-bit RGB,
  // 32-bit for all others; read it through GDI, which handles both. Null
  // when no picture is loaded and for a plug-in picture drawn from the
  // plug-in's own rows.
  HBITMAP sourceBitmap() const;
  // The picture as decoded, before scaling and turning, whoever holds it:
  // its size, and its rows as top-down 32-bit pixels whose fourth byte
  // means nothing (width x height of them at `rows`). False when there is
  // no picture.
  bool SourceSize(int& width, int& height) const;
  bool ReadSourceRows(void* rows) const;
  HBITMAP scaledBitmap() const { return scaledBitmap_.get(); }
  const void* scaledPixels() const { return scaledPixels_; }
  int scaledAllocatedWidth() const { return scaledAllocatedWidth_; }
  int scaledAllocatedHeight() const { return scaledAllocatedHeight_; }
  std::uint8_t ContentFlags() const { return contentFlags_; }
  SourceKind sourceKind() const { return sourceKind_; }
  DecoderKind decoderKind() const { return detectedDecoder_; }
  ArchiveKind archiveKind() const { return archiveKind_; }
  void ResetArchiveKind() { archiveKind_ = ArchiveKind::None; }
  int animationKind() const { return animationKind_; }
  std::uint32_t frameCount() const { return frameCount_; }
  std::uint32_t loopCount() const { return loopCount_; }
  const std::vector<std::uint32_t>& frameDelays() const { return frameDelays_; }
  const std::wstring& loaderName() const { return loaderName_; }

  // --- animation (loaded_image_animation.cpp); the caller holds the lock
  bool animating() const { return animating_; }
  // Milliseconds until the next frame is due (0: due now); -1 when no
  // animation is running.
  std::int64_t AnimationTimeLeft(std::int64_t now) const;
  // Advances to the frame due at `now` and runs Transform; false when the
  // animation has ended (it then stays on its last frame).
  bool StepAnimation(std::int64_t now);
  // A modal dialog holds the animation; its time is not counted as lateness.
  void PauseAnimation(std::int64_t now);
  void ResumeAnimation(std::int64_t now);
  const FrameClock& animationClock() const { return clock_; }
  bool framesPreRendered() const;
  // Bytes of pixels held by pre-rendered frames.
  std::uint64_t preRenderedBytes() const;
  void SetPreRenderLimit(std::uint64_t bits) { preRenderLimitBits_ = bits; }
  const ExifTexts& exif() const { return exif_; }
  const ImageEntry& archiveEntry() const { return archiveEntry_; }
  // The open archive's file was renamed or moved: its members are read from there.
  void SetArchivePath(const std::wstring& path) { archiveEntry_.path = path; }
  const ImageEntry& memberEntry() const { return memberEntry_; }
  const ImageEntry& currentEntry() const { return currentEntry_; }
  const std::vector<ZipMember>& zipMembers() const { return zipMembers_; }
  const std::vector<SusieFileInfo>& pluginListing() const { return pluginListing_; }

 private:
  bool SniffInternal(const ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool DetectAnimatedGif(const ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool DetectFormat(const ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool FindPlugin(const ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool DecodeWithPluginPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  // The outgoing picture's bitmap when it is a still of exactly this size,
  // taken from it; empty otherwise.
  UniqueBitmap TakeOutgoingBitmap(int width, int height, void** pixels);
  // The slot of the picture's bitmap when it is a still read by nothing but
  // its owner; null otherwise.
  UniqueBitmap* StillBitmapSlot();
  // The outgoing still's pixel memory, when nothing but its owners reads it,
  // taken from it so that it can be freed on another thread.
  struct OutgoingPixels {
    PluginBits pluginRows;
    UniqueBitmap bitmap;
  };
  OutgoingPixels TakeOutgoingPixels();
  bool LoadPluginArchiveMember(ImageEntry& entry, std::size_t index);
  bool DecodeArchive(const std::uint8_t* data, std::size_t size);
  bool DecodeWithGdiplusPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool DecodeWithWebpPath(ImageEntry& entry, const std::uint8_t* data, std::size_t size);
  bool FinishPictureDecode();
  void SetupGifAnimation(const std::uint8_t* data, std::size_t size);
  void StartWebpAnimation();
  bool ShowGifFrame();
  void ReleaseAnimation();
  bool LoadZipMember(ImageEntry& entry, std::size_t index);
  int RotationFor(int entryRotation, int decoderOrientation) const;
  bool EnsureIntermediate(int width, int height);
  const PluginBits* PluginRowsAsIs() const;
  // Scales the whole source into the top-left tw x th of `target`, a 32-bit
  // top-down bitmap whose rows of `targetStride` pixels start at `targetPixels`.
  bool StretchSourceInto(HBITMAP target, void* targetPixels, int targetStride, int tw, int th) const;
  bool StretchSourceAsIs(HBITMAP target, int tw, int th) const;
  bool SourceHas24BitRows() const;
  void ClearEntries();

  // The file LoadFile has open while it decodes; null at all other times.
  const MappedFile* loadingFile_ = nullptr;

  ExifTexts exif_;
  ImageEntry archiveEntry_, memberEntry_, currentEntry_;

  GdiplusPicture gdiplus_;
  WebpPicture webp_;
  std::size_t currentFrame_ = 0;

  // Scaled (display) bitmap and the intermediate one used for quarter turns.
  UniqueBitmap scaledBitmap_;
  void* scaledPixels_ = nullptr;
  int scaledAllocatedWidth_ = 0, scaledAllocatedHeight_ = 0;
  UniqueBitmap intermediateBitmap_;
  void* intermediatePixels_ = nullptr;
  int intermediateWidth_ = 0, intermediateHeight_ = 0;
  bool transformNeeded_ = false;
  std::uint64_t transformCount_ = 0;

  std::vector<ZipMember> zipMembers_;

  PluginHost plugins_;
  PluginPicture pluginPicture_;
  std::vector<SusieFileInfo> pluginListing_;
  LockedBlock retainedMember_;  // the plug-in archive member on display

  SourceKind sourceKind_ = SourceKind::None;
  DecoderKind detectedDecoder_ = DecoderKind::Plugin;
  DecoderKind shownDecoder_ = DecoderKind::Plugin;
  ArchiveKind archiveKind_ = ArchiveKind::None;

  int animationKind_ = 0;
  bool animatedGif_ = false;
  std::uint32_t loopCount_ = 0;
  std::uint32_t frameCount_ = 0;
  std::vector<std::uint32_t> frameDelays_;
  bool animating_ = false;
  FrameClock clock_;
  std::vector<UniqueBitmap> gifFrames_;  // pre-rendered GIF frames
  std::int64_t pauseStart_ = -1;
  std::uint64_t preRenderLimitBits_ = kPreRenderLimitBits;

  int canvasWidth_ = 0, canvasHeight_ = 0;
  bool webpAnimated_ = false;

  bool pictureLoaded_ = false;
  int width_ = 200, height_ = 200;
  int rotatedWidth_ = 200, rotatedHeight_ = 200;
  int targetWidth_ = 0, targetHeight_ = 0;
  int outputWidth_ = 200, outputHeight_ = 200;

  std::uint8_t contentFlags_ = 0;
  std::int64_t squareAllocationLimit_ = 16000000;
  std::uint32_t fillColor_ = 0xFF000000u;
  CriticalSection* pictureLock_ = nullptr;
  int rotation_ = -1;
  bool fixedRotation_ = false;
  std::wstring internalLoaderMask_ = defaults::InternalLoader;
  std::wstring loaderName_;
  bool stillOnly_ = false;
  std::uint32_t memoryShare_ = 1;
};

}  // namespace tv
